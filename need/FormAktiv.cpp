#include "need/FormAktiv.h"

#include "core/Filval.h"
#include "need/Aktiviteter.h"
#include "need/Aktivitetsfil.h"
#include "need/Aktivitetskatalog.h"
#include "platform/QtDiagram.h"

#include <QButtonGroup>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace matvarda {
namespace {

const QStringList Instruktion{
    QStringLiteral("Fyll i ålder, vikt, kön. Dubbelklicka på de aktiviteter du utför under ett dygn. För varje "
                   "aktivitet anger du hur många minuter den "),
    QStringLiteral("pågår, t.ex. ARBETE 360 min (6 tim). Grundförbrukning är den energi som går åt om du vilar hela "
                   "dygnet. Om du inte fyller"),
    QStringLiteral("i alla dygnets timmar (=1440 minuter) så räknar programmet med att du vilar under resten av tiden. "
                   "Den röda stapeln visar energin i "),
    QStringLiteral("maten du ätit. Den mörkgröna stapeln visar energiförbrukningen i vila och den ljusgröna visar den "
                   "energi som går åt för aktiviterna."),
};

constexpr int Minutsteg[]{5, 15, 30, -5, -15, -30};

QLineEdit* Falt(const QString& namn, QWidget* foralder, bool lasbart) {
    auto* falt = new QLineEdit(foralder);
    falt->setAccessibleName(namn);
    falt->setReadOnly(lasbart);
    falt->setMaximumWidth(70);
    return falt;
}

QGroupBox* Radiogrupp(const QString& namn, const QString& forsta, const QString& andra, QRadioButton*& knapp0,
                      QRadioButton*& knapp1, QWidget* foralder) {
    auto* grupp = new QGroupBox(foralder);
    grupp->setAccessibleName(namn);
    auto* rad = new QHBoxLayout(grupp);
    knapp0 = new QRadioButton(forsta, grupp);
    knapp1 = new QRadioButton(andra, grupp);
    for (QRadioButton* knapp : {knapp0, knapp1}) {
        knapp->setAccessibleName(knapp->text());
        rad->addWidget(knapp);
    }
    return grupp;
}

void SattText(QLineEdit* falt, const QString& text) {
    if (falt->text() != text) falt->setText(text);
}

}  // namespace

TFormAktiv::TFormAktiv(TTillstand& t, Dialoger& dialoger, const QString& arbetsmapp, std::function<void()> raknaOm,
                       std::function<void(const QStringList&)> visaUtskrift,
                       std::function<void()> visaAktivitetstabell, QWidget* foralder)
    : QWidget(foralder, Qt::Window),
      t_(t),
      lista_(t.Aktiviteter),
      dialoger_(dialoger),
      normer_(arbetsmapp, QStringLiteral("normer")),
      raknaOm_(std::move(raknaOm)),
      visaUtskrift_(std::move(visaUtskrift)),
      visaAktivitetstabell_(std::move(visaAktivitetstabell)),
      valbara_(Valbaraaktiviteter(t.Aktivitetskatalog)) {
    setWindowTitle(QStringLiteral("Dina aktiviteter"));
    resize(900, 640);
    SkapaKontroller();
    for (const TAktivitetspost& post : valbara_) ListBoxAktiv->addItem(post.Namn);
    // The fields show the person's basal metabolism from the start; the
    // need stays as it is until the user changes something here.
    BeraknaGrundforbrukning(lista_);
    Visa();
    VisaEnergidiagram();
}

void TFormAktiv::SkapaKontroller() {
    auto* lodrat = new QVBoxLayout(this);
    SkapaMeny();
    lodrat->setMenuBar(Meny);

    LabelInstruktion = new QLabel(Instruktion.join('\n'), this);
    LabelInstruktion->setAccessibleName(QStringLiteral("Instruktion"));
    LabelInstruktion->setStyleSheet(QStringLiteral("color: blue;"));
    lodrat->addWidget(LabelInstruktion);

    auto* overst = new QHBoxLayout;
    overst->addWidget(SkapaPerson());
    overst->addWidget(SkapaSummor());
    overst->addStretch();
    lodrat->addLayout(overst);

    ChartAktiv = new QtDiagram(Diagramslag::Staplar, 2, this);
    ChartAktiv->setAccessibleName(QStringLiteral("Energidiagram"));
    ChartAktiv->SattRubrik(Energidiagramrubrik);
    ChartAktiv->SattForklaring(false);
    ChartAktiv->setFixedHeight(150);
    lodrat->addWidget(ChartAktiv);

    auto* mitten = new QHBoxLayout;
    mitten->addWidget(SkapaTabeller(), 1);
    mitten->addWidget(SkapaKatalog());
    lodrat->addLayout(mitten, 1);
    lodrat->addWidget(SkapaMinutknappar());
}

