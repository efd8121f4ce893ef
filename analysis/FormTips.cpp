#include "analysis/FormTips.h"

#include "analysis/Tips.h"
#include "platform/QtTextrader.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace matvarda {

TFormTips::TFormTips(const TResultat& resultat, const TDagbok& dagbok, const TInfotexter& infotexter,
                     Dialoger& dialoger, QWidget* foralder)
    : QWidget(foralder, Qt::Window), resultat_(resultat), dagbok_(dagbok), infotexter_(infotexter),
      dialoger_(dialoger) {
    setWindowTitle(QStringLiteral("Goda råd"));
    SkapaKontroller();
}

void TFormTips::SkapaKontroller() {
    resize(640, 480);
    auto* lodrat = new QVBoxLayout(this);
    MemoKommentar = new QPlainTextEdit(this);
    MemoKommentar->setAccessibleName(QStringLiteral("Goda råd"));
    MemoKommentar->setStyleSheet(QStringLiteral("QPlainTextEdit { background: rgb(255, 255, 225); color: black; }"));
    lodrat->addWidget(MemoKommentar, 1);
    UtskriftButton = new QPushButton(QStringLiteral("Till skrivare"), this);
    UtskriftButton->setAccessibleName(UtskriftButton->text());
    connect(UtskriftButton, &QPushButton::clicked, this, &TFormTips::UtskriftButtonClick);
    lodrat->addWidget(UtskriftButton, 0, Qt::AlignLeft);
}

void TFormTips::MatTips1Click() {
    if (!HarTips(resultat_)) {
        dialoger_.Meddelande(TipsUtanIntag);
        return;
    }
    VisaTips();
    show();
    raise();
    activateWindow();
}

void TFormTips::VisaTips() {
    MemoKommentar->setPlainText(GodaRad(resultat_, dagbok_.AktuellDag, infotexter_).join('\n'));
}

void TFormTips::UtskriftButtonClick() { Skrivartext.SkrivUt(dialoger_, Textrader(*MemoKommentar)); }

}  // namespace matvarda
