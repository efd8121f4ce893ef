#pragma once

// Filling the food list: by picture group, by extended group and by name.
// Every fill scans the in-memory food list; the table is not touched.

#include "core/Livsmedel.h"

#include <QStringList>
#include <vector>

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

// One food as the type-ahead sees it: the name folded once, the lines ready
// to show.
struct TTyprad {
    QString Sokform;
    QString Namn;
    QString Nyckel;
    bool UtanforRavarugrupperna = false;
};

// The food list prepared for the type-ahead when the list is built, so a
// keystroke only compares and copies: every food but the placeholder rows,
// in list order (name order).
struct TTypfilterindex {
    std::vector<TTyprad> Rader;
};

TTypfilterindex ByggTypfilterindex(const TLivsmedelskatalog& katalog);
// The foods whose names hold every word of the text, in any order; case and
// accents are ignored, but å, ä and ö are letters of their own.
TLivsmedelslistor Typfilter(const TTypfilterindex& index, const QString& text, bool filtrera);

// The code of a companion line: the text before its first ";".
QString KodAvNyckel(const QString& nyckel);

}  // namespace matvarda
