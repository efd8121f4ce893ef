#include "platform/QtDiagram.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace matvarda {

QColor Qtfarg(TFarg farg) { return QColor(farg.Rod, farg.Gron, farg.Bla); }

namespace {

// Qt Charts keeps only distinct category names; a zero-width space makes an
// empty or repeated label distinct without changing what is drawn.
const QChar Osynlig(0x200B);
// Labels are drawn as rich text, which would fold runs of spaces.
const QChar Fastmellanslag(0x00A0);

QString Unik(QString etikett, const QStringList& tagna) {
    while (etikett.isEmpty() || tagna.contains(etikett)) etikett += Osynlig;
    return etikett;
}

}  // namespace

QtDiagram::QtDiagram(Diagramslag slag, int antalSerier, QWidget* foralder)
    : QChartView(new QChart, foralder), slag_(slag), serier_(slag == Diagramslag::Cirkel ? 1 : antalSerier) {
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    chart()->setBackgroundRoundness(0);
    chart()->setDropShadowEnabled(false);
    chart()->setMargins(QMargins(2, 2, 2, 2));
    chart()->setBackgroundBrush(Qt::white);
    chart()->legend()->hide();
    if (slag == Diagramslag::Staplar)
        SkapaStaplar();
    else
        SkapaCirkel();
    // The drawing over the chart follows the plot area wherever it moves.
    connect(chart(), &QChart::plotAreaChanged, viewport(), qOverload<>(&QWidget::update));
}

QtDiagram::~QtDiagram() = default;

void QtDiagram::SkapaStaplar() {
    staplar_ = new QHorizontalStackedBarSeries;
    staplar_->setBarWidth(0.7);
    staplar_->setLabelsVisible(false);
    chart()->addSeries(staplar_);
    kategoriaxel_ = new QBarCategoryAxis;
    kategoriaxel_->setGridLineVisible(false);
    kategoriaxel_->setTruncateLabels(false);
    chart()->addAxis(kategoriaxel_, Qt::AlignLeft);
    staplar_->attachAxis(kategoriaxel_);
    vardeaxel_ = new QValueAxis;
    vardeaxel_->setLabelFormat(QStringLiteral("%g"));
    chart()->addAxis(vardeaxel_, Qt::AlignBottom);
    staplar_->attachAxis(vardeaxel_);
    chart()->setPlotAreaBackgroundBrush(Qt::white);
    chart()->setPlotAreaBackgroundVisible(true);
}

void QtDiagram::SkapaCirkel() {
    cirkel_ = new QPieSeries;
    cirkel_->setPieSize(0.6);
    chart()->addSeries(cirkel_);
}

void QtDiagram::SattRubrik(const QString& rubrik) {
    if (chart()->title() != rubrik) chart()->setTitle(rubrik);
}

QString QtDiagram::Rubrik() const { return chart()->title(); }

void QtDiagram::SattForklaring(bool synlig) { chart()->legend()->setVisible(synlig); }

void QtDiagram::SattVardeaxel(double min, double max) {
    if (!vardeaxel_) return;
    fastVardeaxel_ = true;
    vardeaxel_->setLabelFormat(QStringLiteral("%d"));
    vardeaxel_->setRange(min, max);
}

std::pair<double, double> QtDiagram::Vardeaxel() const {
    if (!vardeaxel_) return {0, 0};
    return {vardeaxel_->min(), vardeaxel_->max()};
}

void QtDiagram::SkalaVardeaxeln() {
    std::vector<double> staplar(AntalKategorier(), 0.0);
    for (const TSerie& serie : serier_)
        for (int k = 0; k < serie.size(); ++k) staplar[k] += std::max(serie[k].Varde, 0.0);
    const double langst = staplar.empty() ? 0.0 : *std::max_element(staplar.begin(), staplar.end());
    if (vardeaxel_->min() == 0 && vardeaxel_->max() >= langst && vardeaxel_->max() < 2 * langst) return;
    vardeaxel_->setRange(0, langst > 0 ? langst : 1);
    vardeaxel_->applyNiceNumbers();
}

void QtDiagram::SattProcentformat(const QString& efterProcent) {
    procentformat_ = efterProcent;
    Andrat();
}

void QtDiagram::Rensa(int nummer) {
    if (serier_.at(nummer).isEmpty()) return;
    serier_.at(nummer).clear();
    Andrat();
}

