#pragma once

// Swedish name order: case ignored, å ä ö after z, accented letters beside
// their base letter. Registered as the collation SVENSKA on every table
// connection; the name index sorts by it.

#include <QString>

struct sqlite3;

namespace matvarda {

int JamforSvenskt(const QString& a, const QString& b);
bool RegistreraSvenskOrdning(sqlite3* databas);

}  // namespace matvarda
