#include "print/FormUt.h"

#include "platform/QtTextrader.h"
#include "platform/QtTypsnitt.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>

namespace matvarda {

TFormUt::TFormUt(Dialoger& dialoger, QWidget* foralder)
    : QWidget(foralder, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialoger_(dialoger) {
    setWindowTitle(QStringLiteral("Så här kommer utskriften att se ut."));
    setFixedSize(640, 463);
    if (const QScreen* skarm = QGuiApplication::primaryScreen())
        move(skarm->availableGeometry().center() - rect().center());

    Memo1 = new QPlainTextEdit(this);
    Memo1->setAccessibleName(QStringLiteral("Utskriftstext"));
    Memo1->setGeometry(0, 0, width(), 393);
    Memo1->setFont(Fastbreddstypsnitt(10));
    Memo1->setStyleSheet(QStringLiteral("color: black;"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    UtskriftButton = new QPushButton(QStringLiteral("Till skrivare"), this);
    UtskriftButton->setAccessibleName(UtskriftButton->text());
    UtskriftButton->setGeometry(168, 408, 120, 30);
    connect(UtskriftButton, &QPushButton::clicked, this, &TFormUt::UtskriftButtonClick);

    FormUtClose = new QPushButton(QStringLiteral("Stäng"), this);
    FormUtClose->setAccessibleName(FormUtClose->text());
    FormUtClose->setGeometry(352, 408, 120, 30);
    connect(FormUtClose, &QPushButton::clicked, this, &TFormUt::FormUtCloseClick);
}

void TFormUt::TomText() {
    Memo1->clear();
    tom_ = true;
}

void TFormUt::VisaFonstret() {
    show();
    raise();
    activateWindow();
}

// An emptied text box still holds one empty line, which the first line
// added takes over.
void TFormUt::LaggTillRad(const QString& rad) {
    QTextCursor markor(Memo1->document());
    markor.movePosition(QTextCursor::End);
    if (!tom_) markor.insertBlock();
    markor.insertText(rad);
    tom_ = false;
}

void TFormUt::FokuseraText() { Memo1->setFocus(); }

void TFormUt::VisaUtskrift(const QStringList& rader) {
    TomText();
    VisaFonstret();
    for (const QString& rad : rader) LaggTillRad(rad);
    FokuseraText();
}

QStringList TFormUt::Rader() const { return Textrader(*Memo1); }

void TFormUt::UtskriftButtonClick() { Skrivartext.SkrivUt(dialoger_, Rader()); }

void TFormUt::FormUtCloseClick() { hide(); }

}  // namespace matvarda
