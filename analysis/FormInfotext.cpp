#include "analysis/FormInfotext.h"

#include "core/Losenord.h"
#include "core/Tillstand.h"
#include "platform/QtTextrader.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace matvarda {
namespace {

constexpr int KoderPerKolumn = 16;

}  // namespace

TFormInfotext::TFormInfotext(TInfotexter& infotexter, Dialoger& dialoger, QString arbetsmapp, QWidget* foralder)
    : QWidget(foralder, Qt::Window), infotexter_(infotexter), dialoger_(dialoger), arbetsmapp_(std::move(arbetsmapp)) {
    setWindowTitle(QStringLiteral("Klicka på SPARA INFOTEXTER när du ändrat texterna!"));
    SkapaKontroller();
    FormCreate();
}

QString TFormInfotext::Infofil() const { return QDir(arbetsmapp_).filePath(QStringLiteral("info.txt")); }

void TFormInfotext::SkapaKontroller() {
    resize(900, 520);
    auto* vagrat = new QHBoxLayout(this);
    auto* val = new QGroupBox(this);
    val->setAccessibleName(QStringLiteral("Tipstext"));
    auto* rutnat = new QGridLayout(val);
    RadioGroup1 = new QButtonGroup(this);
    Textrutor = new QStackedWidget(this);
    for (int i = 0; i < AntalInfokoder; ++i) {
        auto* knapp = new QRadioButton(Infokoder[i].Etikett, val);
        knapp->setAccessibleName(Infokoder[i].Etikett);
        RadioGroup1->addButton(knapp, i);
        rutnat->addWidget(knapp, i % KoderPerKolumn, i / KoderPerKolumn);
        MemoText[i] = new QPlainTextEdit(Textrutor);
        MemoText[i]->setAccessibleName(Infokoder[i].Etikett);
        Textrutor->addWidget(MemoText[i]);
    }
    RadioGroup1->button(0)->setChecked(true);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TFormInfotext::RadioGroup1Click);
    vagrat->addWidget(val);

    auto* hoger = new QVBoxLayout;
    hoger->addWidget(Textrutor, 1);
    ButtonSpara = new QPushButton(QStringLiteral("Spara infotexter"), this);
    ButtonSpara->setAccessibleName(ButtonSpara->text());
    connect(ButtonSpara, &QPushButton::clicked, this, &TFormInfotext::ButtonSparaClick);
    hoger->addWidget(ButtonSpara, 0, Qt::AlignLeft);
    vagrat->addLayout(hoger, 1);
}

// A missing info.txt leaves the advice without texts; the program goes on.
void TFormInfotext::FormCreate() {
    if (!LasInfotexter(Infofil(), infotexter_)) dialoger_.Meddelande(InfotexterSaknas(Infofil()));
    const TKodtexter texter = Kodtexter(infotexter_);
    for (int i = 0; i < AntalInfokoder; ++i) MemoText[i]->setPlainText(texter[i].join(QLatin1Char('\n')));
}

void TFormInfotext::Tipstexter1Click() {
    if (!FragaLosenord(dialoger_, Standardlosenord)) return;
    show();
    raise();
    activateWindow();
}

void TFormInfotext::RadioGroup1Click(int kod) { Textrutor->setCurrentIndex(kod); }

void TFormInfotext::ButtonSparaClick() {
    TKodtexter texter;
    for (int i = 0; i < AntalInfokoder; ++i) texter[i] = Textrader(*MemoText[i]);
    if (!SparaInfotexter(Infofil(), texter, infotexter_)) dialoger_.Meddelande(KanEjSparaTipstexter);
}

}  // namespace matvarda
