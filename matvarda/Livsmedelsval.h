#pragma once

// Filling the food list: by picture group, by extended group and by name.
// Every fill scans the in-memory food list; the table is not touched.

#include "core/Livsmedel.h"

#include <QStringList>

namespace matvarda {

// The visible food list and its hidden companion, line for line:
// Kod;Livsmedel!Portionsstorlek@Enhet.
struct TLivsmedelslistor {
    QStringList Namn;
    QStringList Nycklar;
};

// `filtrera`: leave out foods outside the raw-material groups (codes that
// begin after "9").
TLivsmedelslistor VisaBildgrupp(const TLivsmedelskatalog& katalog, const QString& grupp, bool filtrera);
TLivsmedelslistor VisaUtokadGrupp(const TLivsmedelskatalog& katalog, const QString& grupp);
// Names that begin with the word first, then names that contain it.
TLivsmedelslistor SokPaNamn(const TLivsmedelskatalog& katalog, const QString& ord, bool filtrera);

// The code of a companion line: the text before its first ";".
QString KodAvNyckel(const QString& nyckel);

}  // namespace matvarda
