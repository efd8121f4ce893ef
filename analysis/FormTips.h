#pragma once

// The advice window: the current day's intake in eight nutrient groups,
// each with the stored advice of its level, in a text the user may edit and
// print.

#include "core/Resultat.h"
#include "core/Infotexter.h"
#include "platform/Dialoger.h"
#include "print/QtSkrivartext.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace matvarda {

class TFormTips : public QWidget {
    Q_OBJECT
public:
    TFormTips(const TResultat& resultat, const TDagbok& dagbok, const TInfotexter& infotexter, Dialoger& dialoger,
              QWidget* foralder);

    // The main menu's "MatTips": the advice when the period holds food,
    // otherwise a message saying what to do first.
    void MatTips1Click();
    void VisaTips();
    // Prints the text as it stands, the user's edits included.
    void UtskriftButtonClick();

    QPlainTextEdit* MemoKommentar = nullptr;
    QPushButton* UtskriftButton = nullptr;
    TSkrivartext Skrivartext;

private:
    void SkapaKontroller();

    const TResultat& resultat_;
    const TDagbok& dagbok_;
    const TInfotexter& infotexter_;
    Dialoger& dialoger_;
};

}  // namespace matvarda
