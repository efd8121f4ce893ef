#pragma once

// The numbers window: the chosen nutrients of the selected food row, the
// current meal and the current day, as numbers.

#include "core/Tillstand.h"

#include <QWidget>

class QTableWidget;

namespace matvarda {

class TFormsiffror : public QWidget {
    Q_OBJECT
public:
    TFormsiffror(const TTillstand& tillstand, QWidget* foralder);

    // Run by the recalculation while the window is shown.
    void FyllSiffror();

    QTableWidget* StringGridSiffror = nullptr;

private:
    void SattCell(int rad, int kolumn, const QString& text);

    const TTillstand& t_;
};

}  // namespace matvarda
