#pragma once

// The advice text editor: the 32 texts of info.txt, one text box per code,
// and "Spara infotexter" that writes them back. It loads info.txt when it is
// created.

#include "analysis/Infotext.h"
#include "platform/Dialoger.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace matvarda {

class TFormInfotext : public QWidget {
    Q_OBJECT
public:
    // `infotexter` is the store the advice reads; info.txt lies in `arbetsmapp`.
    TFormInfotext(TInfotexter& infotexter, Dialoger& dialoger, QString arbetsmapp, QWidget* foralder);

    // The menu entry "Tipstexter": the built-in password, then the editor.
    void Tipstexter1Click();
    void RadioGroup1Click(int kod);
    void ButtonSparaClick();

    QButtonGroup* RadioGroup1 = nullptr;
    QStackedWidget* Textrutor = nullptr;
    std::array<QPlainTextEdit*, AntalInfokoder> MemoText{};
    QPushButton* ButtonSpara = nullptr;

private:
    void SkapaKontroller();
    void FormCreate();
    QString Infofil() const;

    TInfotexter& infotexter_;
    Dialoger& dialoger_;
    QString arbetsmapp_;
};

}  // namespace matvarda
