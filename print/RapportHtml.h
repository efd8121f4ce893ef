#pragma once

// The report as one self-contained HTML5 page: a heading and a table of
// lines per section, bars and pies as inline SVG, a page break before each
// section when printed, and room to scroll sideways on a phone.

#include "print/Rapport.h"
#include "print/Rapportlayout.h"

#include <QByteArray>

namespace matvarda {

// UTF-8. Pies only when `val.Cirkeldiagram`.
QByteArray RapportHtml(const TRapport& rapport, const TLayoutval& val);

}  // namespace matvarda
