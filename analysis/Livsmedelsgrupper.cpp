#include "analysis/Livsmedelsgrupper.h"

#include "calc/Diagram.h"

namespace matvarda {
namespace {

const std::array<QString, AntalLivsmedelsgrupper> Gruppnamnen{
    QStringLiteral("Grönsaker"),      QStringLiteral("Frukt, bär"),    QStringLiteral("Potatis, rotfrukter"),
    QStringLiteral("Mjölk, ost"),     QStringLiteral("Kött, fisk, ägg"), QStringLiteral("Bröd, spannmål"),
    QStringLiteral("Matfett, olja"),  QStringLiteral("Godis mm"),      QStringLiteral("Drycker"),
    QStringLiteral("Okänt")};

}  // namespace

int Livsmedelsgrupp(const QString& kod) {
    if (kod.isEmpty()) return AntalLivsmedelsgrupper;
    const char16_t forsta = kod[0].unicode();
    if (forsta >= u'1' && forsta <= u'9') return forsta - u'0';
    return AntalLivsmedelsgrupper;
}

QString Gruppnamn(int grupp) { return Gruppnamnen.at(grupp - 1); }

TGruppgram Gruppgram(const TDagbok& dagbok) {
    TGruppgram gram{};
    for (const TMaltid& maltid : dagbok.Berakning.at(dagbok.AktuellDag))
        for (int k = 1; k < AntalPlatser; ++k)
            if (!ArTom(maltid[k])) gram[Livsmedelsgrupp(maltid[k].Kod) - 1] += maltid[k].Gram;
    return gram;
}

TSerie Gruppstaplar(const TGruppgram& gram) {
    TSerie staplar;
    for (int g = 1; g <= AntalLivsmedelsgrupper; ++g)
        staplar.append({gram[g - 1], Gruppnamn(g) + ' ' + QString::number(gram[g - 1], 'f', 0) + QStringLiteral(" g"),
                        Stapelfarg(g)});
    return staplar;
}

QString Gruppknapptext(bool endastRavarugrupper) {
    return endastRavarugrupper ? QStringLiteral("Vilka grupper äter du av? *") : QStringLiteral("Vilka grupper äter du av?");
}

}  // namespace matvarda
