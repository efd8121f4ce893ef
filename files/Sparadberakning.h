#pragma once

// Saving, opening and deleting calculations: the calculation file with its
// norm and activity companions of the same base name.

#include "core/Livsmedel.h"
#include "core/Tillstand.h"
#include "platform/Dialoger.h"

#include <QString>

namespace matvarda {

// "Spara Beräkning": the save dialog, then the three files. True when the
// calculation file was written; false when the dialog was cancelled or the
// file could not be written, so that a calculation waiting on the save is
// kept.
bool SparaBerakning(TTillstand& t, Dialoger& dialoger);

// Writes the calculation file and its companions under the name's base
// name; each failure has its own message. True when the calculation file
// was written: the caption names it and Andrad is cleared.
bool SkrivBerakning(TTillstand& t, Dialoger& dialoger, const QString& namn, const QString& datum);

// "Hämta beräkning": the open dialog, the reset (asking to save a modified
// calculation), then the reading. True when the diary was reset: the caller
// recalculates and refreshes.
bool HamtaBerakning(TTillstand& t, TLivsmedelstabeller& tabeller, Tabell& normer, Dialoger& dialoger);

// Reads the companions and the calculation file into the reset diary and
// sets the caption; an activity-based need is computed again from the
// saved activities with the norm table. False, after "Kan ej öppna
// beräkningen", when the calculation file cannot be read.
bool LasBerakning(TTillstand& t, TLivsmedelstabeller& tabeller, Tabell& normer, Dialoger& dialoger,
                  const QString& fil);

// "Radera beräkningar": the open dialog again and again until it is
// cancelled; each chosen file goes with its activity companion.
void RaderaBerakningar(const QString& mapp, Dialoger& dialoger);

}  // namespace matvarda
