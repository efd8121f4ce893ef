#pragma once

// The calculation file (.dbok) and its norm companion (.norm) as lines of
// text; reading and writing the files is the caller's.

#include "core/Tillstand.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace matvarda {

// One row pair of a calculation file, before the food tables are consulted.
// Numbers stay text until they are read with TextTillTal.
struct TFilrad {
    int Dag = 0;
    int Maltid = 0;
    int Plats = 0;
    QString Kod;
    QString Gram;
    // Missing when line B does not give them: the food table's apply.
    std::optional<QString> Portion;
    std::optional<QString> Enhet;
    QString Tillagg;
};

struct TBerakningsfil {
    // The legacy layout: codes and grams of slots 0..29, no header.
    bool Aldre = false;
    QString Datum;  // line 2 of the current layout
    // The rows that name a food (code other than "0"), in file order.
    std::vector<TFilrad> Rader;
};

// The current layout: 12 header lines (line 2 the date), then per meal the
// used slots as code and "grams/portion@unit&tag", ended by "*day/meal".
QStringList Berakningsrader(const TBerakning& berakning, const QString& datum);

// Lines missing at the end read as empty: the meals after them stay empty.
// A meal of more than 29 pairs keeps the first 29 and reads on from its
// terminator.
TBerakningsfil LasBerakningsrader(const QStringList& rader);

// Ten "reserv" lines, Normtyp, Normtext and the 51 values of Dagsbehov.
QStringList Normrader(const TBehov& behov);

// Sets the need from the companion's lines (a missing value is 0) and
// gives the need kind read.
QString LasNormrader(const QStringList& rader, TBehov& behov);

}  // namespace matvarda
