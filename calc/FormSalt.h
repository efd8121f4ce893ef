#pragma once

// The salt window: the day's salt (or the period's daily average) on a gauge
// of 0..20 grams against the ranges advised for women and men.

#include "core/Resultat.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QProgressBar;

namespace matvarda {

class TFormSalt : public QWidget {
    Q_OBJECT
public:
    TFormSalt(const TResultat& resultat, QWidget* foralder);

    // Run by every recalculation, whether the window is shown or not.
    void FyllSalt();

    QProgressBar* ProgressBarSalt = nullptr;
    QPlainTextEdit* MemoSalt = nullptr;

private:
    struct TSkalfalt;
    void SkapaSkala(const QString& namn, int y, std::initializer_list<TSkalfalt> falt);
    QLabel* BlaEtikett(const QString& text, int x, int y);

    const TResultat& resultat_;
};

}  // namespace matvarda
