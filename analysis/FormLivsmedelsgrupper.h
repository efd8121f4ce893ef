#pragma once

// The food-group window: grams eaten on the current day per raw-food group,
// and the box that limits the food search to those groups.

#include "core/Berakning.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;

namespace matvarda {

class QtDiagram;

class TFormLivsmedelsgrupper : public QWidget {
    Q_OBJECT
public:
    // `endastRavarugrupper` is the state the box sets; `raknaOm` runs the
    // recalculation and the refresh after a change of it.
    TFormLivsmedelsgrupper(const TDagbok& dagbok, bool& endastRavarugrupper, std::function<void()> raknaOm,
                           QWidget* foralder);

    // Sums the day's grams per group and redraws the chart; run by every
    // recalculation.
    void BeraknaLivsmedelsgrupper();
    void CheckBoxEndastRavarorClick();

    QLabel* LabelRubrik = nullptr;
    QtDiagram* ChartGrupper = nullptr;
    QLabel* LabelText = nullptr;
    QCheckBox* CheckBoxEndastRavaror = nullptr;

private:
    void SkapaKontroller();

    const TDagbok& dagbok_;
    bool& endastRavarugrupper_;
    std::function<void()> raknaOm_;
};

}  // namespace matvarda
