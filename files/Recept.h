#pragma once

// Recipes: one meal's rows saved whole (names, prices and nutrient values
// as they were) as fixed records of 532 bytes, and added to a meal later.

#include "core/Tillstand.h"
#include "platform/Dialoger.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace matvarda {

constexpr int Receptpostlangd = 532;

// One row as a record: little-endian singles, texts as a length byte and
// their field, zero bytes in every part that is not read.
QByteArray Receptpost(const TMaltidsrad& rad);
// Reads a record of Receptpostlangd bytes. A length byte past its field is
// read within the field; a single that is not a finite number reads as 0.
TMaltidsrad LasReceptpost(QByteArrayView post);

// Record 0 is the meal's row 0; the used rows follow, packed.
QByteArray Receptfil(const TMaltid& maltid);
// The rows after record 0; bytes after the last whole record are left.
std::vector<TMaltidsrad> LasReceptfil(QByteArrayView innehall);

// Puts the rows into the meal's empty slots from the first empty one on,
// never over a food. Gives how many rows did not fit.
int LaggTillRecept(TMaltid& maltid, const std::vector<TMaltidsrad>& rader);

// "Spara denna måltid som recept": the current meal.
void SparaRecept(const TTillstand& t, Dialoger& dialoger);
// "Hämta ett recept" into the current meal. True when a recipe was read
// (Andrad is set): the caller recalculates.
bool HamtaRecept(TTillstand& t, Dialoger& dialoger);

}  // namespace matvarda
