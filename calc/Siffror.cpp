#include "calc/Siffror.h"

#include "calc/RaknaOm.h"

namespace matvarda {
namespace {

const TMaltidsrad& ValdRad(const TTillstand& t, int rad) {
    static const TMaltidsrad tom;
    if (rad < 1 || rad > SistaPlats) return tom;
    return t.Dagbok.AktuellaMaltiden()[rad];
}

QString Radmangd(const TMaltidsrad& rad, int i, int decimaler) {
    const double mangd = double(rad.Naring[i]) * rad.Gram / 100;
    if (mangd < 0) return QStringLiteral("-");
    return QString::number(mangd, 'f', decimaler);
}

}  // namespace

TSiffror Siffror(const TTillstand& t) {
    const TDagbok& dagbok = t.Dagbok;
    const TResultat& r = t.Resultat;
    const TNaringskatalog& katalog = t.Katalog;
    const TMaltidsrad& vald = ValdRad(t, dagbok.AktuellRad);
    const auto celler = Radceller(vald);
    TSiffror siffror;
    siffror.Rubrik = {celler[KolumnLivsmedel] + QStringLiteral("  ") + celler[KolumnGram] + QStringLiteral(" gram"),
                      dagbok.Maltidsnamn, Dagtext(r, dagbok.AktuellDag)};
    for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n) {
        if (!t.Urval.Valda[n]) continue;
        const int i = n - ForstaNaringsnummer;
        siffror.Rader.append({katalog.NamnEnhet[n], Radmangd(vald, i, katalog.Decimaler[n]),
                              VisaVarde(r.Maltidssumma[dagbok.AktuellDag][dagbok.AktuellMaltid][i], n, katalog),
                              VisaVarde(r.Dagssumma[dagbok.AktuellDag][i], n, katalog)});
    }
    return siffror;
}

}  // namespace matvarda
