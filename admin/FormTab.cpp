#include "admin/FormTab.h"

#include "core/Filval.h"
#include "core/Losenord.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace matvarda {
namespace {

const QString LastMeddelande =
    QStringLiteral("För kunna skriva i tabellen måste du först klicka på knappen Ändra i livsmedelstabellen.");
const QString Textfilter = QStringLiteral("Textfil|*.txt");
const QString Textfilnamn = QStringLiteral("fodtab.txt");

// A cell is typed as text; the model reads numbers when the row is stored,
// so that a refused value stays in the cell as the user typed it.
class TCelldelegat : public QStyledItemDelegate {
public:
    TCelldelegat(const TLivsmedelsmodell& modell, QObject* foralder) : QStyledItemDelegate(foralder), modell_(modell) {}

    QWidget* createEditor(QWidget* foralder, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* falt = new QLineEdit(foralder);
        const TTabellkolumn* kolumn = modell_.Kolumn(index.column());
        if (kolumn && kolumn->Bredd > 0) falt->setMaxLength(kolumn->Bredd);
        return falt;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
    }

    // An unchanged cell leaves the row as it was.
    void setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& index) const override {
        const QString text = static_cast<QLineEdit*>(editor)->text();
        if (text != index.data(Qt::EditRole).toString()) modell->setData(index, text, Qt::EditRole);
    }

private:
    const TLivsmedelsmodell& modell_;
};

QString Tabellfelmeddelande(const QString& fil, const Fel& fel) {
    return QStringLiteral("Kan ej öppna livsmedelstabellen %1.\n%2").arg(fil, fel.Meddelande());
}

}  // namespace

TFormTab::TFormTab(TStartlage& start, const QString& losenord, std::function<void()> fyllLivsmedelslistan,
                   TForhandsvisning forhandsvisning, TOmgivning omgivning, QWidget* foralder)
    : QWidget(foralder, Qt::Window),
      start_(start),
      losenord_(losenord),
      forhandsvisning_(std::move(forhandsvisning)),
      omgivning_(std::move(omgivning)),
      fodtab100_(start.Tabellmapp, QStringLiteral("fodtab100")) {
    setWindowTitle(QStringLiteral("Näring per 100 gram"));
    SkapaKontroller();
    FormCreate();
    fyllLivsmedelslistan();
    start_.Uppstart = false;
}

TFormTab::~TFormTab() {
    // The last edit is stored when the program ends with the window open.
    SparaRaden();
    // The model holds the table's connection, which closes with the table.
    DBISAMDBGrid1->setModel(nullptr);
    delete DBISAMTableLivs;
}

void TFormTab::SkapaKontroller() {
    resize(1000, 600);
    auto* lodrat = new QVBoxLayout(this);
    auto* knappar = new QHBoxLayout;
    SpeedButton1 = new QPushButton(QStringLiteral("Nummerordning"), this);
    SpeedButton2 = new QPushButton(QStringLiteral("Alfabetisk ordning"), this);
    Button1 = new QPushButton(QStringLiteral("Ändra i livsmedelstabellen."), this);
    Button2 = new QPushButton(QStringLiteral("Skriv prislista"), this);
    for (QPushButton* knapp : {SpeedButton1, SpeedButton2}) knapp->setCheckable(true);
    connect(SpeedButton1, &QPushButton::clicked, this, &TFormTab::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TFormTab::SpeedButton2Click);
    connect(Button1, &QPushButton::clicked, this, &TFormTab::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormTab::Button2Click);
    for (QPushButton* knapp : {SpeedButton1, SpeedButton2, Button1, Button2}) knappar->addWidget(knapp);
    knappar->addStretch(1);
    lodrat->addLayout(knappar);

    DBISAMDBGrid1 = new QTableView(this);
    DBISAMDBGrid1->setAccessibleName(QStringLiteral("Livsmedelstabell"));
    DBISAMDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBISAMDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBISAMDBGrid1->verticalHeader()->setDefaultSectionSize(DBISAMDBGrid1->fontMetrics().height() + 6);
    DBISAMDBGrid1->installEventFilter(this);
    lodrat->addWidget(DBISAMDBGrid1, 1);

    LabelText = new QLabel(QStringLiteral("När du ändrat på en rad ska du klicka på raden ovan för att ändringen \n"
                                          "ska sparas. På slutet finns reservplatser för att lägga in nya livsmedel.\n"
                                          "OBS! Ändringarna träder i kraft när nu startat om Matvarda-programmet."),
                           this);
    LabelText->setStyleSheet(QStringLiteral("color: red"));
    LabelText->hide();
    lodrat->addWidget(LabelText);

    // The table tools come with the editing.
    auto* verktyg = new QHBoxLayout;
    ButtonTaBortAsterisk = new QPushButton(QStringLiteral("Ta bort * ur namnen"), this);
    ButtonSkapaTxtfil = new QPushButton(QStringLiteral("Skapa txtfil"), this);
    ButtonLasTextfil = new QPushButton(QStringLiteral("Läs textfil"), this);
    connect(ButtonTaBortAsterisk, &QPushButton::clicked, this, &TFormTab::ButtonTaBortAsteriskClick);
    connect(ButtonSkapaTxtfil, &QPushButton::clicked, this, &TFormTab::ButtonSkapaTxtfilClick);
    connect(ButtonLasTextfil, &QPushButton::clicked, this, &TFormTab::ButtonLasTextfilClick);
    for (QPushButton* knapp : {ButtonTaBortAsterisk, ButtonSkapaTxtfil, ButtonLasTextfil}) {
        knapp->hide();
        verktyg->addWidget(knapp);
    }
    verktyg->addStretch(1);
    lodrat->addLayout(verktyg);
}

