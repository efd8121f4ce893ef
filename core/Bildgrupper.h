#pragma once

// The picture groups of the food table's field bildgrupp: the seven areas of
// the food-group picture, then the groups behind "Drycker" and "Diverse".

#include <QString>
#include <array>

namespace matvarda {

enum class Bildgrupp { MjolkOst, Matfett, Brod, Potatis, Kott, Gronsaker, Frukt, Drycker, Ovrigt };

inline const std::array<QString, 9>& Bildgrupper() {
    static const std::array<QString, 9> grupper{
        QStringLiteral("Mjölk,ost"),     QStringLiteral("Matfett"),   QStringLiteral("Bröd,spannmål"),
        QStringLiteral("Potatis,rotfrukter"), QStringLiteral("Kött,fisk,ägg"), QStringLiteral("Grönsaker"),
        QStringLiteral("Frukt,bär"),     QStringLiteral("Drycker"),   QStringLiteral("Övrigt")};
    return grupper;
}

inline const QString& Bildgruppnamn(Bildgrupp grupp) { return Bildgrupper()[static_cast<int>(grupp)]; }

}  // namespace matvarda
