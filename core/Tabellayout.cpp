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

// The fields the program reads by name; the nutrients it reads by position.
const QStringList& LastaFalt() {
    static const QStringList falt{
        QStringLiteral("Kod"),    QStringLiteral("Livsmedel"), QStringLiteral("Portionsstorlek"),
        QStringLiteral("Enhet"),  QStringLiteral("Grupp1"),    QStringLiteral("Grupp2"),
        QStringLiteral("kgpris"), QStringLiteral("Enhet1"),    QStringLiteral("Enhet2"),
        QStringLiteral("Enhet3"), QStringLiteral("Enhet4"),    QStringLiteral("port1"),
        QStringLiteral("port2"),  QStringLiteral("port3"),     QStringLiteral("port4")};
    return falt;
}

bool ArNaringsfalt(int position) {
    return position >= ForstaNaringsfalt && position < ForstaNaringsfalt + AntalNaringsamnen;
}

}  // namespace

void KravLivsmedelslayout(const Tabell& tabell) {
    const QString namn = tabell.Namn();
    for (const QString& falt : LastaFalt())
        if (tabell.Faltposition(falt) < 0)
            throw Fel(QStringLiteral("Fältet %1 saknas i livsmedelstabellen %2.").arg(falt, namn));
    if (tabell.AntalFalt() < ForstaNaringsfalt + AntalNaringsamnen)
        throw Fel(QStringLiteral("Livsmedelstabellen %1 har bara %2 fält; näringsvärdena ska stå i fälten "
                                       "%3 till %4.")
                            .arg(namn)
                            .arg(tabell.AntalFalt())
                            .arg(ForstaNaringsfalt + 1)
                            .arg(ForstaNaringsfalt + AntalNaringsamnen));
    for (const QString& falt : LastaFalt())
        if (ArNaringsfalt(tabell.Faltposition(falt)))
            throw Fel(QStringLiteral("Fältet %1 i livsmedelstabellen %2 står bland näringsvärdena "
                                           "(fälten %3 till %4).")
                                .arg(falt, namn)
                                .arg(ForstaNaringsfalt + 1)
                                .arg(ForstaNaringsfalt + AntalNaringsamnen));
    if (tabell.Primarnyckel().compare(QLatin1String("Kod"), Qt::CaseInsensitive) != 0)
        throw Fel(QStringLiteral("Livsmedelstabellen %1 har inte sin primärnyckel på fältet Kod.").arg(namn));
}

QVector<Faltdefinition> Livsmedelsfalt() {
    return Layout({QStringLiteral("Kod"), Falttyp::Text, 12}, {QStringLiteral("Livsmedel"), Falttyp::Text, 100});
}

QVector<Faltdefinition> Normfalt() {
    return Layout({QStringLiteral("Nr"), Falttyp::Heltal}, {QStringLiteral("Norm"), Falttyp::Text, 100});
}

}  // namespace matvarda
