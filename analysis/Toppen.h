#pragma once

// The top list: the foods of the food table richest in one nutrient, per 100
// gram or per portion, the richest first.

#include "core/Naringsamnen.h"
#include "platform/Tabell.h"

#include <QStringList>
#include <QVector>

namespace matvarda {

// Nutrient numbers 15 to 65 without water and ash: 49 entries.
QVector<int> Toppnaringsamnen();

// Every food with more than a trace of the nutrient, read from fodtab100 and
// ordered largest amount first. Per portion leaves out foods without a
// portion size. Table errors throw Fel.
QStringList Topplistan(Tabell& fodtab100, const TNaringskatalog& katalog, int nummer, bool per100gram);

}  // namespace matvarda
