#pragma once

// A release of the food agency's database as it exports it: UTF-8 CSV with
// ";" between fields and a decimal comma, a title line with the version, a
// subtitle, the column headings and then one food per line.

#include "core/Naringsamnen.h"
#include "platform/Fel.h"

#include <QString>
#include <QVector>

namespace matvarda {

struct TKallivsmedel {
    int Nummer = 0;  // the agency's food number, stable between releases
    QString Namn;
    QString Gruppering;
    std::array<double, AntalNaringsamnen> Naring{};  // per 100 g of the edible part
    double Avfall = 0;        // percent waste (peel, bones)
};

struct TUtgava {
    QString Version;  // "2022-05-24"
    QVector<TKallivsmedel> Livsmedel;
};

TUtgava LasUtgava(const QString& fil);
TUtgava TolkaUtgava(const QByteArray& innehall, const QString& filnamn);

// The agency's column heading for each nutrient; empty for sucrose, which
// the agency does not publish and which is stored as 0.
const std::array<const char*, AntalNaringsamnen>& Kallkolumner();

}  // namespace matvarda
