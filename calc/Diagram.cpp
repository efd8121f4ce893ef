#include "calc/Diagram.h"

#include "calc/RaknaOm.h"

#include <cmath>

namespace matvarda {
namespace {

constexpr int PixlarPerStapel = 28;

// The bar segments of slots 1..9 and the meal grid's text of rows 1..9 share
// their first colours but not all: slot 6 is light green against lime, 7
// silver against grey, 9 dark purple against black. Both are kept as given.
const std::array<TFarg, 9> Stapelfarger{Farg::Bla,    Farg::Rod,    Farg::Gron,  Farg::Fuchsia, Farg::Lila,
                                        Farg::Ljusgron, Farg::Silver, Farg::Aqua, Farg::Morklila};
const std::array<TFarg, 10> Radtextfarger{Farg::Svart, Farg::Bla,  Farg::Rod,  Farg::Gron, Farg::Fuchsia,
                                          Farg::Lila,  Farg::Lime, Farg::Gra,  Farg::Aqua, Farg::Svart};

// The amount a bar's label shows: of the meal, the day or the period.
const TNaringsvarden& VisadMangd(const TTillstand& t) {
    const TResultat& r = t.Resultat;
    const TDagbok& dagbok = t.Dagbok;
    if (dagbok.Visning == 0) return r.Maltidssumma[dagbok.AktuellDag][dagbok.AktuellMaltid];
    if (dagbok.Visning == 1) return r.Dagssumma[dagbok.AktuellDag];
    return r.PeriodMedel;
}

void LaggTill(TStapelserier& serier, int serie, double varde, const QString& etikett) {
    serier[serie - 1].append({varde, etikett, Stapelfarg(serie)});
}

// One segment per food, 100 when the meal covers its share of the need.
void Maltidsstaplar(const TTillstand& t, int i, const QString& etikett, TStapelserier& serier) {
    const int d = t.Dagbok.AktuellDag;
    const int m = t.Dagbok.AktuellMaltid;
    const float andel = t.Installningar.Maltidsandel[m];
    const TMaltid& maltid = t.Dagbok.Berakning[d][m];
    for (int k = 1; k < AntalPlatser; ++k) {
        if (ArTom(maltid[k])) continue;
        const float procent = t.Resultat.RadProcent[d][m][k][i];
        LaggTill(serier, k, andel > 0 ? procent / andel : 0.0f, etikett);
    }
}

// One segment per meal.
void Dagsstaplar(const TTillstand& t, int i, const QString& etikett, TStapelserier& serier) {
    const float behov = t.Behov.Dagsbehov[i];
    const auto& summor = t.Resultat.Maltidssumma[t.Dagbok.AktuellDag];
    for (int j = 0; j < AntalMaltider; ++j)
        LaggTill(serier, j + 1, behov > 0.001f ? 100 * summor[j][i] / behov : 0.0f, etikett);
}

}  // namespace

TFarg Stapelfarg(int serie) { return Stapelfarger[(serie - 1) % Stapelfarger.size()]; }

TFarg Radtextfarg(int rad) {
    while (rad > 9) rad -= 9;
    return Radtextfarger[rad];
}

QString Stapeletikett(const TNaringskatalog& katalog, int nummer, double mangd) {
    return katalog.NamnEnhet[nummer] + ' ' + VisaVarde(mangd, nummer, katalog);
}

TStapelserier Staplar(const TTillstand& t) {
    TStapelserier serier;
    const TNaringsvarden& mangd = VisadMangd(t);
    for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n) {
        if (!t.Urval.Valda[n]) continue;
        const int i = n - ForstaNaringsnummer;
        const QString etikett = Stapeletikett(t.Katalog, n, mangd[i]);
        switch (t.Dagbok.Visning) {
        case 0: Maltidsstaplar(t, i, etikett, serier); break;
        case 1: Dagsstaplar(t, i, etikett, serier); break;
        default: LaggTill(serier, 1, t.Resultat.PeriodProcent[i], etikett); break;
        }
    }
    return serier;
}

const TEnergifordelning& VisadEnergifordelning(const TTillstand& t) {
    const TResultat& r = t.Resultat;
    const TDagbok& dagbok = t.Dagbok;
    if (dagbok.Visning == 0) return r.MaltidsEnergi[dagbok.AktuellDag][dagbok.AktuellMaltid];
    if (dagbok.Visning == 1) return r.DagsEnergi[dagbok.AktuellDag];
    return r.PeriodEnergi;
}

TSerie VerkligCirkel(const TTillstand& t) {
    const TEnergifordelning& e = VisadEnergifordelning(t);
    if (!(e.Prot + e.Fett + e.Kolh + e.Alko > 10)) return {};
    TSerie cirkel{{e.Prot, QStringLiteral("Prot"), Farg::Rod},
                  {e.Fett, QStringLiteral("Fett"), Farg::Bla},
                  {e.Kolh, QStringLiteral("Kolh"), Farg::Gron}};
    if (e.Alko > 1) cirkel.append({e.Alko, QStringLiteral("Alko"), Farg::Gul});
    return cirkel;
}

TSerie IdealCirkel(const TTillstand& t) {
    const TIdealfordelning& ideal = t.Installningar.Idealfordelning;
    TSerie cirkel{{ideal.Protein, QStringLiteral("Prot"), Farg::Rod},
                  {ideal.Fett, QStringLiteral("Fett"), Farg::Bla},
                  {ideal.Kolhydrat, QStringLiteral("Kolh"), Farg::Gron}};
    if (VisadEnergifordelning(t).Alko > 1) cirkel.append({5, QStringLiteral("Alko max"), Farg::Gul});
    return cirkel;
}

QString Stapelrubrik(const TTillstand& t) {
    const TDagbok& dagbok = t.Dagbok;
    const QString dag = Dagtext(t.Resultat, dagbok.AktuellDag);
    if (dagbok.Visning == 0)
        return QStringLiteral("Näring i % av behovet för ") + Maltidsnamnen[dagbok.AktuellMaltid] + ' ' + dag;
    if (dagbok.Visning == 1) return QStringLiteral("Näring i % av behovet för hela ") + dag;
    return QStringLiteral("Näring i % av dagsbehovet för perioden");
}

int Sidstorlek(int hojd, int antalValda) {
    // Rounded to nearest with halves to even, as the page size always was.
    int p = static_cast<int>(std::nearbyint(hojd / double(PixlarPerStapel)));
    p = std::min(p, antalValda);
    for (int sidor = 1; sidor <= 4; ++sidor)
        if (sidor * p + 1 == antalValda) --p;
    return std::max(p, 0);
}

bool VisaSidknappar(int sidstorlek, int antalValda) { return sidstorlek < antalValda; }

int HundraprocentX(double vanster, double bredd) {
    return static_cast<int>(vanster) + static_cast<int>(bredd * 50 / 100);
}

}  // namespace matvarda
