#include "admin/FormInst.h"

#include "core/Losenord.h"

#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace matvarda {
namespace {

const QString Parafil = QStringLiteral("matvarda.para");
const QString Prisfil = QStringLiteral("prisPassword.txt");

QTableWidgetItem* Radnamn(const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    return cell;
}

}  // namespace

TFormInst::TFormInst(TInstallningar& installningar, const QString& losenord, TOmgivning omgivning, QWidget* foralder)
    : QWidget(foralder, Qt::Window), installningar_(installningar), losenord_(losenord), omgivning_(std::move(omgivning)) {
    setWindowTitle(QStringLiteral("Inställningar"));
    SkapaKontroller();
    FormCreate();
}

QTableWidget* TFormInst::SkapaGrid(const QString& rubrik, const QStringList& rader) {
    auto* grid = new QTableWidget(static_cast<int>(rader.size()), 2, this);
    grid->setAccessibleName(rubrik);
    grid->setHorizontalHeaderLabels({QString(), rubrik});
    grid->verticalHeader()->hide();
    for (int r = 0; r < rader.size(); ++r) {
        grid->setItem(r, 0, Radnamn(rader[r]));
        grid->setItem(r, 1, new QTableWidgetItem);
    }
    grid->resizeColumnToContents(0);
    grid->horizontalHeader()->setStretchLastSection(true);
    int hojd = grid->horizontalHeader()->sizeHint().height() + 2 * grid->frameWidth();
    for (int r = 0; r < grid->rowCount(); ++r) hojd += grid->rowHeight(r);
    grid->setFixedHeight(hojd);
    grid->setEnabled(false);
    return grid;
}

void TFormInst::SkapaKontroller() {
    auto* rutnat = new QGridLayout(this);
    rutnat->addWidget(new QLabel(QStringLiteral("Önskad fördelning av näringsintag\nför dagens måltider i %."), this), 0, 0);
    StringGrid1 = SkapaGrid(QStringLiteral("% av dagbehovet"),
                            QStringList(Maltidsnamnen.begin(), Maltidsnamnen.end()));
    rutnat->addWidget(StringGrid1, 1, 0);
    rutnat->addWidget(new QLabel(QStringLiteral("Ideal energifördelning i %"), this), 0, 1);
    StringGrid2 = SkapaGrid(QStringLiteral("Ideal energi%"), QStringList(Idealrader.begin(), Idealrader.end()));
    rutnat->addWidget(StringGrid2, 1, 1);
    rutnat->setAlignment(StringGrid1, Qt::AlignTop);

    Button2 = new QPushButton(QStringLiteral("Ändra"), this);
    connect(Button2, &QPushButton::clicked, this, &TFormInst::Button2Click);
    rutnat->addWidget(Button2, 2, 0);
    Button1 = new QPushButton(QStringLiteral("Verkställ"), this);
    connect(Button1, &QPushButton::clicked, this, &TFormInst::Button1Click);
    Button1->hide();
    rutnat->addWidget(Button1, 2, 1);

    rutnat->addWidget(new QLabel(QStringLiteral("Vill du att det ska gå att ändra priser?"), this), 3, 0, 1, 2);
    ButtonJa = new QPushButton(QStringLiteral("JA"), this);
    connect(ButtonJa, &QPushButton::clicked, this, &TFormInst::ButtonJaClick);
    rutnat->addWidget(ButtonJa, 4, 0);
    ButtonNej = new QPushButton(QStringLiteral("NEJ"), this);
    connect(ButtonNej, &QPushButton::clicked, this, &TFormInst::ButtonNejClick);
    rutnat->addWidget(ButtonNej, 4, 1);
    LabelPrisPassword = new QLabel(QStringLiteral("Priser kan ändras."), this);
    rutnat->addWidget(LabelPrisPassword, 5, 0, 1, 2);
}

// An unreadable settings file leaves the defaults, silently.
void TFormInst::FormCreate() {
    VisaCelltexter(Installningstexter(TInstallningar{}));
    if (const auto texter = LasParafil(omgivning_.Fil(Parafil))) {
        VisaCelltexter(*texter);
        TillampaInstallningar(*texter, installningar_);
        omgivning_.RaknaOm();
    }
    installningar_.PriserLasta = false;
    if (LasPrislas(omgivning_.Fil(Prisfil))) SattPrislas(true);
}

TInstallningstexter TFormInst::Celltexter() const {
    TInstallningstexter texter;
    for (int r = 0; r < AntalAndelar; ++r) texter[r] = StringGrid1->item(r, 1)->text();
    for (int r = 0; r < AntalIdealvarden; ++r) texter[AntalAndelar + r] = StringGrid2->item(r, 1)->text();
    return texter;
}

void TFormInst::VisaCelltexter(const TInstallningstexter& texter) {
    for (int r = 0; r < AntalAndelar; ++r) StringGrid1->item(r, 1)->setText(texter[r]);
    for (int r = 0; r < AntalIdealvarden; ++r) StringGrid2->item(r, 1)->setText(texter[AntalAndelar + r]);
}

void TFormInst::Button2Click() {
    if (!FragaLosenord(omgivning_.Dialogerna, Standardlosenord)) return;
    StringGrid1->setEnabled(true);
    StringGrid2->setEnabled(true);
    Button1->show();
}

// Applied first, so a failed write loses nothing of this run.
void TFormInst::Button1Click() {
    const TInstallningstexter texter = Celltexter();
    TillampaInstallningar(texter, installningar_);
    omgivning_.RaknaOm();
    if (!SkrivParafil(omgivning_.Fil(Parafil), texter))
        omgivning_.Dialogerna.Meddelande(
            QStringLiteral("Kan ej spara inställningarna i filen %1. De gäller bara tills programmet avslutas.")
                .arg(Parafil));
}

void TFormInst::ButtonJaClick() {
    if (!FragaLosenord(omgivning_.Dialogerna, losenord_)) return;
    SattPrislas(false);
    if (QFile::exists(omgivning_.Fil(Prisfil))) SparaPrislas(false);
}

void TFormInst::ButtonNejClick() {
    if (!FragaLosenord(omgivning_.Dialogerna, Standardlosenord)) return;
    SattPrislas(true);
    SparaPrislas(true);
}

void TFormInst::SattPrislas(bool lasta) {
    installningar_.PriserLasta = lasta;
    LabelPrisPassword->setText(lasta ? QStringLiteral("Priser kan ej ändras") : QStringLiteral("Priser kan ändras"));
}

void TFormInst::SparaPrislas(bool lasta) {
    if (SkrivPrislas(omgivning_.Fil(Prisfil), lasta)) return;
    omgivning_.Dialogerna.Meddelande(
        QStringLiteral("Kan ej spara prislåset i filen %1. Det gäller bara tills programmet avslutas.").arg(Prisfil));
}

}  // namespace matvarda
