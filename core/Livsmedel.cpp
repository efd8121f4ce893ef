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

void FyllPlats(TMaltidsrad& rad, const QString& kod, const Tabell& tabell) {
    rad = TMaltidsrad{};
    SattText(rad.Kod, kod, KodBredd);
    SattText(rad.Livsmedel, tabell.Text(QStringLiteral("Livsmedel")), LivsmedelBredd);
    SattText(rad.Enhet, tabell.Text(QStringLiteral("Enhet")), EnhetBredd);
    rad.Portion = TextTillTal(tabell.Text(QStringLiteral("Portionsstorlek")));
    rad.Gram = rad.Portion;
    rad.Kgpris = TextTillTal(tabell.Text(QStringLiteral("kgpris")));
    QString* enheter[] = {&rad.Enhet1, &rad.Enhet2, &rad.Enhet3, &rad.Enhet4};
    float* vikter[] = {&rad.Port1, &rad.Port2, &rad.Port3, &rad.Port4};
    for (int i = 0; i < 4; ++i) {
        SattText(*enheter[i], tabell.Text(QStringLiteral("Enhet%1").arg(i + 1)), EnhetBredd);
        *vikter[i] = TextTillTal(tabell.Text(QStringLiteral("port%1").arg(i + 1)));
    }
    for (int i = 0; i < AntalNaringsamnen; ++i)
        rad.Naring[i] = static_cast<float>(tabell.Flyttal(ForstaNaringsfalt + i));
}

}  // namespace matvarda