void TFormAktiv::SkapaMeny() {
    Meny = new QMenuBar(this);
    Meny->setAccessibleName(QStringLiteral("Meny"));
    QMenu* arkiv = Meny->addMenu(QStringLiteral("Arkiv"));
    arkiv->addAction(QStringLiteral("Hämta aktivitetslista"), this, &TFormAktiv::HamtaAktivitetslistaClick);
    arkiv->addAction(QStringLiteral("Spara aktivitetslista"), this, &TFormAktiv::SparaAktivitetslistaClick);
    arkiv->addSeparator();
    arkiv->addAction(QStringLiteral("Utskrift"), this, &TFormAktiv::UtskriftClick);
    Meny->addAction(QStringLiteral("Aktivitetstabell"), this, &TFormAktiv::AktivitetstabellClick);
}

QWidget* TFormAktiv::SkapaPerson() {
    auto* person = new QWidget(this);
    auto* rad = new QHBoxLayout(person);
    rad->addWidget(new QLabel(QStringLiteral("Ålder"), person));
    EditAge = Falt(QStringLiteral("Ålder"), person, false);
    connect(EditAge, &QLineEdit::textEdited, this, &TFormAktiv::EditAgeChange);
    rad->addWidget(EditAge);
    rad->addWidget(new QLabel(QStringLiteral("vikt"), person));
    Editkg = Falt(QStringLiteral("vikt"), person, false);
    connect(Editkg, &QLineEdit::textEdited, this, &TFormAktiv::EditkgChange);
    rad->addWidget(Editkg);

    rad->addWidget(Radiogrupp(QStringLiteral("Kön"), QStringLiteral("Kvinna"), QStringLiteral("Man"), RadioKvinna,
                              RadioMan, person));
    auto* kon = new QButtonGroup(person);
    kon->addButton(RadioKvinna, Kvinna);
    kon->addButton(RadioMan, Man);
    connect(kon, &QButtonGroup::idClicked, this, &TFormAktiv::RadioGroupSexClick);

    rad->addWidget(Radiogrupp(QStringLiteral("Enhet"), QStringLiteral("kcal"), QStringLiteral("kJ"), RadioKcal, RadioKj,
                              person));
    auto* enhet = new QButtonGroup(person);
    enhet->addButton(RadioKcal, EnhetKcal);
    enhet->addButton(RadioKj, EnhetKj);
    connect(enhet, &QButtonGroup::idClicked, this, &TFormAktiv::RadioGroupKcalClick);
    return person;
}

QWidget* TFormAktiv::SkapaSummor() {
    auto* summor = new QWidget(this);
    auto* rutnat = new QGridLayout(summor);
    LabelBMR = new QLabel(summor);
    EditBMR = Falt(QStringLiteral("Grundförbrukning"), summor, true);
    LabelTot = new QLabel(summor);
    EditTot = Falt(QStringLiteral("Aktivitet"), summor, true);
    EditTot->setStyleSheet(QStringLiteral("background: lime;"));
    EditMinKvar = Falt(QStringLiteral("Minuter kvar av dygnet"), summor, true);
    rutnat->addWidget(LabelBMR, 0, 0);
    rutnat->addWidget(EditBMR, 0, 1);
    rutnat->addWidget(LabelTot, 1, 0);
    rutnat->addWidget(EditTot, 1, 1);
    rutnat->addWidget(new QLabel(QStringLiteral("Minuter kvar av dygnet"), summor), 2, 0);
    rutnat->addWidget(EditMinKvar, 2, 1);
    return summor;
}

QTableWidget* TFormAktiv::SkapaTabell(const QString& namn, const QStringList& rubriker) {
    auto* tabell = new QTableWidget(AntalAktivitetsrader, 4, this);
    tabell->setAccessibleName(namn);
    tabell->setHorizontalHeaderLabels(rubriker);
    tabell->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabell->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabell->setSelectionMode(QAbstractItemView::SingleSelection);
    tabell->verticalHeader()->hide();
    tabell->setColumnWidth(0, 260);
    for (int r = 0; r < AntalAktivitetsrader; ++r)
        for (int k = 0; k < 4; ++k) {
            auto* cell = new QTableWidgetItem;
            if (k > 0) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tabell->setItem(r, k, cell);
        }
    connect(tabell, &QTableWidget::currentCellChanged, this, [this](int rad) { ValjRad(rad + 1); });
    return tabell;
}

