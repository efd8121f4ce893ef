#pragma once

// The food table's price list: "Pris per kg" and the print date at the top
// of every page, then one line per food, its name at left and its price at
// right, down the left column and on down the right one, on A4 pages laid
// out as the reports are, for the same preview, printer and PDF.

#include "print/Rapportlayout.h"

#include <QList>
#include <QString>

namespace matvarda {

struct TPrispost {
    QString Livsmedel;
    QString Kgpris;  // as stored: the text the user typed
};

// The name the PDF is offered under.
inline const QString Prislistenamn = QStringLiteral("prislista");

// Lines of one column on a page: the page's height under the title band.
constexpr int PrisraderPerKolumn = 68;

// A name too long for its line goes on, indented, over the next lines of
// the column, broken between words; the lines of one food stay in one column.
TRapportlayout LayoutaPrislista(const QList<TPrispost>& poster, const QString& datum);

}  // namespace matvarda
