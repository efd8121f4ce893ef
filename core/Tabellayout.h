#pragma once

// The fields of the food tables and of the norm table: named fields at
// positions 0..13, the 51 nutrients at 14..64, then the alternative units.
// The norm table has the same layout with "Nr" and "Norm" first.

#include "platform/Tabell.h"

namespace matvarda {

QVector<Faltdefinition> Livsmedelsfalt();
QVector<Faltdefinition> Normfalt();

// Refuses an open food table that the program cannot read: a field it reads
// by name missing or standing among the nutrients, fewer than the 51
// nutrient fields, or a primary key not on "Kod". Throws Fel with a
// message that names the field and the table.
void KravLivsmedelslayout(const Tabell& tabell);

}  // namespace matvarda
