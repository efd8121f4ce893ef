#pragma once

// A laid-out report saved as a PDF file where the user chooses.

#include "platform/Dialoger.h"
#include "print/Rapportlayout.h"

namespace matvarda {

// The save dialog offers the report's name (".pdf") in `mapp`; a file that
// cannot be written is reported. False when cancelled or not written.
bool SparaRapportPdf(const TRapportlayout& layout, Dialoger& dialoger, const QString& mapp);

}  // namespace matvarda
