#pragma once

// The report as an Excel workbook, a worksheet per section: figures as
// cells to compute with, bars as percent cells with a data bar, the pies as
// Excel's own pie charts, and each sheet set up to print on A4 under the
// section's title.

#include "print/Rapport.h"
#include "print/Rapportlayout.h"

#include <QString>

namespace matvarda {

// Written through the one file writer; false, with the old file whole,
// when it cannot be written.
bool SkrivRapportExcel(const TRapport& rapport, const TLayoutval& val, const QString& fil);

}  // namespace matvarda
