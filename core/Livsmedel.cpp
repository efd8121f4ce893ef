#include "core/Livsmedel.h"

#include "core/Tabellayout.h"
#include "platform/SvenskOrdning.h"

#include <algorithm>

namespace matvarda {
namespace {

void LaggTillGrupp(QStringList& grupplista, const QString& grupp) {
    if (grupp.isEmpty()) return;
    const auto plats = std::lower_bound(grupplista.begin(), grupplista.end(), grupp,
                                        [](const QString& a, const QString& b) { return JamforSvenskt(a, b) < 0; });
    if (plats != grupplista.end() && *plats == grupp) return;
    grupplista.insert(plats, grupp);
}

TLivsmedelspost LasPost(const Tabell& tabell, const int (&position)[6]) {
    const auto text = [&](int i, qsizetype bredd) { return tabell.Text(position[i]).left(bredd); };
    return {text(0, 12), text(1, 80), text(2, 30), text(3, 30), text(4, 8), text(5, 8)};
}

}  // namespace

void OppnaLivsmedelstabeller(const QString& tabellmapp, TLivsmedelstabeller& tabeller,
                             TLivsmedelskatalog& katalog) {
    tabeller.Fodtab100.SattMapp(tabellmapp);
    tabeller.Fodtab2005.SattMapp(tabellmapp);
    tabeller.Fodtab2005.Oppna();
    KravLivsmedelslayout(tabeller.Fodtab2005);
    Tabell& tabell = tabeller.Fodtab100;
    tabell.Oppna();
    KravLivsmedelslayout(tabell);
    tabell.ValjIndex(QStringLiteral("livsmedel"));

    katalog.Livsmedelslista.clear();
    katalog.Grupplista = {QStringLiteral("Bröd")};
    const int position[6] = {
        tabell.Faltposition("Kod"),    tabell.Faltposition("Livsmedel"), tabell.Faltposition("Grupp1"),
        tabell.Faltposition("Grupp2"), tabell.Faltposition("Enhet"),     tabell.Faltposition("Portionsstorlek")};
    for (tabell.Forsta(); !tabell.Slut(); tabell.Nasta()) {
        katalog.Livsmedelslista.push_back(LasPost(tabell, position));
        LaggTillGrupp(katalog.Grupplista, katalog.Livsmedelslista.back().Grupp1);
    }
    katalog.AntalLivsmedel = static_cast<int>(katalog.Livsmedelslista.size());
}

bool HamtaLivsmedel(Tabell& fodtab100, const QString& kod) {
    fodtab100.ValjIndex(QString());
    return fodtab100.HittaNyckel(kod);
}

}  // namespace matvarda
