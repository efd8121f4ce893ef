#pragma once

// The report's pages: the composed lines placed on A4 pages as text runs,
// bars, scale marks and pie charts, in report pixels of 1/96 inch. Nothing
// is painted here; the painter draws a page on any device, scaled.

#include "core/Tillstand.h"
#include "print/Rapport.h"

#include <QList>
#include <array>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>

namespace matvarda {

constexpr double Rapportpunkter = 96;  // report pixels an inch
constexpr double Sidbredd = 210 / 25.4 * Rapportpunkter;
constexpr double Sidhojd = 297 / 25.4 * Rapportpunkter;
constexpr double Vanstermarginal = 48;
constexpr double Ovrigmarginal = 24;  // top, bottom and right
constexpr double Sidnederkant = Sidhojd - Ovrigmarginal;

// Courier New (9 pt lines, 16 pt bold section titles, 14 pt bold page
// titles) and a 13-pixel sans-serif for the pies.
enum class Rapporttypsnitt { Rad, Rubrik, Cirkel, Titel };

// The font's size (its em) in report pixels, and the advance of one
// character of the fixed-pitch ones: 0.6 em in Courier New and in Liberation
// Mono, which shares its metrics.
double Typsnittsstorlek(Rapporttypsnitt typsnitt);
double Teckenbredd(Rapporttypsnitt typsnitt);
// A line of text in the fixed-pitch fonts is as wide as its characters and
// as high as the font's ascent and descent; (x, y) is its top left.
QRectF Textruta(double x, double y, const QString& text, Rapporttypsnitt typsnitt);

enum class Rapportfarg { Svart, Bla, Gron, Rod, Gul };

struct TTextpost {
    QRectF Ruta;  // the text's box; its top is the text's top
    QString Text;
    Rapporttypsnitt Typsnitt = Rapporttypsnitt::Rad;
};

struct TRutpost {
    QRectF Ruta;
    Rapportfarg Farg = Rapportfarg::Svart;
};

struct TCirkelbit {
    QString Etikett;
    double Varde = 0;
    Rapportfarg Farg = Rapportfarg::Svart;
    QString Markering;  // the label and the share, "Prot 15 %"
};

struct TCirkeldiagram {
    QRectF Ruta;
    QString Titel;
    QList<TCirkelbit> Bitar;  // none: the pie stays empty
};

struct TRapportsida {
    int Avsnitt = 0;  // index of the section the page belongs to
    QList<TTextpost> Texter;
    QList<TRutpost> Rutor;  // bars and scale marks
    QList<TCirkeldiagram> Cirklar;
};

struct TInnehallspost {
    QString Rubrik;
    int Sida = 0;  // the section's first page, from 0
};

inline const QString Rapportnamn = QStringLiteral("Matvarda utskrift");

struct TRapportlayout {
    QList<TRapportsida> Sidor;
    QList<TInnehallspost> Innehall;
    QString Namn = Rapportnamn;  // the PDF's title and the file name offered
};

// Shows a laid-out report in the preview.
using TForhandsvisning = std::function<void(const TRapportlayout&)>;

struct TLayoutval {
    bool Cirkeldiagram = false;  // the pies at the end of each section
    QString Rubrik;              // the heading at the top right of every page
    QString Datum;
    TIdealfordelning Idealfordelning;
};

// The section's own pie and the ideal one beside it, from the top of the
// footer band: the actual one at left, empty when the section has too
// little energy or no totals.
std::array<TCirkeldiagram, 2> Cirkelpar(const TRapportavsnitt& avsnitt, const TIdealfordelning& ideal);

// Today in the system's short date format, as the pages show it.
QString Rapportdatum();

// Every section starts a new page under a header with its title, the
// heading and the date; lines follow in 15-pixel bands, bar lines drawn as
// bars; with pies on, each section ends with its own pie and the ideal one.
TRapportlayout LayoutaRapport(const TRapport& rapport, const TLayoutval& val);

struct TTraff {
    int Sida = 0;
    QRectF Ruta;
};

// Where `text` stands on the pages, case ignored, in page order.
QList<TTraff> SokIRapport(const TRapportlayout& layout, const QString& text);

}  // namespace matvarda
