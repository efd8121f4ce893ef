#include "matvarda/Form1.h"

#include "calc/Diagram.h"
#include "calc/RaknaOm.h"
#include "core/Losenord.h"
#include "core/Naringsamnen.h"
#include "files/Recept.h"
#include "files/Sparadberakning.h"
#include "matvarda/FormBild.h"
#include "matvarda/FormDiagram.h"
#include "matvarda/FormTypfilter.h"
#include "matvarda/Maltidsrader.h"
#include "matvarda/Start.h"
#include "platform/QtDiagram.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace matvarda {
namespace {

const QString Ravarugruppstext = QStringLiteral("Livsmedelsgrupper, utökat");


// Enter in an open cell editor commits the text and reports the key; other
// ways of leaving the editor only keep the text in the cell.
class TEnterDelegat : public QStyledItemDelegate {
public:
    explicit TEnterDelegat(TMaltidsgrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* handelse) override {
        if (handelse->type() == QEvent::KeyPress) {
            const int tangent = static_cast<QKeyEvent*>(handelse)->key();
            if (tangent == Qt::Key_Return || tangent == Qt::Key_Enter) {
                auto* editor = static_cast<QWidget*>(objekt);
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                const QModelIndex index = grid_->currentIndex();
                QMetaObject::invokeMethod(grid_, [g = grid_, index] {
                    emit g->EnterTryckt(index.row(), index.column(), index.data().toString());
                }, Qt::QueuedConnection);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(objekt, handelse);
    }

private:
    TMaltidsgrid* grid_;
};

QPushButton* Knapp(const QString& text, QWidget* foralder) { return new QPushButton(text, foralder); }

// The right-hand column keeps its width when the window grows.
constexpr int HogerBredd = 260;

// One part of the window: a widget with a vertical layout without margins.
std::pair<QWidget*, QVBoxLayout*> NyDel(QWidget* foralder, int fastBredd = 0) {
    auto* del = new QWidget(foralder);
    if (fastBredd > 0) del->setFixedWidth(fastBredd);
    auto* lodrat = new QVBoxLayout(del);
    lodrat->setContentsMargins(0, 0, 0, 0);
    return {del, lodrat};
}

}  // namespace

const QString TLivsmedelslistbox::Mimetyp = QStringLiteral("application/x-matvarda-livsmedel");

QMimeData* TLivsmedelslistbox::mimeData(const QList<QListWidgetItem*>& rader) const {
    auto* data = new QMimeData;
    if (!rader.isEmpty()) data->setData(Mimetyp, QByteArray::number(row(rader.first())));
    return data;
}

TMaltidsgrid::TMaltidsgrid(QWidget* foralder) : QTableWidget(SistaPlats, AntalKolumner, foralder) {
    setHorizontalHeaderLabels({QStringLiteral("Livsmedel"), QStringLiteral("Antal"), QStringLiteral("Enhet"),
                               QStringLiteral("Gram"), QStringLiteral("kr/kg")});
    const int bredder[] = {222, 38, 47, 56, 50};
    for (int k = 0; k < AntalKolumner; ++k) setColumnWidth(k, bredder[k]);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(18);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setItemDelegate(new TEnterDelegat(this));
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setContextMenuPolicy(Qt::CustomContextMenu);
    for (int r = 0; r < rowCount(); ++r)
        for (int k = 0; k < AntalKolumner; ++k) setItem(r, k, new QTableWidgetItem);
}

void TMaltidsgrid::keyPressEvent(QKeyEvent* handelse) {
    if ((handelse->key() == Qt::Key_Return || handelse->key() == Qt::Key_Enter) && currentItem()) {
        emit EnterTryckt(currentRow(), currentColumn(), currentItem()->text());
        return;
    }
    QTableWidget::keyPressEvent(handelse);
}

void TMaltidsgrid::dragEnterEvent(QDragEnterEvent* handelse) {
    if (handelse->mimeData()->hasFormat(TLivsmedelslistbox::Mimetyp)) handelse->acceptProposedAction();
}

void TMaltidsgrid::dragMoveEvent(QDragMoveEvent* handelse) {
    if (handelse->mimeData()->hasFormat(TLivsmedelslistbox::Mimetyp)) handelse->acceptProposedAction();
}

void TMaltidsgrid::dropEvent(QDropEvent* handelse) {
    if (!handelse->mimeData()->hasFormat(TLivsmedelslistbox::Mimetyp)) return;
    const int rad = rowAt(handelse->position().toPoint().y());
    handelse->setDropAction(Qt::CopyAction);
    handelse->accept();
    if (rad < 0) return;
    emit LivsmedelSlappt(handelse->mimeData()->data(TLivsmedelslistbox::Mimetyp).toInt(), rad + 1);
}

TForm1::TForm1(TTillstand& tillstand, TLivsmedelstabeller& tabeller, TOmgivning omgivning)
    : t_(tillstand),
      tabeller_(tabeller),
      omgivning_(std::move(omgivning)),
      normer_(omgivning_.Arbetsmapp, QStringLiteral("normer")) {
    setWindowTitle(QString());
    SkapaKontroller();
    SkapaSokgenvag();

    t_.Start = TStartlage{};
    LasInitdir(omgivning_.Arbetsmapp, t_.Start);
    OppnaLivsmedelstabeller(t_.Start.Tabellmapp, tabeller_, t_.Livsmedel);
    typfilterindex_ = ByggTypfilterindex(t_.Livsmedel);
    ComboBoxSLVgrupp->addItems(t_.Livsmedel.Grupplista);
    ComboBoxSLVgrupp->setCurrentIndex(-1);
    t_.Dagbok.Maltidsnamn = Maltidsnamnen[0];
    t_.Behov.Dagsbehov.fill(100.0f);
    LasNaringsnamn(omgivning_.Fil(QStringLiteral("nvnamn.txt")), t_.Katalog);
    NyBerakning1Click();
    t_.Dagbok.Visning = 0;
    t_.Behov.Normtyp = QStringLiteral("standardnorm");
    t_.Start.ForstaTillagg = true;
    t_.Losenord = LasLosenord(omgivning_.Fil(QStringLiteral("losenord.txt")));
}

TForm1::~TForm1() = default;

void TForm1::SkapaKontroller() {
    auto* central = new QWidget(this);
    auto* rutnat = new QGridLayout(central);
    rutnat->addWidget(SkapaMaltidsdel(), 0, 0);
    rutnat->addWidget(SkapaLivsmedelsdel(), 0, 1);
    rutnat->addWidget(SkapaDiagramdel(), 1, 0);
    rutnat->addWidget(SkapaBilddel(), 1, 1);
    rutnat->setColumnStretch(0, 1);
    rutnat->setRowStretch(1, 1);
    setCentralWidget(central);

    resize(837, 600);
    if (const QScreen* skarm = QApplication::primaryScreen())
        move(skarm->availableGeometry().center() - rect().center());
}

QWidget* TForm1::SkapaMaltidsdel() {
    auto [del, lodrat] = NyDel(this);

    auto* vaxlar = new QHBoxLayout;
    Maltidsknappar = new QButtonGroup(this);
    for (int m = 0; m < AntalMaltider; ++m) {
        auto* knapp = Knapp(Maltidsnamnen[m], del);
        knapp->setCheckable(true);
        Maltidsknappar->addButton(knapp, m);
        vaxlar->addWidget(knapp);
    }
    Maltidsknappar->button(0)->setChecked(true);
    connect(Maltidsknappar, &QButtonGroup::idClicked, this, &TForm1::ValjMaltid);
    ComboBoxDag = new QComboBox(del);
    ComboBoxDag->setAccessibleName(QStringLiteral("Dag"));
    for (int d = 1; d <= AntalDagar; ++d) ComboBoxDag->addItem(QStringLiteral("Dag%1").arg(d));
    connect(ComboBoxDag, &QComboBox::currentIndexChanged, this, [this](int dag) {
        if (!uppdaterar_ && dag >= 0) ValjDag(dag);
    });
    vaxlar->addWidget(ComboBoxDag);
    lodrat->addLayout(vaxlar);

    auto* gridyta = new QWidget(del);
    auto* gridlayout = new QVBoxLayout(gridyta);
    gridlayout->setContentsMargins(0, 0, 0, 0);
    StringGridMaltid = new TMaltidsgrid(gridyta);
    StringGridMaltid->setAccessibleName(QStringLiteral("Måltiden"));
    gridlayout->addWidget(StringGridMaltid);
    connect(StringGridMaltid, &QTableWidget::currentCellChanged, this, [this](int rad, int kolumn) {
        if (rad < 0) return;
        t_.Dagbok.AktuellRad = rad + 1;
        t_.Dagbok.AktuellKolumn = kolumn;
    });
    connect(StringGridMaltid, &QTableWidget::cellClicked, this, [this] {
        ListBoxVikter->hide();
        RaknaOm();
    });
    connect(StringGridMaltid, &TMaltidsgrid::EnterTryckt, this, &TForm1::StringGridMaltidKeyPress);
    connect(StringGridMaltid, &TMaltidsgrid::LivsmedelSlappt, this, [this](int listrad, int slot) {
        ListBoxLivs->setCurrentRow(listrad);
        LaggTillLivsmedel(slot, true);
    });
    connect(StringGridMaltid, &QWidget::customContextMenuRequested, this, &TForm1::StringGridMaltidHogerklick);

    ListBoxVikter = new QListWidget(gridyta);
    ListBoxVikter->setAccessibleName(QStringLiteral("Enheter"));
    ListBoxVikter->setFont(QFont(QStringLiteral("Courier New"), 8));
    ListBoxVikter->setStyleSheet(QStringLiteral("QListWidget { background: #c8e6ff; }"));
    ListBoxVikter->hide();
    connect(ListBoxVikter, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* rad) { ListBoxViktenClick(ListBoxVikter->row(rad)); });

