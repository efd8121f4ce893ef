#include "print/FormForhandsvisning.h"

#include "print/Rapportfil.h"
#include "print/Rapportritning.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>
#include <QtMath>

namespace matvarda {
namespace {

// The zoom list: two fits, then percentages; 100 % is where it starts.
constexpr int Sidbreddsval = 0;
constexpr int HelsidesVal = 1;
const QList<int> Procentval{50, 75, 100, 150, 200};
constexpr int StartVal = 4;
constexpr int Marginal = 12;  // grey around the page

}  // namespace

TSidvy::TSidvy(QWidget* foralder) : QWidget(foralder) {
    setAccessibleName(QStringLiteral("Sida"));
    setFocusPolicy(Qt::StrongFocus);
}

void TSidvy::Visa(const TRapportsida* sida, double skala, QList<QRectF> traffar, int aktuell) {
    sida_ = sida;
    skala_ = skala;
    traffar_ = std::move(traffar);
    aktuell_ = aktuell;
    setFixedSize(qCeil(Sidbredd * skala) + 2 * Marginal, qCeil(Sidhojd * skala) + 2 * Marginal);
    update();
}

void TSidvy::paintEvent(QPaintEvent*) {
    QPainter malare(this);
    malare.fillRect(rect(), QColor(128, 128, 128));
    if (!sida_) return;
    malare.translate(Marginal, Marginal);
    malare.fillRect(QRectF(0, 0, Sidbredd * skala_, Sidhojd * skala_), Qt::white);
    for (int i = 0; i < traffar_.size(); ++i) {
        const QRectF& r = traffar_[i];
        malare.fillRect(QRectF(r.x() * skala_, r.y() * skala_, r.width() * skala_, r.height() * skala_),
                        i == aktuell_ ? QColor(255, 165, 0) : QColor(255, 255, 128));
    }
    RitaSida(malare, *sida_, skala_);
}

TFormForhandsvisning::TFormForhandsvisning(Dialoger& dialoger, QString mapp, QWidget* foralder)
    : QWidget(foralder, Qt::Window), dialoger_(dialoger), mapp_(std::move(mapp)) {
    setWindowTitle(QStringLiteral("Förhandsgranskning"));
    Skrivare.setDocName(QStringLiteral("Report"));
    Skrivare.setFullPage(true);
    Skrivare.setPageSize(QPageSize(QPageSize::A4));
    SkapaKontroller();
}

QWidget* TFormForhandsvisning::SkapaVerktygsrad() {
    auto* rad = new QWidget(this);
    auto* vagrat = new QHBoxLayout(rad);
    vagrat->setContentsMargins(0, 0, 0, 0);
    const auto knapp = [&](const QString& text, void (TFormForhandsvisning::*handling)()) {
        auto* k = new QPushButton(text, rad);
        connect(k, &QPushButton::clicked, this, handling);
        vagrat->addWidget(k);
        return k;
    };
    ButtonForsta = knapp(QStringLiteral("Första"), &TFormForhandsvisning::ForstaSida);
    ButtonForegaende = knapp(QStringLiteral("Föregående"), &TFormForhandsvisning::ForegaendeSida);
    LabelSida = new QLabel(rad);
    vagrat->addWidget(LabelSida);
    ButtonNasta = knapp(QStringLiteral("Nästa"), &TFormForhandsvisning::NastaSida);
    ButtonSista = knapp(QStringLiteral("Sista"), &TFormForhandsvisning::SistaSida);

    ComboBoxZoom = new QComboBox(rad);
    ComboBoxZoom->setAccessibleName(QStringLiteral("Zoom"));
    ComboBoxZoom->addItems({QStringLiteral("Sidbredd"), QStringLiteral("Hela sidan")});
    for (int procent : Procentval) ComboBoxZoom->addItem(QStringLiteral("%1 %").arg(procent));
    ComboBoxZoom->setCurrentIndex(StartVal);
    connect(ComboBoxZoom, &QComboBox::currentIndexChanged, this, &TFormForhandsvisning::ZoomValt);
    vagrat->addWidget(ComboBoxZoom);

    EditSok = new QLineEdit(rad);
    EditSok->setAccessibleName(QStringLiteral("Sök"));
    EditSok->setPlaceholderText(QStringLiteral("Sök"));
    connect(EditSok, &QLineEdit::textChanged, this, &TFormForhandsvisning::SokTextAndrad);
    connect(EditSok, &QLineEdit::returnPressed, this, &TFormForhandsvisning::SokNasta);
    vagrat->addWidget(EditSok);
    ButtonSokForegaende = knapp(QStringLiteral("Sök bakåt"), &TFormForhandsvisning::SokForegaende);
    ButtonSokNasta = knapp(QStringLiteral("Sök nästa"), &TFormForhandsvisning::SokNasta);
    LabelSok = new QLabel(rad);
    LabelSok->setMinimumWidth(LabelSok->fontMetrics().horizontalAdvance(QStringLiteral("Träff 9999 av 9999")));
    vagrat->addWidget(LabelSok);
    vagrat->addStretch();
    ButtonSkrivUt = knapp(QStringLiteral("Skriv ut..."), &TFormForhandsvisning::SkrivUt);
    ButtonSparaPdf = knapp(QStringLiteral("Spara som PDF..."), &TFormForhandsvisning::SparaSomPdf);
    ButtonStang = new QPushButton(QStringLiteral("Stäng"), rad);
    connect(ButtonStang, &QPushButton::clicked, this, &QWidget::hide);
    vagrat->addWidget(ButtonStang);
    return rad;
}

void TFormForhandsvisning::SkapaKontroller() {
    auto* lodrat = new QVBoxLayout(this);
    lodrat->addWidget(SkapaVerktygsrad());

    auto* delare = new QSplitter(this);
    ListBoxInnehall = new QListWidget(delare);
    ListBoxInnehall->setAccessibleName(QStringLiteral("Innehåll"));
    connect(ListBoxInnehall, &QListWidget::itemClicked, this, [this](QListWidgetItem* post) {
        const int i = ListBoxInnehall->row(post);
        if (i >= 0 && i < layout_.Innehall.size()) GaTillSida(layout_.Innehall[i].Sida);
    });
    Sidyta = new QScrollArea(delare);
    Sidyta->setAccessibleName(QStringLiteral("Sidor"));
    Sidyta->setAlignment(Qt::AlignHCenter);
    Sidvy = new TSidvy(Sidyta);
    Sidyta->setWidget(Sidvy);
    delare->addWidget(ListBoxInnehall);
    delare->addWidget(Sidyta);
    delare->setStretchFactor(1, 1);
    delare->setSizes({200, 800});
    lodrat->addWidget(delare, 1);

    const auto genvag = [this](QKeySequence tangent, void (TFormForhandsvisning::*handling)()) {
        connect(new QShortcut(tangent, this), &QShortcut::activated, this, handling);
    };
    genvag(QKeySequence(Qt::Key_PageDown), &TFormForhandsvisning::NastaSida);
    genvag(QKeySequence(Qt::Key_PageUp), &TFormForhandsvisning::ForegaendeSida);
    genvag(QKeySequence(Qt::CTRL | Qt::Key_Home), &TFormForhandsvisning::ForstaSida);
    genvag(QKeySequence(Qt::CTRL | Qt::Key_End), &TFormForhandsvisning::SistaSida);
    genvag(QKeySequence::FindNext, &TFormForhandsvisning::SokNasta);
    genvag(QKeySequence::FindPrevious, &TFormForhandsvisning::SokForegaende);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, EditSok,
            qOverload<>(&QWidget::setFocus));
}

