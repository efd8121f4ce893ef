#pragma once

// The activity catalogue aktiv.txt: 300 rows of name and BMR factor, one
// cell a line, row 0 the column headings.

#include "core/Aktiviteter.h"

#include <QStringList>
#include <vector>

namespace matvarda {

inline const QString Aktivitetskatalogfil = QStringLiteral("aktiv.txt");
constexpr int KortasteAktivitetsnamn = 3;

// Lines 2r + 1 and 2r + 2 are the name and the factor of row r; cells past
// the end of the file are empty, lines past row 299 are ignored. False, with
// the catalogue untouched, when the file cannot be read.
bool LasAktivitetskatalog(const QString& fil, TAktivitetskatalog& katalog);

// All 300 rows, 600 lines; a row whose name is shorter than 3 characters is
// written as two empty lines. Through a temporary file, so a failed save
// leaves the old file whole.
QStringList Aktivitetskatalograder(const TAktivitetskatalog& katalog);
bool SparaAktivitetskatalog(const QString& fil, const TAktivitetskatalog& katalog);

// The activities offered for picking: the rows after the headings whose
// name is longer than 2 characters, in Swedish name order.
std::vector<TAktivitetspost> Valbaraaktiviteter(const TAktivitetskatalog& katalog);

}  // namespace matvarda
