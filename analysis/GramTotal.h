#pragma once

// The nutrient sources: which foods of the current day, or of all days, the
// energy or a nutrient comes from, or how many grams of each were eaten.

#include "core/Tillstand.h"
#include "platform/Diagramdata.h"

#include <QVector>

namespace matvarda {

// The choice "Vikt" (grams eaten) instead of a nutrient number.
constexpr int ViktVal = 0;

inline const QString KallorStartrubrik = QStringLiteral("Varifrån kommer näringen.");

// "Vikt", then the chosen nutrients in number order.
QVector<int> Kallval(const TUrval& urval);
QString Kallvalstext(const TNaringskatalog& katalog, int val);

// The window's caption for the choice.
QString Kallrubrik(const TNaringskatalog& katalog, int val);

// One bar per food name above 0.1, the largest first, equal amounts in
// descending name order. A food eaten in several rows counts once, summed;
// meals of 0.1 kJ or less are left out.
TSerie Naringskallor(const TTillstand& t, int val, bool allaDagar);

}  // namespace matvarda
