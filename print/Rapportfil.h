#pragma once

// A report written to a file of any of its types, by one choice of writer
// for the print choice window and `matvarda rapport` alike.

#include "platform/Dialoger.h"
#include "print/Rapport.h"
#include "print/Rapportfiltyp.h"
#include "print/Rapportlayout.h"

namespace matvarda {

// Written beside the file and renamed over it; false, the old file whole,
// when it cannot be written.
bool SkrivRapportfil(Rapportfiltyp typ, const TRapport& rapport, const TLayoutval& val, const QString& fil);

// The save dialog offers "Matvarda utskrift" with the type's extension in
// `mapp`; a file that cannot be written is reported. False when cancelled
// or not written.
bool SparaRapport(Rapportfiltyp typ, const TRapport& rapport, const TLayoutval& val, Dialoger& dialoger,
                  const QString& mapp);

// The pages as the preview shows them, as PDF, with the same dialog
// offering the layout's name.
bool SparaRapportPdf(const TRapportlayout& layout, Dialoger& dialoger, const QString& mapp);

}  // namespace matvarda
