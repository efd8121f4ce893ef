#pragma once

// The ".akt" activity list: age, weight, sex (0 "Kvinna", 1 "Man"), then
// name, minutes and BMR factor of rows 1 to 39, one value a line. Written
// from the activity window and beside every saved calculation.

#include "core/Aktiviteter.h"

#include <QStringList>

namespace matvarda {

inline const QString Aktivitetstillagg = QStringLiteral(".akt");
inline const QString KanEjSparaAktiviteterna = QStringLiteral("Kan ej spara aktiviteterna.");
inline const QString KanEjOppnaAktivitetslistan = QStringLiteral("Kan ej öppna aktivitetslistan");

// 120 lines; an empty row gives three empty lines.
QStringList Aktivitetsfilrader(const TAktivitetslista& lista);

// Replaces the person and all 39 rows (an empty name is an empty row; rows
// cut short by the end get empty values; lines after row 39 are ignored).
// The computed values are left for BeraknaAktiviteter. False, with the list
// untouched, when there are fewer than three lines or the sex line is not
// the integer 0 or 1.
bool LasAktivitetsfilrader(const QStringList& rader, TAktivitetslista& lista);

// Through a temporary file, so a failed save leaves the old file whole.
bool SparaAktivitetslista(const QString& fil, const TAktivitetslista& lista);
// False, with the list untouched, when the file cannot be read or is not an
// activity list.
bool LasAktivitetslista(const QString& fil, TAktivitetslista& lista);

}  // namespace matvarda
