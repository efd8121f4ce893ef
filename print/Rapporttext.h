#pragma once

// The report as a plain text file: the composed lines as they stand, for
// reading and for other programs.

#include "print/Rapport.h"

#include <QStringList>

namespace matvarda {

// A bar line as text: the short name, amount and unit, then the percent and
// the recommendation under "%av rek." and "Rek." of the scale line.
QString LasbarStapelrad(const QString& rad);

// Each section's title on its own line before its lines, a form feed line
// between sections; every line but the bar lines exactly as composed.
QStringList Rapporttext(const TRapport& rapport);

}  // namespace matvarda
