#pragma once

// What the meal grid does to the diary: adding foods, editing amounts and
// prices, the row buttons, the unit list and the copy of a meal.

#include "core/Tillstand.h"
#include "platform/Dialoger.h"
#include "platform/Tabell.h"

#include <QStringList>

namespace matvarda {

// The first empty slot 1..29 of the meal, or 29 when all are taken.
int ForstaTommaPlats(const TMaltid& maltid);

// Puts the food with the code into the current meal: in the first empty slot
// (rad 0) or at row `rad`, moving the rows from there down when `infoga`.
// A code the table lacks is reported and leaves the meal as it was.
bool LaggTillLivsmedel(TTillstand& t, Tabell& fodtab100, Dialoger& dialoger, const QString& kod, int rad,
                       bool infoga);

// Enter in a cell of the current row. False when nothing is to be
// recalculated (a locked price).
bool RedigeraCell(TTillstand& t, Tabell& fodtab100, Dialoger& dialoger, int kolumn, const QString& text);

// The row buttons act on AktuellRad; before a row is chosen they do nothing.
void Oka(TTillstand& t);
// False when nothing changed (no row, or the user kept the row).
bool Minska(TTillstand& t, Dialoger& dialoger);
void TaBortRad(TTillstand& t);

// The lines of the unit list: the food's name, then "60  g/dl" for each
// alternative unit and the spoons of a decilitre.
QStringList Enhetslista(const TMaltidsrad& rad);
// Takes over the unit of a unit-list line other than the first.
void ValjEnhet(TMaltidsrad& rad, const QString& enhetsrad);

void KopieraMaltid(TDagbok& dagbok);
void KlistraInMaltid(TDagbok& dagbok);

}  // namespace matvarda
