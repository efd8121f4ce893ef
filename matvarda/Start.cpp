#include "matvarda/Start.h"

#include "platform/Textfil.h"

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

QString Omtext(const QString& arbetsmapp) {
    QString kalla = QStringLiteral("Källan till näringsvärdena står i kalla.txt, som saknas i arbetsmappen.");
    if (const auto rader = LasTextrader(QDir(arbetsmapp).filePath(QStringLiteral("kalla.txt")))) {
        for (const QString& rad : *rader)
            if (rad.startsWith(QStringLiteral("Källa:"))) kalla = QStringLiteral("Näringsvärden: ") + rad;
    }
    return QStringLiteral("Matvarda - kostberäkning\n\n%1\n"
                          "Enheter, vikter och priser är programmets egna uppskattningar.")
        .arg(kalla);
}

}  // namespace matvarda
