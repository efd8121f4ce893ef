#include "core/Tabellayout.h"

#include "core/Naringsamnen.h"

namespace matvarda {
namespace {

QVector<Faltdefinition> Layout(const Faltdefinition& nyckel, const Faltdefinition& namn) {
    QVector<Faltdefinition> falt{
        nyckel,
        namn,
        {QStringLiteral("Portionsstorlek"), Falttyp::Flyttal},
        {QStringLiteral("Enhet"), Falttyp::Text, 10},
        {QStringLiteral("Grupp1"), Falttyp::Text, 30},
        {QStringLiteral("Grupp2"), Falttyp::Text, 30},
        {QStringLiteral("kgpris"), Falttyp::Text, 10},
        {QStringLiteral("Datum"), Falttyp::Text, 10},
        {QStringLiteral("Grossist"), Falttyp::Text, 12},
        {QStringLiteral("Grossartnr"), Falttyp::Text, 20},
        {QStringLiteral("ean"), Falttyp::Text, 20},
        {QStringLiteral("Res1"), Falttyp::Text, 20},
        {QStringLiteral("Res2"), Falttyp::Text, 20},
        {QStringLiteral("Avfall _%_"), Falttyp::Flyttal},
    };
    for (const char* naring : Naringsfaltnamn) falt.append({QString::fromUtf8(naring), Falttyp::Flyttal});
    for (int i = 1; i <= 4; ++i) falt.append({QStringLiteral("Enhet%1").arg(i), Falttyp::Text, 16});
    for (int i = 1; i <= 4; ++i) falt.append({QStringLiteral("port%1").arg(i), Falttyp::Flyttal});
    return falt;
}

}  // namespace

QVector<Faltdefinition> Livsmedelsfalt() {
    return Layout({QStringLiteral("Kod"), Falttyp::Text, 12}, {QStringLiteral("Livsmedel"), Falttyp::Text, 100});
}

QVector<Faltdefinition> Normfalt() {
    return Layout({QStringLiteral("Nr"), Falttyp::Heltal}, {QStringLiteral("Norm"), Falttyp::Text, 100});
}

}  // namespace matvarda
