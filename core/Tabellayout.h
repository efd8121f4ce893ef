#pragma once

// The fields of the food tables and of the norm table: named fields at
// positions 0..13, the 51 nutrients at 14..64, then the alternative units.
// The norm table has the same layout with "Nr" and "Norm" first.

#include "platform/Tabell.h"

namespace matvarda {

QVector<Faltdefinition> Livsmedelsfalt();
QVector<Faltdefinition> Normfalt();

}  // namespace matvarda
