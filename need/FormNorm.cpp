#include "need/FormNorm.h"

#include "core/Losenord.h"
#include "need/Norm.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace matvarda {
namespace {

constexpr int NrKolumn = 0;
constexpr int NormKolumn = 1;
constexpr int KjKolumn = 14;
constexpr int KcalKolumn = 15;
constexpr int VattenKolumn = 16;
constexpr int ProtKolumn = 18;
constexpr int FettKolumn = 19;
constexpr int KolhKolumn = 20;
constexpr int SistaNormKolumn = 64;

// The shown columns in their order; Aska, the food-only fields and the
// alternative units stay hidden.
QVector<int> Kolumnordning() {
    QVector<int> ordning{NrKolumn, NormKolumn, KjKolumn, KcalKolumn, ProtKolumn, FettKolumn, KolhKolumn};
    for (int k = KolhKolumn + 1; k <= SistaNormKolumn; ++k) ordning << k;
    ordning << VattenKolumn;
    return ordning;
}

// Numbers are typed as Swedish users type them ("12,5"); an emptied cell is
// an empty field, which counts as a need of 0.
class TNormdelegat : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* foralder, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* falt = new QLineEdit(foralder);
        if (index.column() == NormKolumn) falt->setMaxLength(100);
        return falt;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& index) const override {
        const QString text = static_cast<QLineEdit*>(editor)->text();
        modell->setData(index, Varde(text, index.column()), Qt::EditRole);
    }

private:
    static QVariant Varde(const QString& text, int kolumn) {
        if (kolumn == NormKolumn) return text;
        if (text.trimmed().isEmpty()) return QVariant();
        if (kolumn == NrKolumn) return qRound(TextTillTal(text));
        return static_cast<double>(TextTillTal(text));
    }
};

QString Normfel(const Fel& fel, const QString& fil) {
    return QStringLiteral("Kan ej läsa normtabellen %1.\n%2\nDagsbehovet är 100 för alla näringsämnen.")
        .arg(fil, fel.Meddelande());
}

}  // namespace

TFormNorm::TFormNorm(TBehov& behov, QString& rubrik, const QString& losenord, TOmgivning omgivning,
                     QWidget* foralder)
    : QWidget(foralder, Qt::Window),
      behov_(behov),
      rubrik_(rubrik),
      losenord_(losenord),
      omgivning_(std::move(omgivning)),
      normer_(omgivning_.Arbetsmapp, QStringLiteral("normer")) {
    setWindowTitle(QStringLiteral("Dagsbehovet av energi och näringsämnen"));
    SkapaKontroller();
    FormCreate();
}

TFormNorm::~TFormNorm() {
    // The model holds the table's connection, which closes with the table.
    DBISAMDBGridNorm->setModel(nullptr);
    delete DBISAMTableNorm;
}

void TFormNorm::SkapaKontroller() {
    resize(900, 520);
    auto* lodrat = new QVBoxLayout(this);
    LabelBla = new QLabel(QStringLiteral("Klicka på den grupp du tillhör.\n"
                                         "Aktiv innebär sport eller anna fysisk aktivitet 4-5 gånger per vecka "
                                         "omfattande minst 30 minuter."),
                          this);
    LabelBla->setStyleSheet(QStringLiteral("color: blue"));
    lodrat->addWidget(LabelBla);

    DBISAMDBGridNorm = new QTableView(this);
    DBISAMDBGridNorm->setAccessibleName(QStringLiteral("Normtabell"));
    DBISAMDBGridNorm->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBISAMDBGridNorm->setSelectionMode(QAbstractItemView::SingleSelection);
    DBISAMDBGridNorm->setItemDelegate(new TNormdelegat(DBISAMDBGridNorm));
    DBISAMDBGridNorm->installEventFilter(this);
    connect(DBISAMDBGridNorm, &QTableView::clicked, this, &TFormNorm::DBISAMDBGridNormCellClick);
    lodrat->addWidget(DBISAMDBGridNorm, 1);

    Button1 = new QPushButton(QStringLiteral("Klicka här för att ändra i normtabellen."), this);
    connect(Button1, &QPushButton::clicked, this, &TFormNorm::Button1Click);
    lodrat->addWidget(Button1, 0, Qt::AlignLeft);

    LabelRod = new QLabel(QStringLiteral("Ändringar sparas när man lämnar raden, så när du gjort ändringar eller "
                                         "tillägg ska\n"
                                         "du klicka på en annan rad, t.ex. raden ovan den där du ändrat."),
                          this);
    LabelRod->setStyleSheet(QStringLiteral("color: red"));
    LabelRod->hide();
    lodrat->addWidget(LabelRod);
}

// The default need: a table that cannot be read leaves the need at 100 and
// the program running.
void TFormNorm::FormCreate() {
    try {
        normer_.Oppna();
        KopplaGrid();
        SattStandardbehov(normer_, behov_);
    } catch (const Fel& fel) {
        omgivning_.Dialogerna.Meddelande(Normfel(fel, normer_.Filsokvag()));
        return;
    }
    VisaNorm();
}

