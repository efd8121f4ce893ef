#pragma once

// Turns a release of the agency's database into the food tables fodtab100
// and fodtab2005, either fresh or as an update of tables already in use.

#include "admin/Livsmedelsregler.h"
#include "admin/Livsmedelsutgava.h"

#include <QVariantList>

namespace matvarda {

constexpr int AntalReservrader = 100;
inline const QString Reservnamn = QStringLiteral("RESERV");

// A row of a food table in field order (Livsmedelsfalt).
using TTabellrad = QVariantList;

// The group character and the agency's number with at least four digits,
// so that a food keeps its code from release to release: "50160".
QString Livsmedelskod(QChar kodtecken, int nummer);
// Reserve rows are "Z0001", "Z0002", ...: after every food code.
QString Reservkod(int lopnummer);

TTabellrad Livsmedelsrad(const TKallivsmedel& livsmedel, const THarledning& harledning,
                         const QString& version, const QString& kod);

struct TImportresultat {
    int Livsmedel = 0;    // the release's foods, now in fodtab100
    int Nya = 0;          // foods the tables did not have before
    int Flyttade = 0;     // foods that left the release, now in fodtab2005
    int Reservrader = 0;  // unused reserve rows in fodtab100
    QStringList Varningar;
};

// Creates fodtab100 with the release's foods and the reserve rows, and an
// empty fodtab2005, in the folder (existing tables are replaced).
TImportresultat ByggLivsmedelstabeller(const TUtgava& utgava, const TLivsmedelsregler& regler, const QString& mapp);

// Brings the tables in the folder up to the release: known foods keep their
// code and everything the user or the project set (units, prices, picture
// group), and take name, grouping and nutrients from the release; new foods
// are added; foods that left the release move to fodtab2005 so that old
// calculations still find them; the user's own rows stay and the reserve is
// filled up again. The old tables are kept as <table>.db.bak.
TImportresultat UppdateraLivsmedelstabeller(const TUtgava& utgava, const TLivsmedelsregler& regler, const QString& mapp);

}  // namespace matvarda