    LabelHogerklick = new QLabel(QStringLiteral("Högerklick på livsmedlet visar olika enheter"), gridyta);
    LabelHogerklick->setStyleSheet(QStringLiteral("color: red; background: white;"));
    LabelHogerklick->hide();
    hogerklickTimer_ = new QTimer(this);
    hogerklickTimer_->setSingleShot(true);
    hogerklickTimer_->setInterval(5000);
    connect(hogerklickTimer_, &QTimer::timeout, LabelHogerklick, &QWidget::hide);
    lodrat->addWidget(gridyta, 1);

    auto* knappar = new QHBoxLayout;
    const std::pair<QString, void (TForm1::*)()> radknappar[] = {{QStringLiteral("Öka"), &TForm1::ButtonOkaClick},
                                                                 {QStringLiteral("Minska"), &TForm1::ButtonMinskaClick},
                                                                 {QStringLiteral("Ta bort rad"), &TForm1::ButtonTaBortClick}};
    for (const auto& [text, hanterare] : radknappar) {
        auto* knapp = Knapp(text, del);
        connect(knapp, &QPushButton::clicked, this, hanterare);
        knappar->addWidget(knapp);
    }
    EditPris = new QLineEdit(QStringLiteral("Pris"), del);
    EditPris->setAccessibleName(QStringLiteral("Pris"));
    EditPris->setReadOnly(true);
    knappar->addWidget(EditPris, 1);
    lodrat->addLayout(knappar);
    return del;
}

QWidget* TForm1::SkapaLivsmedelsdel() {
    auto [del, lodrat] = NyDel(this, HogerBredd);

    ComboBoxSLVgrupp = new QComboBox(del);
    ComboBoxSLVgrupp->setAccessibleName(Ravarugruppstext);
    ComboBoxSLVgrupp->setMaxVisibleItems(18);
    ComboBoxSLVgrupp->setPlaceholderText(QStringLiteral("Livsmedelsgrupper. utökat"));
    connect(ComboBoxSLVgrupp, &QComboBox::activated, this,
            [this](int rad) { VisaUtokadGrupp(ComboBoxSLVgrupp->itemText(rad)); });
    lodrat->addWidget(ComboBoxSLVgrupp);

    auto* sok = new QHBoxLayout;
    auto* knappSok = Knapp(QStringLiteral("Sök på namn"), del);
    knappSok->setToolTip(QStringLiteral("Du kan också söka med Ctrl+S"));
    connect(knappSok, &QPushButton::clicked, this, &TForm1::SokPaNamn);
    auto* knappDrycker = Knapp(QStringLiteral("Drycker"), del);
    connect(knappDrycker, &QPushButton::clicked, this, [this] { VisaBildgrupp(QStringLiteral("Drycker")); });
    auto* knappDiverse = Knapp(QStringLiteral("Diverse"), del);
    connect(knappDiverse, &QPushButton::clicked, this, [this] { VisaBildgrupp(QStringLiteral("Övrigt")); });
    sok->addWidget(knappSok);
    sok->addWidget(knappDrycker);
    sok->addWidget(knappDiverse);
    lodrat->addLayout(sok);

    ListBoxLivs = new TLivsmedelslistbox(del);
    ListBoxLivs->setAccessibleName(QStringLiteral("Livsmedel"));
    ListBoxLivs->setDragEnabled(true);
    ListBoxLivs->setDragDropMode(QAbstractItemView::DragOnly);
    ListBoxLivs->setUniformItemSizes(true);
    connect(ListBoxLivs, &QListWidget::itemDoubleClicked, this, [this] { LaggTillLivsmedel(0, false); });
    EditTypfilter = new TTypfilterfalt(ListBoxLivs, del);
    connect(EditTypfilter, &QLineEdit::textEdited, this, &TForm1::EditTypfilterChange);
    connect(EditTypfilter, &QLineEdit::returnPressed, this, [this] { LaggTillLivsmedel(0, false); });
    connect(EditTypfilter, &TTypfilterfalt::EscapeTryckt, this, &TForm1::EditTypfilterEscape);
    lodrat->addWidget(EditTypfilter);
    lodrat->addWidget(ListBoxLivs, 1);

    ButtonOk = Knapp(QStringLiteral("OK"), del);
    connect(ButtonOk, &QPushButton::clicked, this, [this] { LaggTillLivsmedel(0, false); });
    lodrat->addWidget(ButtonOk);
    return del;
}

QWidget* TForm1::SkapaDiagramdel() {
    auto [del, lodrat] = NyDel(this);
    LayoutDiagramknappar = new QHBoxLayout;
    Visningsknappar = new QButtonGroup(this);
    const QString visningar[] = {QStringLiteral("Måltid"), QStringLiteral("Dag"), QStringLiteral("Dagar")};
    for (int v = 0; v < 3; ++v) {
        auto* knapp = Knapp(visningar[v], del);
        knapp->setCheckable(true);
        knapp->setStyleSheet(QStringLiteral("color: green;"));
        Visningsknappar->addButton(knapp, v);
        LayoutDiagramknappar->addWidget(knapp);
    }
    Visningsknappar->button(0)->setChecked(true);
    connect(Visningsknappar, &QButtonGroup::idClicked, this, &TForm1::ValjVisning);
    LayoutDiagramknappar->addStretch(1);
    lodrat->addLayout(LayoutDiagramknappar);
    PanelDiagram = new QWidget(del);
    PanelDiagram->setMinimumHeight(180);
    auto* diagramlayout = new QVBoxLayout(PanelDiagram);
    diagramlayout->setContentsMargins(0, 0, 0, 0);
    lodrat->addWidget(PanelDiagram, 1);
    SkapaDiagram(del);
    return del;
}

// The charts in the panel, and their buttons in the row above it in the
// order "Staplar", "Energicirklar", "Näringen i siffror", views, "Salt".
void TForm1::SkapaDiagram(QWidget* del) {
    Diagram = new TDiagramyta(t_, PanelDiagram);
    PanelDiagram->layout()->addWidget(Diagram);
    ButtonSiffror = Knapp(QStringLiteral("Näringen i siffror"), del);
    ButtonSalt = Knapp(QStringLiteral("Salt"), del);
    LayoutDiagramknappar->insertWidget(0, Diagram->ButtonStaplar);
    LayoutDiagramknappar->insertWidget(1, Diagram->ButtonEnergicirklar);
    LayoutDiagramknappar->insertWidget(2, ButtonSiffror);
    LayoutDiagramknappar->insertWidget(6, ButtonSalt);
}

QWidget* TForm1::SkapaBilddel() {
    auto [del, lodrat] = NyDel(this, HogerBredd);
    Bild = new TBildgrupper(del);
    connect(Bild, &TBildgrupper::GruppKlickad, this, &TForm1::VisaBildgrupp);
    lodrat->addWidget(Bild, 1);
    auto* text = new QLabel(QStringLiteral("Klicka i bilden för att se olika llivsmedel"), del);
    text->setStyleSheet(QStringLiteral("color: red;"));
    text->setAlignment(Qt::AlignHCenter);
    lodrat->addWidget(text);
    ButtonVarifran = Knapp(QStringLiteral("Varifrån kommer näringen?"), del);
    ButtonGrupper = Knapp(QStringLiteral("Vilka grupper äter du av?"), del);
    lodrat->addWidget(ButtonVarifran);
    lodrat->addWidget(ButtonGrupper);
    return del;
}

// Not in the menu, but its shortcut works anywhere in the window.
void TForm1::SkapaSokgenvag() {
    auto* sok = new QAction(QStringLiteral("Sök livsmedel på namn"), this);
    sok->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    sok->setShortcutContext(Qt::WindowShortcut);
    connect(sok, &QAction::triggered, this, &TForm1::SokPaNamn);
    addAction(sok);
}

void TForm1::RaknaOm() { omgivning_.RaknaOm(); }

void TForm1::VisaRubrik() {
    if (windowTitle() != t_.Rubrik) setWindowTitle(t_.Rubrik);
}

void TForm1::VisaDiagramOchPris() {
    Diagram->Uppdatera();
    EditPris->setText(Prisrad(t_));
}

void TForm1::VisaMaltid() {
    const TMaltid& maltid = t_.Dagbok.AktuellaMaltiden();
    const bool fargat = t_.Dagbok.Visning == 0;
    for (int k = 1; k < AntalPlatser; ++k) {
        const auto celler = Radceller(maltid[k]);
        const QBrush farg(Qtfarg(fargat ? Radtextfarg(k) : Farg::Svart));
        for (int kolumn = 0; kolumn < AntalKolumner; ++kolumn) {
            QTableWidgetItem* cell = StringGridMaltid->item(k - 1, kolumn);
            if (cell->text() != celler[kolumn]) cell->setText(celler[kolumn]);
            if (cell->foreground() != farg) cell->setForeground(farg);
        }
    }
}

void TForm1::UppdateraDaglista() {
    uppdaterar_ = true;
    for (int d = 0; d < AntalDagar; ++d) {
        const QString text = Dagtext(t_.Resultat, d);
        if (ComboBoxDag->itemText(d) != text) ComboBoxDag->setItemText(d, text);
    }
    ComboBoxDag->setCurrentIndex(t_.Dagbok.AktuellDag);
    uppdaterar_ = false;
}

void TForm1::UppdateraMaltidsknappar() {
    Maltidsknappar->button(t_.Dagbok.AktuellMaltid)->setChecked(true);
    for (int m = 0; m < AntalMaltider; ++m) {
        QAbstractButton* knapp = Maltidsknappar->button(m);
        QFont typsnitt = knapp->font();
        const bool fet = !ArTom(t_.Dagbok.Berakning[t_.Dagbok.AktuellDag][m][1]);
        if (typsnitt.bold() == fet) continue;
        typsnitt.setBold(fet);
        knapp->setFont(typsnitt);
    }
}

// Every other fill ends the typing: the field empties, nothing to bring back.
void TForm1::VisaListor(const TLivsmedelslistor& listor) {
    foreTypning_.reset();
    EditTypfilter->clear();
    FyllListor(listor);
}

void TForm1::FyllListor(const TLivsmedelslistor& listor) {
    ListBoxLivs->clear();
    ListBoxLivs->addItems(listor.Namn);
    Livsmedelsnycklar = listor.Nycklar;
}

void TForm1::GeListanFokus() {
    if (!t_.Start.Uppstart) ListBoxLivs->setFocus();
}

void TForm1::VisaBildgrupp(const QString& grupp) {
    ComboBoxSLVgrupp->setCurrentIndex(-1);
    ComboBoxSLVgrupp->setPlaceholderText(Ravarugruppstext);
    ListBoxVikter->hide();
    VisaListor(matvarda::VisaBildgrupp(t_.Livsmedel, grupp, !t_.Start.Uppstart && t_.EndastRavarugrupper));
    GeListanFokus();
}

void TForm1::VisaUtokadGrupp(const QString& grupp) {
    ListBoxVikter->hide();
    VisaListor(matvarda::VisaUtokadGrupp(t_.Livsmedel, grupp));
    GeListanFokus();
}

void TForm1::SokPaNamn() {
    const auto ord = omgivning_.Dialogerna.Inmatning(QStringLiteral("Skriv ett ord att söka på (t.ex. soppa)"),
                                                    QStringLiteral("Sökord+ENTER"), QString());
    if (!ord || ord->isEmpty()) return;
    VisaListor(matvarda::SokPaNamn(t_.Livsmedel, *ord, t_.EndastRavarugrupper));
}

void TForm1::EditTypfilterChange(const QString& text) {
    if (text.isEmpty()) {
        EditTypfilterEscape();
        return;
    }
    if (!foreTypning_) {
        foreTypning_ = TLivsmedelslistor{{}, Livsmedelsnycklar};
        for (int i = 0; i < ListBoxLivs->count(); ++i) foreTypning_->Namn << ListBoxLivs->item(i)->text();
    }
    FyllListor(Typfilter(typfilterindex_, text, t_.EndastRavarugrupper));
    ListBoxLivs->setCurrentRow(0);
}

void TForm1::EditTypfilterEscape() {
    if (foreTypning_) VisaListor(*std::exchange(foreTypning_, std::nullopt));
    EditTypfilter->clear();
}

void TForm1::LaggTillLivsmedel(int rad, bool infoga) {
    // After a group fill the list has a current row but nothing selected:
    // nothing is to be added then.
    const QList<QListWidgetItem*> valda = ListBoxLivs->selectedItems();
    if (valda.isEmpty()) return;
    const int listrad = ListBoxLivs->row(valda.first());
    if (listrad < 0 || listrad >= Livsmedelsnycklar.size()) return;
    if (t_.Start.ForstaTillagg) {
        LabelHogerklick->move(StringGridMaltid->pos() + QPoint(40, 40));
        LabelHogerklick->adjustSize();
        LabelHogerklick->raise();
        LabelHogerklick->show();
        hogerklickTimer_->start();
        t_.Start.ForstaTillagg = false;
    }
    const QString kod = KodAvNyckel(Livsmedelsnycklar[listrad]);
    if (!matvarda::LaggTillLivsmedel(t_, tabeller_.Fodtab100, omgivning_.Dialogerna, kod, rad, infoga)) return;
    StringGridMaltid->setCurrentCell(t_.Dagbok.AktuellRad - 1, KolumnAntal);
    RaknaOm();
}

void TForm1::StringGridMaltidKeyPress(int rad, int kolumn, const QString& text) {
    t_.Dagbok.AktuellRad = rad + 1;
    t_.Dagbok.AktuellKolumn = kolumn;
    if (RedigeraCell(t_, tabeller_.Fodtab100, omgivning_.Dialogerna, kolumn, text)) RaknaOm();
}

void TForm1::StringGridMaltidHogerklick(const QPoint& punkt) {
    ListBoxVikter->clear();
    const int rad = StringGridMaltid->rowAt(punkt.y());
    if (rad < 0) return;
    StringGridMaltid->setCurrentCell(rad, StringGridMaltid->currentColumn() < 0 ? 0 : StringGridMaltid->currentColumn());
    ListBoxVikter->addItems(Enhetslista(t_.Dagbok.AktuellaMaltiden()[rad + 1]));
    const QPoint iGrid = StringGridMaltid->viewport()->mapTo(StringGridMaltid, punkt);
    ListBoxVikter->setFixedSize(170, 16 * (ListBoxVikter->count() + 1));
    ListBoxVikter->move(StringGridMaltid->x() + 20, StringGridMaltid->y() + iGrid.y() + 36);
    ListBoxVikter->raise();
    ListBoxVikter->show();
}

void TForm1::ListBoxViktenClick(int rad) {
    ListBoxVikter->hide();
    const int gridrad = StringGridMaltid->currentRow();
    if (rad <= 0 || gridrad < 0) return;
    ValjEnhet(t_.Dagbok.AktuellaMaltiden()[gridrad + 1], ListBoxVikter->item(rad)->text());
    RaknaOm();
    StringGridMaltid->setCurrentCell(gridrad, KolumnAntal);
    StringGridMaltid->setFocus();
}

void TForm1::ButtonOkaClick() {
    if (t_.Dagbok.AktuellRad < 1) return;
    Oka(t_);
    RaknaOm();
}

void TForm1::ButtonMinskaClick() {
    if (Minska(t_, omgivning_.Dialogerna)) RaknaOm();
}

void TForm1::ButtonTaBortClick() {
    if (t_.Dagbok.AktuellRad < 1) return;
    TaBortRad(t_);
    RaknaOm();
}

void TForm1::ValjMaltid(int maltid) {
    t_.Dagbok.AktuellMaltid = maltid;
    t_.Dagbok.Maltidsnamn = Maltidsnamnen[maltid];
    Maltidsknappar->button(maltid)->setChecked(true);
    RaknaOm();
}

void TForm1::ValjDag(int dag) {
    t_.Dagbok.AktuellDag = dag;
    RaknaOm();
}

void TForm1::ValjVisning(int visning) {
    t_.Dagbok.Visning = visning;
    Visningsknappar->button(visning)->setChecked(true);
    FargaMaltidsknappar();
    RaknaOm();
}

void TForm1::FargaMaltidsknappar() {
    for (int m = 0; m < AntalMaltider; ++m) {
        QAbstractButton* knapp = Maltidsknappar->button(m);
        QPalette palett = knapp->palette();
        // In the day view the meal buttons take the colours of the meals' segments.
        palett.setColor(QPalette::ButtonText, t_.Dagbok.Visning == 1 ? Qtfarg(Stapelfarg(m + 1))
                                                                     : QApplication::palette().color(QPalette::ButtonText));
        knapp->setPalette(palett);
    }
}

void TForm1::KopieraMaltid1Click() {
    matvarda::KopieraMaltid(t_.Dagbok);
    omgivning_.Dialogerna.Meddelande(QStringLiteral("Måltiden är nu lagrad och kan klistras in i en annan måltid."));
}

void TForm1::KlistraInMaltid1Click() {
    matvarda::KlistraInMaltid(t_.Dagbok);
    RaknaOm();
}

bool TForm1::SparaBerkning1Click() {
    const bool sparad = matvarda::SparaBerakning(t_, omgivning_.Dialogerna);
    VisaRubrik();
    return sparad;
}

void TForm1::Hmtaberkning1Click() {
    if (matvarda::HamtaBerakning(t_, tabeller_, normer_, omgivning_.Dialogerna)) RaknaOm();
}

void TForm1::Sparadennamltidsomrecept1Click() { matvarda::SparaRecept(t_, omgivning_.Dialogerna); }

void TForm1::Hmtaettrecept1Click() {
    if (matvarda::HamtaRecept(t_, omgivning_.Dialogerna)) RaknaOm();
}

void TForm1::RaderaClick() { matvarda::RaderaBerakningar(t_.Start.Berakningsmapp, omgivning_.Dialogerna); }

void TForm1::NyBerakning1Click() {
    if (!matvarda::NyBerakning(t_.Dagbok, omgivning_.Dialogerna, [this] { return SparaBerkning1Click(); })) return;
    uppdaterar_ = true;
    Maltidsknappar->button(0)->setChecked(true);
    ComboBoxDag->setCurrentIndex(0);
    uppdaterar_ = false;
    t_.Rubrik = t_.Behov.Normtext;
    // During start-up the windows that show results do not exist yet.
    if (!t_.Start.Uppstart) RaknaOm();
}

bool TForm1::SparaFore(const QString& fraga) {
    if (!t_.Dagbok.Andrad) return true;
    const Svar svar = omgivning_.Dialogerna.FragaJaNejAvbryt(fraga);
    if (svar == Svar::Avbryt) return false;
    // A save that did not happen keeps the window open, so nothing is lost.
    return svar == Svar::Nej || SparaBerkning1Click();
}

void TForm1::closeEvent(QCloseEvent* handelse) {
    if (!SparaFore(QStringLiteral("Vill du spara pågående beräkning?"))) {
        handelse->ignore();
        return;
    }
    tabeller_.Fodtab100.Stang();
    handelse->accept();
}

}  // namespace matvarda
