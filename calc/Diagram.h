#pragma once

// What the charts of the main window show: the stacked bars of the chosen
// nutrients in percent of the need, the actual and the ideal energy pies, the
// bar chart's title and its page size.

#include "core/Tillstand.h"
#include "platform/Diagramdata.h"

#include <array>

namespace matvarda {

constexpr int AntalStapelserier = 30;
constexpr double StapelaxelMax = 200;
constexpr int StartSidstorlek = 8;
inline const QString Startrubrik = QStringLiteral("Näring i % av behovet");

// Series 1..30: nine colours repeating, so slot k of a meal keeps its colour.
TFarg Stapelfarg(int serie);
// The text of meal-grid row 0..29 in the meal view.
TFarg Radtextfarg(int rad);

// Entry s holds series s + 1. A series gets a point for every chosen
// nutrient or none at all, so the segments of a bar line up.
using TStapelserier = std::array<TSerie, AntalStapelserier>;
TStapelserier Staplar(const TTillstand& t);

// "Protein g   12.3": the nutrient's name and unit and the amount.
QString Stapeletikett(const TNaringskatalog& katalog, int nummer, double mangd);

const TEnergifordelning& VisadEnergifordelning(const TTillstand& t);
TSerie VerkligCirkel(const TTillstand& t);
TSerie IdealCirkel(const TTillstand& t);

QString Stapelrubrik(const TTillstand& t);

// Bars per page for a chart `hojd` pixels high, avoiding a last page with a
// single bar; 0 means all on one page.
int Sidstorlek(int hojd, int antalValda);
bool VisaSidknappar(int sidstorlek, int antalValda);

// Where the 100 % mark of the 0..200 axis falls in a plot area.
int HundraprocentX(double vanster, double bredd);

}  // namespace matvarda