// The main window opened the same table a moment ago; should this
// connection fail all the same, the window stays empty and the start goes on.
void TFormTab::FormCreate() {
    try {
        fodtab100_.Oppna();
        KopplaGrid();
    } catch (const Fel& fel) {
        omgivning_.Dialogerna.Meddelande(Tabellfelmeddelande(fodtab100_.Filsokvag(), fel));
    }
}

void TFormTab::KopplaGrid() {
    DBISAMTableLivs = new TLivsmedelsmodell(fodtab100_.Databas(), fodtab100_.Namn());
    if (!DBISAMTableLivs->Ordna(Tabellordning::Nummer)) throw Fel(DBISAMTableLivs->Fel());
    DBISAMDBGrid1->setModel(DBISAMTableLivs);
    DBISAMDBGrid1->setItemDelegate(new TCelldelegat(*DBISAMTableLivs, DBISAMDBGrid1));
    connect(DBISAMDBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TFormTab::LamnaRad);
    OrdnaKolumner();
}

void TFormTab::OrdnaKolumner() {
    const QVector<int> ordning = DBISAMTableLivs->VisadeKolumner();
    QHeaderView* rubriker = DBISAMDBGrid1->horizontalHeader();
    for (int k = 0; k < DBISAMTableLivs->columnCount(); ++k) DBISAMDBGrid1->setColumnHidden(k, !ordning.contains(k));
    for (int plats = 0; plats < ordning.size(); ++plats)
        rubriker->moveSection(rubriker->visualIndex(ordning[plats]), plats);
    rubriker->setDefaultSectionSize(70);
    if (!ordning.isEmpty()) DBISAMDBGrid1->setColumnWidth(ordning.value(1), 280);
}

bool TFormTab::Last() const { return DBISAMDBGrid1->editTriggers() == QAbstractItemView::NoEditTriggers; }

void TFormTab::SpeedButton1Click() { Ordna(Tabellordning::Nummer); }

void TFormTab::SpeedButton2Click() { Ordna(Tabellordning::Alfabetisk); }

// At most one order button is down: the one of the order shown, if any.
void TFormTab::Ordna(Tabellordning ordning) {
    if (DBISAMTableLivs && SparaRaden()) {
        if (DBISAMTableLivs->Ordna(ordning)) {
            nedtryckt_ = ordning;
            Button2->setVisible(ordning == Tabellordning::Nummer);
            DBISAMDBGrid1->setCurrentIndex(DBISAMTableLivs->index(0, DBISAMTableLivs->VisadeKolumner().value(0)));
        } else {
            omgivning_.Dialogerna.Meddelande(Tabellfelmeddelande(fodtab100_.Filsokvag(), Fel(DBISAMTableLivs->Fel())));
        }
    }
    SpeedButton1->setChecked(nedtryckt_ == Tabellordning::Nummer);
    SpeedButton2->setChecked(nedtryckt_ == Tabellordning::Alfabetisk);
}