// The main window's caption names the need in use.
void TFormNorm::VisaNorm() { rubrik_ = behov_.Normtext; }

void TFormNorm::KopplaGrid() {
    DBISAMTableNorm = new QSqlTableModel(nullptr, normer_.Databas());
    DBISAMTableNorm->setTable(normer_.Namn());
    DBISAMTableNorm->setEditStrategy(QSqlTableModel::OnRowChange);
    DBISAMTableNorm->setSort(NrKolumn, Qt::AscendingOrder);
    if (!DBISAMTableNorm->select()) throw Fel(DBISAMTableNorm->lastError().text());
    while (DBISAMTableNorm->canFetchMore()) DBISAMTableNorm->fetchMore();
    DBISAMDBGridNorm->setModel(DBISAMTableNorm);
    connect(DBISAMDBGridNorm->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TFormNorm::LamnaRad);
    OrdnaKolumner();
}

void TFormNorm::OrdnaKolumner() {
    const QVector<int> ordning = Kolumnordning();
    QHeaderView* rubriker = DBISAMDBGridNorm->horizontalHeader();
    for (int k = 0; k < DBISAMTableNorm->columnCount(); ++k) DBISAMDBGridNorm->setColumnHidden(k, !ordning.contains(k));
    for (int plats = 0; plats < ordning.size(); ++plats) rubriker->moveSection(rubriker->visualIndex(ordning[plats]), plats);
    const std::pair<int, const char*> namn[]{{KjKolumn, "kJ"},     {KcalKolumn, "kcal"}, {ProtKolumn, "Prot g"},
                                             {FettKolumn, "Fett g"}, {KolhKolumn, "Kolh g"}};
    for (const auto& [kolumn, text] : namn)
        DBISAMTableNorm->setHeaderData(kolumn, Qt::Horizontal, QString::fromUtf8(text));
    DBISAMDBGridNorm->setColumnWidth(NrKolumn, 40);
    DBISAMDBGridNorm->setColumnWidth(NormKolumn, 280);
}

void TFormNorm::DBISAMDBGridNormCellClick(const QModelIndex& index) {
    if (!DBISAMTableNorm || !index.isValid()) return;
    DBISAMDBGridNorm->setCurrentIndex(index);
    ValjNorm(LasNormrad(DBISAMTableNorm->record(index.row())), behov_);
    VisaNorm();
    omgivning_.RaknaOm();
}

void TFormNorm::Button1Click() {
    if (!FragaLosenord(omgivning_.Dialogerna, losenord_)) return;
    DBISAMDBGridNorm->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed);
    LabelRod->show();
    Button1->hide();
}

// A changed row is stored when the user leaves it.
void TFormNorm::LamnaRad(const QModelIndex& nu, const QModelIndex& forra) {
    if (forra.isValid() && nu.row() != forra.row()) SparaRaden();
}

bool TFormNorm::SparaRaden() {
    if (!DBISAMTableNorm->isDirty() || DBISAMTableNorm->submitAll()) return true;
    omgivning_.Dialogerna.Meddelande(QStringLiteral("Kan ej spara raden i normtabellen: %1\n"
                                                  "Rätta raden (varje rad behöver ett eget Nr) och lämna den igen.")
                                       .arg(DBISAMTableNorm->lastError().text()));
    return false;
}

// As in a table grid: Insert, or arrow down from the last row, adds a row.
bool TFormNorm::eventFilter(QObject* objekt, QEvent* handelse) {
    if (objekt != DBISAMDBGridNorm || handelse->type() != QEvent::KeyPress || !DBISAMTableNorm) return false;
    if (DBISAMDBGridNorm->editTriggers() == QAbstractItemView::NoEditTriggers) return false;
    const auto* tangent = static_cast<QKeyEvent*>(handelse);
    const bool sistaRaden = DBISAMDBGridNorm->currentIndex().row() == DBISAMTableNorm->rowCount() - 1;
    if (tangent->key() != Qt::Key_Insert && !(tangent->key() == Qt::Key_Down && sistaRaden)) return false;
    LaggTillRad();
    return true;
}

// The new row gets the next free number, so that it can be stored at once.
void TFormNorm::LaggTillRad() {
    if (!SparaRaden()) return;
    int storstaNr = 0;
    for (int r = 0; r < DBISAMTableNorm->rowCount(); ++r)
        storstaNr = std::max(storstaNr, DBISAMTableNorm->index(r, NrKolumn).data().toInt());
    const int rad = DBISAMTableNorm->rowCount();
    if (!DBISAMTableNorm->insertRow(rad)) return;
    DBISAMTableNorm->setData(DBISAMTableNorm->index(rad, NrKolumn), storstaNr + 1);
    DBISAMDBGridNorm->setCurrentIndex(DBISAMTableNorm->index(rad, NormKolumn));
}

}  // namespace matvarda
