#pragma once

// What the numbers window shows: for each chosen nutrient the amount in the
// selected food row, in the current meal and in the current day.

#include "core/Tillstand.h"

#include <QList>
#include <array>

namespace matvarda {

constexpr int SiffrorRader = 100;
constexpr int SiffrorKolumner = 4;

struct TSiffror {
    // Columns 1..3 of the heading row; column 0 is left as it is.
    std::array<QString, 3> Rubrik;
    // Rows 1.. of the grid, one per chosen nutrient.
    QList<std::array<QString, SiffrorKolumner>> Rader;
};

// Of the current meal and day, with the food in the selected grid row
// (AktuellRad) named as the grid shows it.
TSiffror Siffror(const TTillstand& t);

}  // namespace matvarda
