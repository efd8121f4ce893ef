#pragma once

// The report as an RTF document for Word and LibreOffice Writer: a section
// per report section, each on a new page under its title, the heading and
// the date; lines in Courier New, bar lines as a shaded table cell between
// their labels, pies as PNG pictures. Plain ASCII: every other letter is
// an escape.

#include "print/Rapport.h"
#include "print/Rapportlayout.h"

#include <QByteArray>
#include <functional>

namespace matvarda {

// A pie as PNG; empty when it cannot be drawn.
using TCirkelbild = std::function<QByteArray(const TCirkeldiagram&)>;

// Pies only when `val.Cirkeldiagram`.
QByteArray RapportRtf(const TRapport& rapport, const TLayoutval& val, const TCirkelbild& cirkelbild);

}  // namespace matvarda