QWidget* TFormAktiv::SkapaTabeller() {
    auto* tabeller = new QWidget(this);
    auto* lodrat = new QVBoxLayout(tabeller);
    lodrat->setContentsMargins(0, 0, 0, 0);
    StringGridAktiv = SkapaTabell(QStringLiteral("Aktiviteter i kcal"),
                                  {QStringLiteral("Aktivitet"), QStringLiteral("+kcal/min"), QStringLiteral("Minuter"),
                                   QStringLiteral("+kcal")});
    StringGridAktivKj = SkapaTabell(QStringLiteral("Aktiviteter i kJ"),
                                    {QStringLiteral("Aktivitet"), QStringLiteral("+kJ/min"), QStringLiteral("Minuter"),
                                     QStringLiteral("+kJ")});
    lodrat->addWidget(StringGridAktiv);
    lodrat->addWidget(StringGridAktivKj);
    return tabeller;
}

QWidget* TFormAktiv::SkapaKatalog() {
    auto* katalog = new QWidget(this);
    auto* lodrat = new QVBoxLayout(katalog);
    lodrat->setContentsMargins(0, 0, 0, 0);
    ListBoxAktiv = new QListWidget(katalog);
    ListBoxAktiv->setAccessibleName(QStringLiteral("Aktivitetskatalog"));
    ListBoxAktiv->setMinimumWidth(260);
    connect(ListBoxAktiv, &QListWidget::itemDoubleClicked, this, &TFormAktiv::LaggTillAktivitetClick);
    lodrat->addWidget(ListBoxAktiv, 1);
    ButtonOK = new QPushButton(QStringLiteral("OK"), katalog);
    ButtonOK->setAccessibleName(ButtonOK->text());
    connect(ButtonOK, &QPushButton::clicked, this, &TFormAktiv::LaggTillAktivitetClick);
    lodrat->addWidget(ButtonOK);
    return katalog;
}

QWidget* TFormAktiv::SkapaMinutknappar() {
    auto* knappar = new QWidget(this);
    auto* rad = new QHBoxLayout(knappar);
    rad->setContentsMargins(0, 0, 0, 0);
    for (const int minuter : Minutsteg) {
        auto* knapp = new QPushButton(QStringLiteral("%1%2min").arg(minuter > 0 ? QStringLiteral("+") : QString()).arg(minuter), knappar);
        knapp->setAccessibleName(knapp->text());
        connect(knapp, &QPushButton::clicked, this, [this, minuter] { AndraMinuterClick(minuter); });
        MinutKnappar.push_back(knapp);
        rad->addWidget(knapp);
    }
    ButtonTaBort = new QPushButton(QStringLiteral("Tabort rad"), knappar);
    ButtonTaBort->setAccessibleName(ButtonTaBort->text());
    connect(ButtonTaBort, &QPushButton::clicked, this, &TFormAktiv::TaBortRadClick);
    rad->addWidget(ButtonTaBort);
    rad->addStretch();
    return knappar;
}

void TFormAktiv::Berakna() {
    BeraknaAktiviteter(t_, normer_);
    raknaOm_();
    VisaEnergidiagram();
    Visa();
}

void TFormAktiv::Visa() {
    SattText(EditAge, lista_.Alder);
    SattText(Editkg, lista_.Vikt);
    (lista_.Kon == Man ? RadioMan : RadioKvinna)->setChecked(true);
    const bool kj = lista_.Energienhet == EnhetKj;
    (kj ? RadioKj : RadioKcal)->setChecked(true);
    LabelBMR->setText(Grundforbrukningsetikett(lista_.Energienhet));
    LabelTot->setText(Aktivitetsetikett(lista_.Energienhet));
    SattText(EditBMR, Grundforbrukningstext(lista_));
    SattText(EditTot, Aktivitetsenergitext(lista_));
    SattText(EditMinKvar, MinuterKvarText(lista_));
    VisaTabell(StringGridAktiv, false);
    VisaTabell(StringGridAktivKj, true);
    StringGridAktiv->setVisible(!kj);
    StringGridAktivKj->setVisible(kj);
    ValjRad(aktuellRad_);
}

