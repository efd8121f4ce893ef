#include "calc/RaknaOm.h"



namespace matvarda {
namespace {

constexpr float ProteinFaktor = 1700;
constexpr float FettFaktor = 3700;
constexpr float KolhydratFaktor = 1700;

TEnergifordelning Energifordelning(const TNaringsvarden& v, float alkoholFaktor) {
    const float energi = ProteinFaktor * v[Protein] + FettFaktor * v[Fett] + KolhydratFaktor * v[Kolhydrater] +
                         alkoholFaktor * v[Alkohol];
    if (!(energi > 5)) return {};
    return {100 * ProteinFaktor * v[Protein] / energi, 100 * FettFaktor * v[Fett] / energi,
            100 * KolhydratFaktor * v[Kolhydrater] / energi, 100 * alkoholFaktor * v[Alkohol] / energi};
}

// The need turned into factors once per recalculation: percent per unit
// (0 where the need is 0 or less), and the row-percent factor, whose need
// threshold is 0.001.
struct TBehovsfaktorer {
    TNaringsvarden Procent{};
    TNaringsvarden Rad{};
    explicit TBehovsfaktorer(const TNaringsvarden& behov) {
        for (int i = 0; i < AntalNaringsamnen; ++i) {
            Procent[i] = behov[i] > 0 ? 100 / behov[i] : 0.0f;
            Rad[i] = behov[i] > 0.001f ? 1 / behov[i] : 0.0f;
        }
    }
};

void Procent(const TNaringsvarden& summa, const TNaringsvarden& faktor, TNaringsvarden& procent) {
    for (int i = 0; i < AntalNaringsamnen; ++i) procent[i] = summa[i] * faktor[i];
}

// Sums, row percentages and price of one meal.
void RaknaMaltid(const TMaltid& maltid, const TBehovsfaktorer& behov, TNaringsvarden& summa,
                 std::array<TNaringsvarden, AntalPlatser>& radProcent, float& pris) {
    // Summed locally, so the compiler knows the sum does not alias a row.
    TNaringsvarden lokal{};
    pris = 0;
    for (int k = 1; k < AntalPlatser; ++k) {
        const TMaltidsrad& rad = maltid[k];
        if (ArTom(rad)) continue;
        pris += 0.001f * rad.Gram * rad.Kgpris;
        const float andel = 0.01f * rad.Gram;
        for (int i = 0; i < AntalNaringsamnen; ++i) {
            lokal[i] += andel * rad.Naring[i];
            radProcent[k][i] = rad.Gram * rad.Naring[i] * behov.Rad[i];
        }
    }
    summa = lokal;
}

void RaknaSalt(TTillstand& t) {
    TResultat& r = t.Resultat;
    if (t.Dagbok.Visning == 2) {
        r.Saltgram = 0.0025f * r.PeriodMedel[Natrium];
        r.Saltetikett = QStringLiteral("Dagsmedelvärdet salt är: ");
        return;
    }
    r.Saltgram = 0.0025f * r.Dagssumma[t.Dagbok.AktuellDag][Natrium];
    r.Saltetikett = QStringLiteral("Saltmängden denna dag är: ");
}

}  // namespace

void RaknaOm(TTillstand& t) {
    TResultat& r = t.Resultat;
    const TBehovsfaktorer behov(t.Behov.Dagsbehov);
    t.Urval.AntalValda = RaknaValda(t.Urval);

    r.Periodpris = 0;
    int dagarMedPris = 0;
    r.IntagsDagar = 0;
    TNaringsvarden periodSumma{};
    for (int d = 0; d < AntalDagar; ++d) {
        r.Dagspris[d] = 0;
        r.Dagssumma[d].fill(0);
        for (int m = 0; m < AntalMaltider; ++m) {
            RaknaMaltid(t.Dagbok.Berakning[d][m], behov, r.Maltidssumma[d][m], r.RadProcent[d][m],
                        r.Maltidspris[d][m]);
            r.Dagspris[d] += r.Maltidspris[d][m];
            for (int i = 0; i < AntalNaringsamnen; ++i) r.Dagssumma[d][i] += r.Maltidssumma[d][m][i];
            Procent(r.Maltidssumma[d][m], behov.Procent, r.Maltidsprocent[d][m]);
            r.MaltidsEnergi[d][m] = Energifordelning(r.Maltidssumma[d][m], t.Start.AlkoholFaktor);
        }
        r.Periodpris += r.Dagspris[d];
        dagarMedPris += r.Dagspris[d] > 0.01f ? 1 : 0;
        r.IntagsDagar += r.Dagssumma[d][EnergiKj] > 10 ? 1 : 0;
        for (int i = 0; i < AntalNaringsamnen; ++i) periodSumma[i] += r.Dagssumma[d][i];
        Procent(r.Dagssumma[d], behov.Procent, r.Dagsprocent[d]);
        r.DagsEnergi[d] = Energifordelning(r.Dagssumma[d], t.Start.AlkoholFaktor);
    }
    r.Medelpris = dagarMedPris > 0 ? r.Periodpris / dagarMedPris : 0.0f;
    for (int i = 0; i < AntalNaringsamnen; ++i)
        r.PeriodMedel[i] = r.IntagsDagar > 0 ? periodSumma[i] / r.IntagsDagar : 0.0f;
    Procent(r.PeriodMedel, behov.Procent, r.PeriodProcent);
    r.PeriodEnergi = r.PeriodMedel[EnergiKj] > 5 ? Energifordelning(r.PeriodMedel, t.Start.AlkoholFaktor)
                                                 : TEnergifordelning{};
    RaknaSalt(t);
}

QString Dagtext(const TResultat& resultat, int dag) {
    const bool intag = resultat.Dagssumma[dag][EnergiKj] > 0.1f;
    return (intag ? QStringLiteral("DAG") : QStringLiteral("dag")) + QString::number(dag + 1);
}

QString Prisrad(const TTillstand& t) {
    const TDagbok& dagbok = t.Dagbok;
    const TResultat& r = t.Resultat;
    QString rad;
    switch (dagbok.Visning) {
    case 0:
        rad = QStringLiteral("Pris %1: %2").arg(dagbok.Maltidsnamn,
                                                SystemTal(r.Maltidspris[dagbok.AktuellDag][dagbok.AktuellMaltid], 2));
        break;
    case 1:
        rad = QStringLiteral("Pris %1: %2").arg(Dagtext(r, dagbok.AktuellDag), SystemTal(r.Dagspris[dagbok.AktuellDag], 2));
        break;
    default:
        rad = QStringLiteral("Pris alla dagar: %1").arg(SystemTal(r.Periodpris, 2));
        break;
    }
    return ' ' + rad + QStringLiteral(" kr");
}

}  // namespace matvarda