void TFormTab::Button1Click() {
    if (!FragaLosenord(omgivning_.Dialogerna, losenord_)) return;
    DBISAMDBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    LabelText->show();
    for (QPushButton* knapp : {ButtonTaBortAsterisk, ButtonSkapaTxtfil, ButtonLasTextfil}) knapp->show();
    omgivning_.Dialogerna.Meddelande(QStringLiteral("Obs! Nu är det du som har ansvaret, ändringar går inte att ångra."));
}

// The list is read from the table: the row being edited is stored first.
void TFormTab::Button2Click() {
    if (!DBISAMTableLivs || !SparaRaden()) return;
    try {
        forhandsvisning_(LayoutaPrislista(DBISAMTableLivs->Prislista(), Rapportdatum()));
    } catch (const Fel& fel) {
        omgivning_.Dialogerna.Meddelande(fel.Meddelande());
    }
}

// The key still acts on the read-only grid after the message.
bool TFormTab::eventFilter(QObject* objekt, QEvent* handelse) {
    if (objekt == DBISAMDBGrid1 && handelse->type() == QEvent::KeyPress && Last())
        omgivning_.Dialogerna.Meddelande(LastMeddelande);
    return false;
}

void TFormTab::hideEvent(QHideEvent* handelse) {
    SparaRaden();
    QWidget::hideEvent(handelse);
}

// Only leaving an edited row stores it: coming back to a refused row to
// mend it does not repeat the message.
void TFormTab::LamnaRad(const QModelIndex& nu, const QModelIndex& forra) {
    if (forra.isValid() && nu.row() != forra.row() && DBISAMTableLivs->RadAndrad(forra.row())) SparaRaden();
}

bool TFormTab::SparaRaden() {
    if (!DBISAMTableLivs) return true;
    if (QWidget* falt = DBISAMDBGrid1->indexWidget(DBISAMDBGrid1->currentIndex()))
        emit DBISAMDBGrid1->itemDelegate()->commitData(falt);
    if (DBISAMTableLivs->SparaAndringar()) return true;
    omgivning_.Dialogerna.Meddelande(DBISAMTableLivs->Fel());
    return false;
}

void TFormTab::LasOm() {
    if (DBISAMTableLivs) DBISAMTableLivs->Ordna(DBISAMTableLivs->Ordning());
}

void TFormTab::ButtonTaBortAsteriskClick() {
    if (!SparaRaden()) return;
    try {
        const int antal = TaBortAsterisk(fodtab100_);
        LasOm();
        omgivning_.Dialogerna.Meddelande(AsteriskMeddelande(antal));
    } catch (const Fel& fel) {
        omgivning_.Dialogerna.Meddelande(QStringLiteral("Kan ej ändra livsmedelstabellen.\n%1").arg(fel.Meddelande()));
    }
}

void TFormTab::ButtonSkapaTxtfilClick() {
    if (!SparaRaden()) return;
    const auto fil = ValjSparfil(omgivning_.Dialogerna, QStringLiteral("Spara livsmedelstabellen som text"),
                                 omgivning_.Arbetsmapp, Textfilter, QStringLiteral(".txt"), Textfilnamn);
    if (!fil) return;
    if (const auto meddelande = ExporteraLivsmedelstabell(fodtab100_, *fil))
        omgivning_.Dialogerna.Meddelande(*meddelande);
}

void TFormTab::ButtonLasTextfilClick() {
    if (!SparaRaden()) return;
    const auto fil = omgivning_.Dialogerna.OppnaFil(QStringLiteral("Läs livsmedelstabellen från text"),
                                                    omgivning_.Fil(Textfilnamn), Textfilter);
    if (!fil) return;
    const auto meddelande = ImporteraLivsmedelstabell(fodtab100_, *fil);
    if (!meddelande) return;
    LasOm();
    omgivning_.Dialogerna.Meddelande(*meddelande);
}

}  // namespace matvarda