void TFormForhandsvisning::VisaRapport(const TRapportlayout& layout) {
    Sidvy->Visa(nullptr, 1, {}, -1);  // the old pages go now
    layout_ = layout;
    sida_ = 0;
    ListBoxInnehall->clear();
    for (const TInnehallspost& post : layout_.Innehall) ListBoxInnehall->addItem(post.Rubrik);
    ComboBoxZoom->setCurrentIndex(StartVal);
    SokTextAndrad();
    showMaximized();
    raise();
    activateWindow();
    VisaSidan();
}

void TFormForhandsvisning::GaTillSida(int sida) {
    if (layout_.Sidor.isEmpty()) return;
    sida_ = std::clamp(sida, 0, AntalSidor() - 1);
    VisaSidan();
}

// Device pixels per report pixel: the zoom on the screen's own pixels, or
// what fits the page's width or the whole page into the view.
double TFormForhandsvisning::Skala() const {
    const int val = ComboBoxZoom->currentIndex();
    const QSize yta = Sidyta->viewport()->size() - QSize(2 * Marginal, 2 * Marginal);
    if (val == Sidbreddsval) return std::max(yta.width(), 50) / Sidbredd;
    if (val == HelsidesVal) return std::max(std::min(yta.width() / Sidbredd, yta.height() / Sidhojd), 0.05);
    return Procentval.value(val - 2, 100) / 100.0 * logicalDpiX() / Rapportpunkter;
}

