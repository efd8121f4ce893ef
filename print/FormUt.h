#pragma once

// The preview window: a plain-text printout in an editable fixed-pitch text
// box, sent to a printer line by line, with the user's edits, on
// "Till skrivare".

#include "platform/Dialoger.h"
#include "print/QtSkrivartext.h"

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace matvarda {

class TFormUt : public QWidget {
    Q_OBJECT
public:
    TFormUt(Dialoger& dialoger, QWidget* foralder);

    // What the printouts of other windows use.
    void TomText();
    void VisaFonstret();
    void LaggTillRad(const QString& rad);
    void FokuseraText();
    // All four at once: emptied, shown, filled with the lines, focused.
    void VisaUtskrift(const QStringList& rader);

    // The text as lines; an empty text has none.
    QStringList Rader() const;

    void UtskriftButtonClick();
    void FormUtCloseClick();

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* UtskriftButton = nullptr;
    QPushButton* FormUtClose = nullptr;
    TSkrivartext Skrivartext;

private:
    Dialoger& dialoger_;
    bool tom_ = true;  // emptied, no line added since
};

}  // namespace matvarda
