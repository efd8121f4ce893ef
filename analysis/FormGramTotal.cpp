#include "analysis/FormGramTotal.h"

#include "analysis/GramTotal.h"
#include "calc/Diagram.h"
#include "platform/QtDiagram.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace matvarda {
namespace {

constexpr int AktuellDag = 0;
constexpr int AllaDagar = 1;

QLabel* BlaText(const QString& text, QWidget* foralder) {
    auto* etikett = new QLabel(text, foralder);
    etikett->setStyleSheet(QStringLiteral("color: blue;"));
    etikett->setWordWrap(true);
    return etikett;
}

}  // namespace

TFormGramTotal::TFormGramTotal(const TTillstand& t, QWidget* foralder) : QWidget(foralder, Qt::Window), t_(t) {
    setWindowTitle(KallorStartrubrik);
    SkapaKontroller();
    FyllVal();
}

void TFormGramTotal::SkapaKontroller() {
    resize(760, 520);
    auto* vagrat = new QHBoxLayout(this);
    vagrat->addWidget(SkapaVal());
    vagrat->addWidget(SkapaDiagram(), 1);
}

QWidget* TFormGramTotal::SkapaVal() {
    auto* del = new QWidget(this);
    del->setFixedWidth(200);
    auto* lodrat = new QVBoxLayout(del);
    lodrat->setContentsMargins(0, 0, 0, 0);
    lodrat->addWidget(BlaText(QStringLiteral("Klicka på Vikt för att se vilka livsmedel som ingår i beräkningen."), del));
    lodrat->addWidget(BlaText(QStringLiteral("Klicka på ett näringsämne för att se varifrån näringsämnet kommer."), del));
    ListBoxNv = new QListWidget(del);
    ListBoxNv->setAccessibleName(QStringLiteral("Näringsämne"));
    connect(ListBoxNv, &QListWidget::currentRowChanged, this, &TFormGramTotal::VisaNaringskallor);
    lodrat->addWidget(ListBoxNv, 1);

    auto* omfang = new QGroupBox(del);
    auto* knappar = new QVBoxLayout(omfang);
    RadioAktuellDag = new QRadioButton(QStringLiteral("Aktuell dag"), omfang);
    RadioAllaDagar = new QRadioButton(QStringLiteral("Summa alla dagar"), omfang);
    RadioGroup1 = new QButtonGroup(this);
    RadioGroup1->addButton(RadioAktuellDag, AktuellDag);
    RadioGroup1->addButton(RadioAllaDagar, AllaDagar);
    for (QRadioButton* knapp : {RadioAktuellDag, RadioAllaDagar}) {
        knapp->setAccessibleName(knapp->text());
        knappar->addWidget(knapp);
    }
    RadioAktuellDag->setChecked(true);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TFormGramTotal::VisaNaringskallor);
    lodrat->addWidget(omfang);
    return del;
}

QWidget* TFormGramTotal::SkapaDiagram() {
    auto* del = new QWidget(this);
    auto* lodrat = new QVBoxLayout(del);
    lodrat->setContentsMargins(0, 0, 0, 0);
    auto* rad = new QHBoxLayout;
    ChartKallor = new QtDiagram(Diagramslag::Staplar, 1, del);
    ChartKallor->setAccessibleName(QStringLiteral("Näringskällor"));
    connect(ChartKallor, &QtDiagram::StorlekAndrad, this, &TFormGramTotal::SattKallsidstorlek);
    rad->addWidget(ChartKallor, 1);

    auto* spinn = new QVBoxLayout;
    ButtonUpp = new QToolButton(del);
    ButtonUpp->setArrowType(Qt::UpArrow);
    ButtonUpp->setAccessibleName(QStringLiteral("Föregående sida"));
    connect(ButtonUpp, &QToolButton::clicked, ChartKallor, &QtDiagram::ForegaendeSida);
    ButtonNer = new QToolButton(del);
    ButtonNer->setArrowType(Qt::DownArrow);
    ButtonNer->setAccessibleName(QStringLiteral("Nästa sida"));
    connect(ButtonNer, &QToolButton::clicked, ChartKallor, &QtDiagram::NastaSida);
    spinn->addStretch();
    spinn->addWidget(ButtonUpp);
    spinn->addWidget(ButtonNer);
    spinn->addStretch();
    rad->addLayout(spinn);
    lodrat->addLayout(rad, 1);
    lodrat->addWidget(BlaText(QStringLiteral("Utskrift: Håll nere ALT och tryck på PrtScr-tangenten, "
                                             "Starta sedan t.ex. Word och klistra in."),
                              del));
    return del;
}

// The choice follows the nutrient selection; the nutrient chosen stays
// chosen while it is still selected.
void TFormGramTotal::FyllVal() {
    const QVector<int> val = Kallval(t_.Urval);
    if (val == val_) return;
    const int valt = val_.isEmpty() ? ViktVal : Valt();
    val_ = val;
    const QSignalBlocker tyst(ListBoxNv);
    ListBoxNv->clear();
    for (const int v : val_) ListBoxNv->addItem(Kallvalstext(t_.Katalog, v));
    ListBoxNv->setCurrentRow(std::max(0, static_cast<int>(val_.indexOf(valt))));
}

int TFormGramTotal::Valt() const {
    const int rad = ListBoxNv->currentRow();
    return rad >= 0 && rad < val_.size() ? val_[rad] : ViktVal;
}

void TFormGramTotal::VisaNaringskallor() {
    FyllVal();
    const int valt = Valt();
    setWindowTitle(Kallrubrik(t_.Katalog, valt));
    ChartKallor->Rensa(0);
    for (const TPunkt& stapel : Naringskallor(t_, valt, RadioGroup1->checkedId() == AllaDagar))
        ChartKallor->LaggTill(0, stapel.Varde, stapel.Etikett, stapel.Farg);
    ChartKallor->Uppdatera();
    SattKallsidstorlek();
}

void TFormGramTotal::SattKallsidstorlek() {
    const int antal = static_cast<int>(ChartKallor->Serie(0).size());
    const int sidstorlek = Sidstorlek(ChartKallor->height(), antal);
    ChartKallor->SattPunkterPerSida(sidstorlek);
    const bool knappar = VisaSidknappar(sidstorlek, antal);
    ButtonUpp->setVisible(knappar);
    ButtonNer->setVisible(knappar);
}

}  // namespace matvarda