void QtDiagram::RensaAlla() {
    for (int s = 0; s < AntalSerier(); ++s) Rensa(s);
}

void QtDiagram::LaggTill(int nummer, double varde, const QString& etikett, TFarg farg) {
    serier_.at(nummer).append({varde, etikett, farg});
    Andrat();
}

int QtDiagram::AntalKategorier() const {
    qsizetype antal = 0;
    for (const TSerie& serie : serier_) antal = std::max(antal, serie.size());
    return static_cast<int>(antal);
}

int QtDiagram::AntalSidor() const {
    if (punkterPerSida_ == 0) return 1;
    return std::max(1, (AntalKategorier() + punkterPerSida_ - 1) / punkterPerSida_);
}

void QtDiagram::SattPunkterPerSida(int antal) {
    antal = std::max(antal, 0);
    if (antal == punkterPerSida_) return;
    punkterPerSida_ = antal;
    sida_ = std::min(sida_, AntalSidor() - 1);
    Andrat();
}

void QtDiagram::NastaSida() {
    if (sida_ + 1 >= AntalSidor()) return;
    ++sida_;
    Andrat();
}

void QtDiagram::ForegaendeSida() {
    if (sida_ == 0) return;
    --sida_;
    Andrat();
}

void QtDiagram::Andrat() {
    if (andrat_) return;
    andrat_ = true;
    QMetaObject::invokeMethod(this, &QtDiagram::Uppdatera, Qt::QueuedConnection);
}

void QtDiagram::Uppdatera() {
    // A hidden chart is brought up to date when it is shown.
    if (!andrat_ || isHidden()) return;
    Synka();
}

void QtDiagram::showEvent(QShowEvent* handelse) {
    QChartView::showEvent(handelse);
    Uppdatera();
}

void QtDiagram::Synka() {
    andrat_ = false;
    if (staplar_)
        UppdateraStaplar();
    else
        UppdateraCirkel();
}

QStringList QtDiagram::Sidkategorier(int forsta, int antal) const {
    QStringList kategorier;
    for (int k = forsta; k < forsta + antal; ++k) {
        QString etikett;
        for (const TSerie& serie : serier_) {
            if (k >= serie.size()) continue;
            etikett = serie[k].Etikett;
            etikett.replace(' ', Fastmellanslag);
            break;
        }
        kategorier.append(Unik(etikett, kategorier));
    }
    return kategorier;
}

// One bar set per colour of each series, zero where the series has a point
// of another colour, in the order the series stack.
std::vector<QtDiagram::TStapelset> QtDiagram::OnskadeStapelset(int forsta, int antal) const {
    std::vector<TStapelset> onskade;
    for (int s = 0; s < AntalSerier(); ++s) {
        const TSerie& serie = serier_[s];
        const qsizetype forstaOnskade = static_cast<qsizetype>(onskade.size());
        for (int k = 0; k < serie.size(); ++k) {
            const TPunkt& punkt = serie[k];
            auto set = std::find_if(onskade.begin() + forstaOnskade, onskade.end(),
                                    [&](const TStapelset& t) { return t.Farg == punkt.Farg; });
            if (set == onskade.end()) {
                onskade.push_back({s, punkt.Farg, QList<qreal>(antal, 0.0)});
                set = onskade.end() - 1;
            }
            // Qt draws the first category at the bottom, so the page goes in
            // last first and its first point ends up at the top.
            if (k >= forsta && k < forsta + antal) set->Varden[antal - 1 - (k - forsta)] = punkt.Varde;
        }
    }
    return onskade;
}

void QtDiagram::UppdateraStaplar() {
    sida_ = std::min(sida_, AntalSidor() - 1);
    const int forsta = sida_ * punkterPerSida_;
    // The last of several pages is padded with empty categories to keep the
    // scale of the others.
    const int antal = AntalSidor() > 1 ? punkterPerSida_ : AntalKategorier();
    std::vector<TStapelset> onskade = OnskadeStapelset(forsta, antal);
    if (SammaStapelset(onskade, antal))
        ErsattStapelvarden(onskade);
    else
        BytStapelset(std::move(onskade));
    QStringList kategorier = Sidkategorier(forsta, antal);
    std::reverse(kategorier.begin(), kategorier.end());
    if (kategoriaxel_->categories() != kategorier) kategoriaxel_->setCategories(kategorier);
    if (!fastVardeaxel_) SkalaVardeaxeln();
}

