#pragma once

// The chart component the program draws with: series of points (value,
// label, colour) kept as plain data and drawn by Qt Charts, as horizontal
// stacked bars or as a pie. The Qt objects are made once and only refilled.

#include "platform/Diagramdata.h"

#include <QChartView>
#include <functional>
#include <vector>

class QBarCategoryAxis;
class QBarSet;
class QHorizontalStackedBarSeries;
class QPieSeries;
class QValueAxis;

namespace matvarda {

QColor Qtfarg(TFarg farg);

enum class Diagramslag { Staplar, Cirkel };

class QtDiagram : public QChartView {
    Q_OBJECT
public:
    // A pie has one series; bars have `antalSerier`, stacked in their order,
    // one category per point with the first at the top.
    QtDiagram(Diagramslag slag, int antalSerier, QWidget* foralder = nullptr);
    ~QtDiagram() override;

    // Settings fixed when the chart is made.
    void SattRubrik(const QString& rubrik);
    QString Rubrik() const;
    void SattForklaring(bool synlig);
    // A value axis that is never set follows the bars: from 0 to the
    // longest stack of all pages, rounded up to a round number.
    void SattVardeaxel(double min, double max);
    std::pair<double, double> Vardeaxel() const;
    // What follows the percent in a slice's mark: "%" or " %".
    void SattProcentformat(const QString& efterProcent);

    int AntalSerier() const { return static_cast<int>(serier_.size()); }
    const TSerie& Serie(int nummer) const { return serier_.at(nummer); }
    void Rensa(int nummer);
    void RensaAlla();
    // The point is appended to the series and shown at the next drawing.
    void LaggTill(int nummer, double varde, const QString& etikett, TFarg farg);

    // Categories shown at a time, 0 for all; the last of several pages keeps
    // the scale of the others.
    int PunkterPerSida() const { return punkterPerSida_; }
    void SattPunkterPerSida(int antal);
    int Sida() const { return sida_; }
    int AntalSidor() const;
    void NastaSida();
    void ForegaendeSida();

    // Called after every drawing with the plot area, to draw over the chart.
    std::function<void(QPainter& malare, const QRectF& rityta)> EfterRitning;

    // Draws the chart, as it is at its present size, into `mal`.
    void Rita(QPainter& malare, const QRectF& mal);
    // Hands the points to Qt now instead of before the next drawing; a
    // hidden chart waits until it is shown.
    void Uppdatera();

    // The category labels and a series' values on the page shown, top down.
    QStringList VisadeKategorier() const;
    QList<double> VisadeVarden(int nummer) const;
    // The marks of the pie's slices, "Prot 15%".
    QStringList Skivetiketter() const;

signals:
    void StorlekAndrad(const QSize& storlek);

protected:
    void drawForeground(QPainter* malare, const QRectF& yta) override;
    void resizeEvent(QResizeEvent* handelse) override;
    void showEvent(QShowEvent* handelse) override;

private:
    // A bar set in the series: the points of one colour of one series.
    struct TStapelset {
        int Serie;
        TFarg Farg;
        QList<qreal> Varden;
        QBarSet* Set = nullptr;
    };

    void SkapaStaplar();
    void SkapaCirkel();
    void Andrat();
    void Synka();
    int AntalKategorier() const;
    void UppdateraStaplar();
    void SkalaVardeaxeln();
    std::vector<TStapelset> OnskadeStapelset(int forsta, int antal) const;
    bool SammaStapelset(const std::vector<TStapelset>& onskade, int antal) const;
    void ErsattStapelvarden(const std::vector<TStapelset>& onskade);
    void BytStapelset(std::vector<TStapelset> onskade);
    QStringList Sidkategorier(int forsta, int antal) const;
    void UppdateraCirkel();

    Diagramslag slag_;
    std::vector<TSerie> serier_;
    int punkterPerSida_ = 0;
    int sida_ = 0;
    bool andrat_ = false;
    QString procentformat_ = QStringLiteral("%");
    bool fastVardeaxel_ = false;

    QHorizontalStackedBarSeries* staplar_ = nullptr;
    QBarCategoryAxis* kategoriaxel_ = nullptr;
    QValueAxis* vardeaxel_ = nullptr;
    std::vector<TStapelset> stapelset_;
    QPieSeries* cirkel_ = nullptr;
};

}  // namespace matvarda
