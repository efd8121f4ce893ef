#pragma once

// The standard norms: one row of the norm table per person group becomes
// the daily need in use.

#include "core/Tillstand.h"
#include "platform/Tabell.h"

#include <QSqlRecord>
#include <QString>

namespace matvarda {

constexpr int NormNamnBredd = 80;
constexpr int StandardNormNr = 12;

struct TNormrad {
    QString Namn;  // cut to 80 characters
    TNaringsvarden Behov{};
};

// The norm at the table's cursor, or in a row of the grid's model.
TNormrad LasNormrad(const Tabell& normer);
TNormrad LasNormrad(const QSqlRecord& rad);

// A whole number rounded half away from zero: 7999.5 gives "8000".
QString Heltalstext(float varde);

// "Norm: <name>  <kJ> kJ/dag (<kcal> kcal/dag)".
QString NormtextMedEnergi(const TNormrad& norm);

// A clicked row becomes the need; the caller sets the caption and
// recalculates.
void ValjNorm(const TNormrad& norm, TBehov& behov);

// The need at start: row 12, else the first row. Normtyp is left alone.
// Throws Fel when the table cannot be opened or has no rows.
void SattStandardbehov(Tabell& normer, TBehov& behov);

}  // namespace matvarda
