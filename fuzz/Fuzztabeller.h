#pragma once

// Small food and norm tables in the fuzz folder, made once per process, for
// the readers that look foods and norm rows up.

#include "core/Livsmedel.h"

namespace matvarda::fuzz {

struct TFuzztabeller {
    TLivsmedelstabeller Livsmedel;
    TLivsmedelskatalog Katalog;
    Tabell Normer{QStringLiteral("."), QStringLiteral("normer")};
};

TFuzztabeller& Fuzztabeller();

}  // namespace matvarda::fuzz
