#include "matvarda/FormDiagram.h"

#include "calc/Diagram.h"

#include <QButtonGroup>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace matvarda {
namespace {

constexpr int Knappbredd = 18;
constexpr int Cirkelavstand = 8;

void Fyll(QtDiagram& diagram, int serie, const TSerie& punkter) {
    diagram.Rensa(serie);
    for (const TPunkt& p : punkter) diagram.LaggTill(serie, p.Varde, p.Etikett, p.Farg);
}

}  // namespace

TDiagramyta::TDiagramyta(const TTillstand& tillstand, QWidget* foralder) : QWidget(foralder), t_(tillstand) {
    ChartStapel = new QtDiagram(Diagramslag::Staplar, AntalStapelserier, this);
    ChartStapel->SattRubrik(Startrubrik);
    ChartStapel->SattVardeaxel(0, StapelaxelMax);
    ChartStapel->SattPunkterPerSida(StartSidstorlek);
    ChartStapel->setAccessibleName(QStringLiteral("Stapeldiagram, procent av behovet"));
    ChartStapel->EfterRitning = [this](QPainter& malare, const QRectF& rityta) { RitaHundraprocent(malare, rityta); };
    ChartEnergi = SkapaCirkel(QStringLiteral("Energifördelning VERKLIG"));
    ChartEnergiRek = SkapaCirkel(QStringLiteral("Energifördelning IDEAL"));
    connect(ChartEnergi, &QtDiagram::StorlekAndrad, this, &TDiagramyta::PlaceraIdealcirkeln);
    // The chart's own resize, not the window's: the window is resized before
    // its layout has given the chart its new height.
    connect(ChartStapel, &QtDiagram::StorlekAndrad, this, &TDiagramyta::SattSidstorlek);
    SkapaKnappar();
}

QtDiagram* TDiagramyta::SkapaCirkel(const QString& rubrik) {
    auto* cirkel = new QtDiagram(Diagramslag::Cirkel, 1, this);
    cirkel->SattRubrik(rubrik);
    cirkel->setAccessibleName(rubrik);
    cirkel->hide();
    return cirkel;
}

void TDiagramyta::SkapaKnappar() {
    ButtonForegaende = new QToolButton(this);
    ButtonForegaende->setArrowType(Qt::UpArrow);
    ButtonForegaende->setAccessibleName(QStringLiteral("Föregående sida"));
    connect(ButtonForegaende, &QToolButton::clicked, ChartStapel, &QtDiagram::ForegaendeSida);
    ButtonNasta = new QToolButton(this);
    ButtonNasta->setArrowType(Qt::DownArrow);
    ButtonNasta->setAccessibleName(QStringLiteral("Nästa sida"));
    connect(ButtonNasta, &QToolButton::clicked, ChartStapel, &QtDiagram::NastaSida);

    ButtonStaplar = new QPushButton(QStringLiteral("Staplar"), this);
    ButtonEnergicirklar = new QPushButton(QStringLiteral("Energicirklar"), this);
    auto* grupp = new QButtonGroup(this);
    for (QPushButton* knapp : {ButtonStaplar, ButtonEnergicirklar}) {
        knapp->setCheckable(true);
        grupp->addButton(knapp);
    }
    ButtonStaplar->setChecked(true);
    connect(ButtonStaplar, &QPushButton::clicked, this, &TDiagramyta::VisaStaplar);
    connect(ButtonEnergicirklar, &QPushButton::clicked, this, &TDiagramyta::VisaCirklar);
}

void TDiagramyta::resizeEvent(QResizeEvent*) {
    const int bredd = width() - Knappbredd;
    ChartStapel->setGeometry(0, 0, bredd, height());
    ButtonForegaende->setGeometry(bredd, height() / 2 - Knappbredd, Knappbredd, Knappbredd);
    ButtonNasta->setGeometry(bredd, height() / 2, Knappbredd, Knappbredd);
    ChartEnergi->setGeometry(0, 0, (width() - Cirkelavstand) / 2, height());
}

void TDiagramyta::PlaceraIdealcirkeln() {
    const QRect forsta = ChartEnergi->geometry();
    ChartEnergiRek->setGeometry(forsta.right() + 1 + Cirkelavstand, forsta.top(), forsta.width(), forsta.height());
}

void TDiagramyta::Uppdatera() {
    // A changed nutrient selection changes the number of bars: page anew.
    if (t_.Urval.AntalValda != sidindeladeStaplar_) SattSidstorlek();
    SattRubrik();
    RitaStapel();
}

void TDiagramyta::SattRubrik() { ChartStapel->SattRubrik(Stapelrubrik(t_)); }

void TDiagramyta::RitaStapel() {
    const TStapelserier serier = Staplar(t_);
    for (int s = 0; s < AntalStapelserier; ++s) Fyll(*ChartStapel, s, serier[s]);
    Fyll(*ChartEnergi, 0, VerkligCirkel(t_));
    Fyll(*ChartEnergiRek, 0, IdealCirkel(t_));
    // The refresh is complete when it returns; hidden charts follow when shown.
    for (QtDiagram* diagram : {ChartStapel, ChartEnergi, ChartEnergiRek}) diagram->Uppdatera();
}

void TDiagramyta::SattSidstorlek() {
    const int antal = t_.Urval.AntalValda;
    sidindeladeStaplar_ = antal;
    const int sidstorlek = Sidstorlek(ChartStapel->height(), antal);
    ChartStapel->SattPunkterPerSida(sidstorlek);
    SattSidknappar(VisaSidknappar(sidstorlek, antal));
}

void TDiagramyta::SattSidknappar(bool synliga) {
    sidknapparna_ = synliga;
    const bool staplar = !ChartStapel->isHidden();
    ButtonForegaende->setVisible(staplar && synliga);
    ButtonNasta->setVisible(staplar && synliga);
}

void TDiagramyta::VisaStaplar() {
    ButtonStaplar->setChecked(true);
    ChartEnergi->hide();
    ChartEnergiRek->hide();
    ChartStapel->show();
    SattSidknappar(sidknapparna_);
}

void TDiagramyta::VisaCirklar() {
    ButtonEnergicirklar->setChecked(true);
    ChartStapel->hide();
    SattSidknappar(sidknapparna_);
    ChartEnergi->show();
    ChartEnergiRek->show();
}

void TDiagramyta::RitaHundraprocent(QPainter& malare, const QRectF& rityta) {
    const int x = HundraprocentX(rityta.left(), rityta.width());
    malare.setRenderHint(QPainter::Antialiasing, false);
    malare.setPen(QPen(Qt::black, 1));
    malare.drawLine(QLineF(x, rityta.top(), x, rityta.bottom()));
}

}  // namespace matvarda
