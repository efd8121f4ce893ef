#pragma once

// The password lock: the configured password from losenord.txt, the prompt
// that guards every change of shared data, and the price lock file.

#include "platform/Dialoger.h"

#include <QString>

namespace matvarda {

inline const QString LosenordTitel = QStringLiteral("Ange TAKPANN lösenord");
inline const QString LosenordLedtext = QStringLiteral("LÖSENORD");
inline const QString FelLosenord = QStringLiteral("Fel lösenord!");

// Only "a".."z" become capitals; "å", "ä", "ö" and the rest stay as typed.
QString Versaler(const QString& text);

// The first line of losenord.txt in capitals; TAKPANN when the file is
// missing, unreadable or its first line is shorter than two characters.
QString LasLosenord(const QString& fil);

// Asks for the password and compares it with `accepterat`. Cancel gives
// false silently; a wrong entry shows "Fel lösenord!".
bool FragaLosenord(Dialoger& dialoger, const QString& accepterat);

// prisPassword.txt: prices are locked only when the first line is exactly
// "password=ja".
bool LasPrislas(const QString& fil);
bool SkrivPrislas(const QString& fil, bool lasta);

}  // namespace matvarda
