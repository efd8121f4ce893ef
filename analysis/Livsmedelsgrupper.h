#pragma once

// Grams eaten on the current day in each of the food agency's nine
// raw-food groups, and in a tenth group for everything else.

#include "core/Berakning.h"
#include "platform/Diagramdata.h"

#include <array>

namespace matvarda {

constexpr int AntalLivsmedelsgrupper = 10;

using TGruppgram = std::array<float, AntalLivsmedelsgrupper>;

// Group 1..9 by the code's first character "1".."9", else 10 ("Okänt").
int Livsmedelsgrupp(const QString& kod);
QString Gruppnamn(int grupp);

// Entry g - 1 holds group g.
TGruppgram Gruppgram(const TDagbok& dagbok);

// Group 1 first, "Okänt" last: "Grönsaker 200 g".
TSerie Gruppstaplar(const TGruppgram& gram);

// The caption of the main window's button that shows the food groups; the
// star says that food searches leave out foods outside the groups.
QString Gruppknapptext(bool endastRavarugrupper);

}  // namespace matvarda
