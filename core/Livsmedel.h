#pragma once

#include "core/Berakning.h"
#include "platform/Tabell.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace matvarda {

// One food of the in-memory list that the food picker searches.
struct TLivsmedelspost {
    QString Kod;
    QString Livsmedel;
    QString Grupp1;
    QString Grupp2;
    QString Enhet;
    QString Portionsstorlek;
};

struct TLivsmedelskatalog {
    // Grows with the table; nothing limits it to 4001 foods.
    std::vector<TLivsmedelspost> Livsmedelslista;
    int AntalLivsmedel = 0;
    QStringList Grupplista;  // sorted, always with "Bröd"
};

// The two food tables, open for the whole run.
struct TLivsmedelstabeller {
    Tabell Fodtab100{QStringLiteral("."), QStringLiteral("fodtab100")};
    Tabell Fodtab2005{QStringLiteral("."), QStringLiteral("fodtab2005")};
};

// Opens both tables from the folder and builds the food list and the group
// list; a table that cannot be opened, or whose layout the program cannot
// read (KravLivsmedelslayout), throws Fel.
void OppnaLivsmedelstabeller(const QString& tabellmapp, TLivsmedelstabeller& tabeller,
                             TLivsmedelskatalog& katalog);

// Puts fodtab100's cursor on the food with the code; false when missing.
bool HamtaLivsmedel(Tabell& fodtab100, const QString& kod);

// Fills the row from the food at the table's cursor, with one unit as the
// amount.
void FyllPlats(TMaltidsrad& rad, const QString& kod, const Tabell& tabell);

}  // namespace matvarda
