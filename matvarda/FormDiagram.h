#pragma once

// The chart area of the main window: the bar chart of the chosen nutrients
// with its page buttons, or the actual and the ideal energy pies side by side.

#include "core/Tillstand.h"
#include "platform/QtDiagram.h"

#include <QWidget>

class QPushButton;
class QToolButton;

namespace matvarda {

class TDiagramyta : public QWidget {
    Q_OBJECT
public:
    TDiagramyta(const TTillstand& tillstand, QWidget* foralder);

    // The refresh: the page size when the selection changed, the title and
    // the charts.
    void Uppdatera();
    void SattRubrik();
    void RitaStapel();
    void SattSidstorlek();
    // "Staplar" and "Energicirklar".
    void VisaStaplar();
    void VisaCirklar();

    QtDiagram* ChartStapel = nullptr;
    QtDiagram* ChartEnergi = nullptr;
    QtDiagram* ChartEnergiRek = nullptr;
    QToolButton* ButtonForegaende = nullptr;
    QToolButton* ButtonNasta = nullptr;
    // Placed by the main window in its row of buttons above the charts.
    QPushButton* ButtonStaplar = nullptr;
    QPushButton* ButtonEnergicirklar = nullptr;

protected:
    void resizeEvent(QResizeEvent* handelse) override;

private:
    QtDiagram* SkapaCirkel(const QString& rubrik);
    void SkapaKnappar();
    void PlaceraIdealcirkeln();
    void RitaHundraprocent(QPainter& malare, const QRectF& rityta);
    void SattSidknappar(bool synliga);

    const TTillstand& t_;
    bool sidknapparna_ = false;
    int sidindeladeStaplar_ = -1;  // the number of bars the pages were made for
};

}  // namespace matvarda
