#pragma once

// File names chosen in the open and save dialogs: the program decides the
// extension, and asks before it replaces a file under the name it will write.

#include "platform/Dialoger.h"

#include <QString>
#include <optional>

namespace matvarda {

// Replaces the extension of the name's last part ("vecka.txt" gives
// "vecka.dbok"); a name without one gets it added.
QString BytTillagg(const QString& namn, const QString& tillagg);

// Shows the save dialog and gives the chosen name with the extension. When
// that file exists the user is asked to replace it; No shows the dialog
// again. nullopt when the dialog is cancelled. `forvaltNamn` is the name
// the dialog offers.
std::optional<QString> ValjSparfil(Dialoger& dialoger, const QString& titel, const QString& mapp,
                                   const QString& filter, const QString& tillagg,
                                   const QString& forvaltNamn = QString());

}  // namespace matvarda
