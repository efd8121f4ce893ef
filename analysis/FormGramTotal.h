#pragma once

// The nutrient-sources window: one bar per food, the largest contribution to
// the chosen nutrient (or the most grams) at the top, for the current day or
// all days. Refilled after every recalculation, shown or not.

#include "core/Tillstand.h"

#include <QVector>
#include <QWidget>

class QButtonGroup;
class QListWidget;
class QRadioButton;
class QToolButton;

namespace matvarda {

class QtDiagram;

class TFormGramTotal : public QWidget {
    Q_OBJECT
public:
    TFormGramTotal(const TTillstand& t, QWidget* foralder);

    // Fills the chart for the choice and scope; also run by every
    // recalculation and by a click on either choice.
    void VisaNaringskallor();
    // Bars per page by the chart's height; run after every fill and resize.
    void SattKallsidstorlek();

    QListWidget* ListBoxNv = nullptr;
    QButtonGroup* RadioGroup1 = nullptr;
    QRadioButton* RadioAktuellDag = nullptr;
    QRadioButton* RadioAllaDagar = nullptr;
    QtDiagram* ChartKallor = nullptr;
    // The spin button: up the previous page, down the next.
    QToolButton* ButtonUpp = nullptr;
    QToolButton* ButtonNer = nullptr;

private:
    void SkapaKontroller();
    QWidget* SkapaVal();
    QWidget* SkapaDiagram();
    void FyllVal();
    int Valt() const;

    const TTillstand& t_;
    QVector<int> val_;  // the nutrient number of each line, 0 for "Vikt"
};

}  // namespace matvarda
