#pragma once

// The chosen nutrients: nvval.txt holds one nutrient number a line.

#include "core/Tillstand.h"

#include <QString>
#include <array>
#include <optional>
#include <span>

namespace matvarda {

struct TNvruta {
    int Nummer;
    const char* Text;
};

// The 50 boxes of the selection window, top to bottom in three columns;
// "Aska" (18) has none.
extern const std::array<std::span<const TNvruta>, 3> Nvkolumner;

bool HarRuta(int nummer);

// Clears the selection and reads nvval.txt. Reading stops at a line that is
// not a whole number; what was read before stays. Returns the fault, if any,
// as a message for the user.
std::optional<QString> LasNvval(const QString& fil, TUrval& urval);

// One line per chosen number, ascending.
bool SkrivNvval(const QString& fil, const TUrval& urval);

}  // namespace matvarda
