#pragma once

// The report as text: lines of fixed-pitch text, each tagged with the title
// of the section it belongs to, and the energy distribution of each section
// for its pie chart. The layout, the text file and the documents all start
// from it.

#include "core/Tillstand.h"

#include <QList>
#include <QString>
#include <optional>

namespace matvarda {

// What the print choice window asks for.
struct TUtskriftsval {
    int Omfattning = 0;  // 0 the current meal, 1 the current day, 2 all days
    int Detaljniva = 0;  // 0 every food, 1 meal sums, 2 day sums, 3 the period only
    bool Komprimerad = false;
    bool Pris = false;
    bool Stapeldiagram = true;
    bool Fettsammansattning = true;  // the energy distribution line
};

struct TRapportrad {
    QString del1;  // the line
    QString del2;  // the section's title
};

// The energy distribution of one section, for the pie at its end.
struct TCirkelpost {
    QString Rubrik;
    TEnergifordelning Fordelning;
};

struct TRapport {
    // Row 0 holds the field names; the report's lines start at row 1.
    QList<TRapportrad> Rapportbuffert;
    // The title of the first section written; row 0 is shown under it.
    QString ForstaRubrik;
    // One entry per section that ends with totals, in the order written.
    QList<TCirkelpost> Cirkelposter;

    int Nastarad() const { return static_cast<int>(Rapportbuffert.size()); }
};

// Composes the report of the calculation as the last recalculation left its
// totals. `dag` 0..6 and `maltid` 0..3 are the current ones, used by the
// scopes of one meal or one day. No limit on rows: a report is never cut.
TRapport KomponeraRapport(const TTillstand& t, const TUtskriftsval& val, int dag, int maltid);

// A run of rows under one title; row 0 joins the first section.
struct TRapportavsnitt {
    QString Rubrik;
    int ForstaRad = 0;
    int AntalRader = 0;
    // The section's own distribution; none when it has no totals.
    std::optional<TEnergifordelning> Cirkel;
};

// The title as shown: an empty one is the first section's.
QString VisadRubrik(const TRapport& rapport, int rad);

QList<TRapportavsnitt> Rapportavsnitt(const TRapport& rapport);

// A bar line, "!" + label + "?" + percent + "&" + recommendation + "@".
struct TStapelrad {
    QString Etikett;          // short name, amount and unit
    QString Procenttext;      // as written; a single space reads as 0
    QString Rekommendation;
    int Procent = 0;
};

constexpr QChar Stapelmarke = u'!';

inline bool ArStapelrad(const QString& rad) { return rad.startsWith(Stapelmarke); }

TStapelrad LasStapelrad(const QString& rad);

// The percent label beside the bar: "   185%", "-> 186%" past the scale's
// end, "       -" for none.
QString Procentetikett(const TStapelrad& stapel);

// The bar's width in report pixels: 2 per percent, at most 370.
int Stapelbredd(const TStapelrad& stapel);

}  // namespace matvarda
