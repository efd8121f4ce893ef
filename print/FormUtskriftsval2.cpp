#include "print/FormUtskriftsval2.h"

#include "print/Rapportfil.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace matvarda {

TFormUtskriftsval2::TFormUtskriftsval2(const TTillstand& tillstand, TOmgivning omgivning,
                                       TForhandsvisning forhandsvisning, QWidget* foralder)
    : QWidget(foralder, Qt::Window),
      t_(tillstand),
      omgivning_(std::move(omgivning)),
      forhandsvisning_(std::move(forhandsvisning)) {
    setWindowTitle(QStringLiteral("Välj typ av utskrift"));
    resize(371, 500);
    setAutoFillBackground(true);
    QPalette palett = palette();
    palett.setColor(QPalette::Window, QColor(0xA6, 0xCA, 0xF0));  // sky blue
    setPalette(palett);
    SkapaKontroller();
}

QGroupBox* TFormUtskriftsval2::Radiogrupp(const QString& rubrik, const QStringList& val, QButtonGroup*& knappar) {
    auto* ruta = new QGroupBox(rubrik, this);
    auto* lodrat = new QVBoxLayout(ruta);
    knappar = new QButtonGroup(ruta);
    for (int i = 0; i < val.size(); ++i) {
        auto* knapp = new QRadioButton(val[i], ruta);
        knappar->addButton(knapp, i);
        lodrat->addWidget(knapp);
    }
    knappar->button(0)->setChecked(true);
    return ruta;
}

void TFormUtskriftsval2::SkapaKontroller() {
    auto* lodrat = new QVBoxLayout(this);
    RadioGroup1 = Radiogrupp(QStringLiteral("Vad ska skrivas ut?"),
                             {QStringLiteral("Aktuell måltid"), QStringLiteral("Aktuell dag"), QStringLiteral("Alla dagar")},
                             Omfattningsknappar);
    RadioGroup2 = Radiogrupp(QStringLiteral("Hur detaljerad ska utskriften vara?"),
                             {QStringLiteral("Alla livsmedel i detalj"), QStringLiteral("Endast måltidssummor"),
                              QStringLiteral("Endast dagsummor"), QStringLiteral("Endast periodsumma")},
                             Detaljknappar);
    lodrat->addWidget(RadioGroup1);
    lodrat->addWidget(RadioGroup2);

    const auto ruta = [&](const QString& text, bool ikryssad) {
        auto* box = new QCheckBox(text, this);
        box->setChecked(ikryssad);
        lodrat->addWidget(box);
        return box;
    };
    CheckBoxDiagram = ruta(QStringLiteral("Stapeldiagram"), true);
    CheckBoxFettsammansattning = ruta(QStringLiteral("Skriv fettsammansättning"), true);
    CheckBoxPris = ruta(QStringLiteral("Skriv pris"), false);
    CheckBoxKomprimerad = ruta(QStringLiteral("Komprimerad utskrift"), false);
    CheckBox1 = ruta(QStringLiteral("Utskrift till fil"), false);
    CheckBoxCirkeldiagram = ruta(QStringLiteral("Cirkeldiagram"), false);
    CheckBoxCirkeldiagram->setEnabled(false);
    connect(CheckBox1, &QCheckBox::clicked, this, &TFormUtskriftsval2::CheckBox1Click);
    connect(CheckBoxKomprimerad, &QCheckBox::clicked, this, &TFormUtskriftsval2::CheckBoxKomprimeradClick);

    QStringList filtyper;
    for (const TRapportfiltyp& typ : Rapportfiltyper())
        if (!typ.Namn.isEmpty()) filtyper << typ.Namn;
    RadioGroup3 = Radiogrupp(QStringLiteral("Vilken typ av fil vill du skriva ut till?"), filtyper, Filtypsknappar);
    RadioGroup3->setEnabled(false);
    lodrat->addWidget(RadioGroup3);

    Label1 = new QLabel(QStringLiteral("Utskriftsrubrik"), this);
    EditRubrik = new QLineEdit(this);
    EditRubrik->setAccessibleName(Label1->text());
    Label1->setBuddy(EditRubrik);
    lodrat->addWidget(Label1);
    lodrat->addWidget(EditRubrik);

    ButtonSkriv = new QPushButton(QStringLiteral("Skriv"), this);
    connect(ButtonSkriv, &QPushButton::clicked, this, &TFormUtskriftsval2::ButtonSkrivClick);
    lodrat->addWidget(ButtonSkriv);
    lodrat->addStretch();
}

// Centred on the main window each time it is shown.
void TFormUtskriftsval2::showEvent(QShowEvent* handelse) {
    if (QWidget* huvud = parentWidget()) move(huvud->geometry().center() - rect().center());
    QWidget::showEvent(handelse);
}

// Pies only in files: ticking file output switches them on.
void TFormUtskriftsval2::CheckBox1Click() {
    const bool fil = CheckBox1->isChecked();
    RadioGroup3->setEnabled(fil);
    CheckBoxCirkeldiagram->setEnabled(fil);
    CheckBoxCirkeldiagram->setChecked(fil);
}

// A compressed report has no prices; the box keeps its tick for one meal.
void TFormUtskriftsval2::CheckBoxKomprimeradClick() { CheckBoxPris->setEnabled(!CheckBoxKomprimerad->isChecked()); }

TUtskriftsval TFormUtskriftsval2::Utskriftsval() const {
    TUtskriftsval val;
    val.Omfattning = Omfattningsknappar->checkedId();
    val.Detaljniva = Detaljknappar->checkedId();
    val.Komprimerad = CheckBoxKomprimerad->isChecked();
    val.Pris = CheckBoxPris->isChecked();
    val.Stapeldiagram = CheckBoxDiagram->isChecked();
    val.Fettsammansattning = CheckBoxFettsammansattning->isChecked();
    return val;
}

TLayoutval TFormUtskriftsval2::Layoutval() const {
    return {CheckBoxCirkeldiagram->isChecked(), EditRubrik->text(), Rapportdatum(),
            t_.Installningar.Idealfordelning};
}

void TFormUtskriftsval2::ButtonSkrivClick() {
    const TRapport rapport = KomponeraRapport(t_, Utskriftsval(), t_.Dagbok.AktuellDag, t_.Dagbok.AktuellMaltid);
    if (CheckBox1->isChecked())
        SparaRapport(Rapportfiltyper()[Filtypsknappar->checkedId()].Typ, rapport, Layoutval(), omgivning_.Dialogerna,
                     t_.Start.Berakningsmapp);
    else if (forhandsvisning_) forhandsvisning_(LayoutaRapport(rapport, Layoutval()));
}

}  // namespace matvarda