bool QtDiagram::SammaStapelset(const std::vector<TStapelset>& onskade, int antal) const {
    return std::equal(stapelset_.begin(), stapelset_.end(), onskade.begin(), onskade.end(),
                      [antal](const TStapelset& nu, const TStapelset& onskad) {
                          return nu.Serie == onskad.Serie && nu.Farg == onskad.Farg && nu.Set->count() == antal;
                      });
}

// The usual refresh: same sets, same categories, new values where changed.
void QtDiagram::ErsattStapelvarden(const std::vector<TStapelset>& onskade) {
    for (std::size_t i = 0; i < onskade.size(); ++i) {
        QBarSet* set = stapelset_[i].Set;
        const QList<qreal>& varden = onskade[i].Varden;
        for (int k = 0; k < varden.size(); ++k)
            if (set->at(k) != varden[k]) set->replace(k, varden[k]);
    }
}

// Qt lays the whole series out again on every added or removed set, so a
// change of sets or of categories swaps them all at once.
void QtDiagram::BytStapelset(std::vector<TStapelset> onskade) {
    staplar_->clear();
    QList<QBarSet*> sets;
    for (TStapelset& s : onskade) {
        s.Set = new QBarSet(QString::number(s.Serie + 1));
        if (!s.Farg.Automatisk) {
            s.Set->setColor(Qtfarg(s.Farg));
            s.Set->setBorderColor(Qtfarg(s.Farg));
        }
        s.Set->append(s.Varden);
        sets.append(s.Set);
    }
    staplar_->append(sets);
    stapelset_ = std::move(onskade);
}

void QtDiagram::UppdateraCirkel() {
    const TSerie& punkter = serier_.front();
    while (cirkel_->count() > punkter.size()) cirkel_->remove(cirkel_->slices().constLast());
    while (cirkel_->count() < punkter.size()) {
        auto* skiva = new QPieSlice;
        skiva->setLabelVisible(true);
        cirkel_->append(skiva);
    }
    double summa = 0;
    for (const TPunkt& punkt : punkter) summa += punkt.Varde;
    const QList<QPieSlice*> skivor = cirkel_->slices();
    for (int i = 0; i < punkter.size(); ++i) {
        const TPunkt& punkt = punkter[i];
        const double procent = summa > 0 ? 100 * punkt.Varde / summa : 0;
        skivor[i]->setValue(punkt.Varde);
        skivor[i]->setLabel(punkt.Etikett + ' ' + QString::number(std::lround(procent)) + procentformat_);
        if (!punkt.Farg.Automatisk) skivor[i]->setColor(Qtfarg(punkt.Farg));
    }
}

QStringList QtDiagram::VisadeKategorier() const {
    QStringList kategorier = kategoriaxel_ ? kategoriaxel_->categories() : QStringList();
    for (QString& k : kategorier) k.remove(Osynlig).replace(Fastmellanslag, ' ');
    std::reverse(kategorier.begin(), kategorier.end());
    return kategorier;
}

QList<double> QtDiagram::VisadeVarden(int nummer) const {
    QList<double> varden;
    for (const TStapelset& s : stapelset_) {
        if (s.Serie != nummer) continue;
        varden.resize(s.Set->count(), 0.0);
        for (int k = 0; k < s.Set->count(); ++k) varden[k] += s.Set->at(k);
    }
    std::reverse(varden.begin(), varden.end());
    return varden;
}

QStringList QtDiagram::Skivetiketter() const {
    QStringList etiketter;
    if (!cirkel_) return etiketter;
    for (const QPieSlice* skiva : cirkel_->slices()) etiketter.append(skiva->label());
    return etiketter;
}

void QtDiagram::drawForeground(QPainter* malare, const QRectF& yta) {
    QChartView::drawForeground(malare, yta);
    if (!EfterRitning) return;
    malare->save();
    EfterRitning(*malare, chart()->mapRectToScene(chart()->plotArea()));
    malare->restore();
}

void QtDiagram::resizeEvent(QResizeEvent* handelse) {
    QChartView::resizeEvent(handelse);
    emit StorlekAndrad(size());
}

void QtDiagram::Rita(QPainter& malare, const QRectF& mal) {
    if (andrat_) Synka();
    // A chart never shown has not laid itself out at its size yet.
    if (!isVisible()) {
        chart()->resize(size());
        setSceneRect(chart()->geometry());
    }
    render(&malare, mal, rect(), Qt::IgnoreAspectRatio);
}

}  // namespace matvarda