void TFormForhandsvisning::VisaSidan() {
    const bool tom = layout_.Sidor.isEmpty();
    LabelSida->setText(tom ? QString() : QStringLiteral("Sida %1 av %2").arg(sida_ + 1).arg(AntalSidor()));
    ButtonForsta->setEnabled(sida_ > 0);
    ButtonForegaende->setEnabled(sida_ > 0);
    ButtonNasta->setEnabled(sida_ + 1 < AntalSidor());
    ButtonSista->setEnabled(sida_ + 1 < AntalSidor());
    if (tom) {
        Sidvy->Visa(nullptr, Skala(), {}, -1);
        return;
    }
    QList<QRectF> traffar;
    int aktuell = -1;
    for (int i = 0; i < traffar_.size(); ++i) {
        if (traffar_[i].Sida != sida_) continue;
        if (i == traff_) aktuell = static_cast<int>(traffar.size());
        traffar << traffar_[i].Ruta;
    }
    const TRapportsida& sida = layout_.Sidor.at(sida_);
    Sidvy->Visa(&sida, Skala(), traffar, aktuell);
    ListBoxInnehall->setCurrentRow(sida.Avsnitt);
}

void TFormForhandsvisning::ZoomValt(int) { VisaSidan(); }

void TFormForhandsvisning::resizeEvent(QResizeEvent* handelse) {
    QWidget::resizeEvent(handelse);
    if (ComboBoxZoom->currentIndex() <= HelsidesVal) VisaSidan();
}

void TFormForhandsvisning::SokTextAndrad() {
    traffar_ = SokIRapport(layout_, EditSok->text());
    traff_ = -1;
    LabelSok->setText(EditSok->text().isEmpty() || !traffar_.isEmpty() ? QString()
                                                                        : QStringLiteral("Hittades inte"));
    if (!layout_.Sidor.isEmpty()) VisaSidan();
}

// The next match after the current one (or from the page shown), round the
// report's end; the page follows it and the view scrolls to it.
void TFormForhandsvisning::Sok(int riktning) {
    if (traffar_.isEmpty()) return;
    const int antal = static_cast<int>(traffar_.size());
    if (traff_ < 0) {
        traff_ = 0;
        while (traff_ < antal && traffar_[traff_].Sida < sida_) ++traff_;
        if (riktning < 0) --traff_;
        traff_ = (traff_ + antal) % antal;
    } else {
        traff_ = (traff_ + riktning + antal) % antal;
    }
    LabelSok->setText(QStringLiteral("Träff %1 av %2").arg(traff_ + 1).arg(antal));
    GaTillSida(traffar_[traff_].Sida);
    const QRectF& r = traffar_[traff_].Ruta;
    const double skala = Sidvy->Skala();
    Sidyta->ensureVisible(qRound(Marginal + r.center().x() * skala), qRound(Marginal + r.center().y() * skala), 50, 50);
}

// All pages or the range the user gave, on the printer chosen.
void TFormForhandsvisning::SkrivUt() {
    if (layout_.Sidor.isEmpty()) return;
    Skrivare.setPrintRange(QPrinter::AllPages);
    if (!dialoger_.Skrivardialog(Skrivare)) return;
    int fran = 0;
    int till = AntalSidor() - 1;
    if (Skrivare.printRange() == QPrinter::PageRange && Skrivare.fromPage() > 0) {
        fran = std::min(Skrivare.fromPage(), AntalSidor()) - 1;
        till = std::clamp(Skrivare.toPage(), fran + 1, AntalSidor()) - 1;
    }
    if (!RitaSidor(Skrivare, layout_, fran, till)) dialoger_.Meddelande(QStringLiteral("Kan ej starta utskriften."));
}

void TFormForhandsvisning::SparaSomPdf() {
    if (!layout_.Sidor.isEmpty()) SparaRapportPdf(layout_, dialoger_, mapp_);
}

}  // namespace matvarda
