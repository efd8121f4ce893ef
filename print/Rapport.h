#pragma once

// The report as text: lines of fixed-pitch text, each tagged with the title
// of the section it belongs to, and the energy distribution of each section
// for its pie chart. The layout, the text file and the documents all start
// from it.

#include "core/Tillstand.h"

#include <QList>
#include <QString>
#include <algorithm>
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

// A selected nutrient as the report's columns show it.
struct TRapportamne {
    QString Kortnamn;
    QString Enhet;
    int Decimaler = 0;
};

// The figures behind a block of lines, for documents that keep numbers as
// numbers (a spreadsheet computes with them); the lines stay the text.
enum class Postslag { Kolumnrubrik, Livsmedel, Summa, Stapel };

struct TRapportpost {
    Postslag Slag = Postslag::Summa;
    int Rad = 0;         // the block's first line
    int AntalRader = 1;  // its lines, the closing blank line not counted
    QString Namn;        // the food, the sum's or header's label, a bar's short name
    // Food: the portions and their unit as written (none when not written),
    // the grams, and the price and kilogram price when written.
    std::optional<double> Antal;
    int Antalsdecimaler = 2;
    QString Enhet;
    std::optional<double> Gram;
    std::optional<double> Pris;
    std::optional<double> Kgpris;
    // Food and sum: one per entry of Amnen, NaN where the food has no value.
    // Bar: the amount of nutrient `Amne`.
    QList<double> Varden;
    int Amne = -1;
    std::optional<double> Procent;  // of the need; none for a meal without a share
    std::optional<double> Rekommendation;
};

struct TRapport {
    // Row 0 holds the field names; the report's lines start at row 1.
    QList<TRapportrad> Rapportbuffert;
    // The title of the first section written; row 0 is shown under it.
    QString ForstaRubrik;
    // One entry per section that ends with totals, in the order written.
    QList<TCirkelpost> Cirkelposter;
    // The selected nutrients in column order, and the blocks' figures in
    // line order.
    QList<TRapportamne> Amnen;
    QList<TRapportpost> Poster;

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

// The section's first line of the report: row 0 holds the field names.
inline int ForstaTextrad(const TRapportavsnitt& avsnitt) { return std::max(avsnitt.ForstaRad, 1); }

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
