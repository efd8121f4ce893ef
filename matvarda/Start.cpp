#include "matvarda/Start.h"

#include "core/Textfil.h"

#include <QDir>

namespace matvarda {

void LasInitdir(const QString& arbetsmapp, TStartlage& start) {
    const QDir mapp(arbetsmapp);
    start.Berakningsmapp = mapp.filePath(QStringLiteral("."));
    start.Tabellmapp = start.Berakningsmapp;
    const auto rader = LasTextrader(mapp.filePath(QStringLiteral("initdir.txt")));
    if (!rader) return;
    if (rader->size() >= 1) start.Berakningsmapp = mapp.filePath(rader->at(0));
    if (rader->size() >= 2) start.Tabellmapp = mapp.filePath(rader->at(1));
}

}  // namespace matvarda