void TFormAktiv::VisaTabell(QTableWidget* tabell, bool kj) {
    for (int r = 1; r <= AntalAktivitetsrader; ++r) {
        const TAktivitetsrad& rad = lista_.Rader[r];
        const QString celler[]{rad.Namn, kj ? KjText(rad.PerMinut) : rad.PerMinut, rad.Minuter,
                               kj ? KjText(rad.Energi) : rad.Energi};
        for (int k = 0; k < 4; ++k) {
            QTableWidgetItem* cell = tabell->item(r - 1, k);
            if (cell->text() != celler[k]) cell->setText(celler[k]);
        }
    }
}

void TFormAktiv::ValjRad(int rad) {
    if (rad < 1 || rad > AntalAktivitetsrader) return;
    aktuellRad_ = rad;
    for (QTableWidget* tabell : {StringGridAktiv, StringGridAktivKj})
        if (tabell->currentRow() != rad - 1) tabell->setCurrentCell(rad - 1, 0);
}

void TFormAktiv::VisaEnergidiagram() {
    const auto serier = Energidiagram(lista_, t_.Resultat, t_.Dagbok.AktuellDag);
    ChartAktiv->RensaAlla();
    double storsta = 0;
    for (int s = 0; s < static_cast<int>(serier.size()); ++s)
        for (const TPunkt& punkt : serier[s]) ChartAktiv->LaggTill(s, punkt.Varde, punkt.Etikett, punkt.Farg);
    for (qsizetype k = 0; k < serier[0].size(); ++k) storsta = std::max(storsta, serier[0][k].Varde + serier[1][k].Varde);
    ChartAktiv->SattVardeaxel(0, std::max(storsta * 1.1, 100.0));
}

void TFormAktiv::EditAgeChange(const QString& text) {
    lista_.Alder = text;
    Berakna();
}

void TFormAktiv::EditkgChange(const QString& text) {
    lista_.Vikt = text;
    Berakna();
}

void TFormAktiv::RadioGroupSexClick(int kon) {
    lista_.Kon = kon;
    Berakna();
}

void TFormAktiv::RadioGroupKcalClick(int enhet) {
    lista_.Energienhet = enhet;
    Berakna();
}

void TFormAktiv::LaggTillAktivitetClick() {
    const int vald = ListBoxAktiv->currentRow();
    if (vald < 0 || vald >= static_cast<int>(valbara_.size())) return;
    const auto rad = LaggTillAktivitet(lista_, valbara_[vald]);
    if (!rad) {
        dialoger_.Meddelande(QStringLiteral("Tabellen är full: alla %1 rader används.\n"
                                            "Ta bort en rad innan du lägger till en ny aktivitet.")
                                 .arg(AntalAktivitetsrader));
        return;
    }
    aktuellRad_ = *rad;
    Berakna();
}

void TFormAktiv::AndraMinuterClick(int minuter) {
    if (AndraMinuter(lista_, aktuellRad_, minuter)) Berakna();
}

void TFormAktiv::TaBortRadClick() {
    if (TaBortAktivitetsrad(lista_, aktuellRad_)) Berakna();
}

void TFormAktiv::HamtaAktivitetslistaClick() {
    const auto fil = dialoger_.OppnaFil(QStringLiteral("Hämta aktivitetslista"), t_.Start.Berakningsmapp,
                                        QStringLiteral("Aktiviteter|*.akt"));
    if (!fil) return;
    if (!LasAktivitetslista(*fil, lista_)) {
        dialoger_.Meddelande(KanEjOppnaAktivitetslistan);
        return;
    }
    Berakna();
}

void TFormAktiv::SparaAktivitetslistaClick() {
    const auto fil = ValjSparfil(dialoger_, QStringLiteral("Spara aktivitetslista"), t_.Start.Berakningsmapp,
                                 QStringLiteral("aktivitet|*.akt"), Aktivitetstillagg);
    if (fil && !SparaAktivitetslista(*fil, lista_)) dialoger_.Meddelande(KanEjSparaAktiviteterna);
}

void TFormAktiv::UtskriftClick() {
    const auto rubrik = dialoger_.Inmatning(QStringLiteral("Rubrik till utskriften"),
                                            QStringLiteral("Ange en rubrik till din utskrift "), QString());
    if (!rubrik) return;
    const QString datum = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    visaUtskrift_(Aktivitetsutskrift(lista_, *rubrik, datum));
}

void TFormAktiv::AktivitetstabellClick() { visaAktivitetstabell_(); }

}  // namespace matvarda
