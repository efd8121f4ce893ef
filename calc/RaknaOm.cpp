#include "calc/RaknaOm.h"

#include <bit>
#include <cstdint>

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

// The need as divisors, once per recalculation. Where a percentage is not
// computed (a need of 0 or less; for rows 0.001 or less, compared exactly as
// written) the divisor is 1 and a bit mask turns the quotient into 0, so the
// loops divide without branches and still vectorise.
using TMask = std::array<std::uint32_t, AntalNaringsamnen>;

struct TBehovsdelare {
    TNaringsvarden Delare{};
    TMask Giltig{};
    TNaringsvarden RadDelare{};
    TMask RadGiltig{};
    explicit TBehovsdelare(const TNaringsvarden& behov) {
        for (int i = 0; i < AntalNaringsamnen; ++i) {
            const bool procent = behov[i] > 0;
            const bool rad = static_cast<double>(behov[i]) > 0.001;
            Delare[i] = procent ? behov[i] : 1.0f;
            Giltig[i] = procent ? ~0u : 0u;
            RadDelare[i] = rad ? behov[i] : 1.0f;
            RadGiltig[i] = rad ? ~0u : 0u;
        }
    }
};

float Maskerad(float kvot, std::uint32_t mask) {
    return std::bit_cast<float>(std::bit_cast<std::uint32_t>(kvot) & mask);
}

void Procent(const TNaringsvarden& summa, const TBehovsdelare& behov, TNaringsvarden& procent) {
    for (int i = 0; i < AntalNaringsamnen; ++i) procent[i] = Maskerad(100 * summa[i] / behov.Delare[i], behov.Giltig[i]);
}

// Sums, row percentages and price of one meal. Gram × value is summed and
// divided by 100 (by 1000 for the price) once, so that amounts that are
// exact in grams stay exact.
void RaknaMaltid(const TMaltid& maltid, const TBehovsdelare& behov, TNaringsvarden& summa,
                 std::array<TNaringsvarden, AntalPlatser>& radProcent, float& pris) {
    // Summed locally, so the compiler knows the sum does not alias a row.
    TNaringsvarden lokal{};
    float kronorGram = 0;
    for (int k = 1; k < AntalPlatser; ++k) {
        const TMaltidsrad& rad = maltid[k];
        if (ArTom(rad)) continue;
        kronorGram += rad.Gram * rad.Kgpris;
        for (int i = 0; i < AntalNaringsamnen; ++i) {
            const float mangd = rad.Gram * rad.Naring[i];
            lokal[i] += mangd;
            radProcent[k][i] = Maskerad(mangd / behov.RadDelare[i], behov.RadGiltig[i]);
        }
    }
    for (int i = 0; i < AntalNaringsamnen; ++i) summa[i] = lokal[i] / 100;
    pris = kronorGram / 1000;
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
    const TBehovsdelare behov(t.Behov.Dagsbehov);
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
            Procent(r.Maltidssumma[d][m], behov, r.Maltidsprocent[d][m]);
            r.MaltidsEnergi[d][m] = Energifordelning(r.Maltidssumma[d][m], t.Start.AlkoholFaktor);
        }
        r.Periodpris += r.Dagspris[d];
        dagarMedPris += r.Dagspris[d] > 0.01f ? 1 : 0;
        r.IntagsDagar += r.Dagssumma[d][EnergiKj] > 10 ? 1 : 0;
        for (int i = 0; i < AntalNaringsamnen; ++i) periodSumma[i] += r.Dagssumma[d][i];
        Procent(r.Dagssumma[d], behov, r.Dagsprocent[d]);
        r.DagsEnergi[d] = Energifordelning(r.Dagssumma[d], t.Start.AlkoholFaktor);
    }
    r.Medelpris = dagarMedPris > 0 ? r.Periodpris / dagarMedPris : 0.0f;
    for (int i = 0; i < AntalNaringsamnen; ++i)
        r.PeriodMedel[i] = r.IntagsDagar > 0 ? periodSumma[i] / r.IntagsDagar : 0.0f;
    Procent(r.PeriodMedel, behov, r.PeriodProcent);
    r.PeriodEnergi = r.PeriodMedel[EnergiKj] > 5 ? Energifordelning(r.PeriodMedel, t.Start.AlkoholFaktor)
                                                 : TEnergifordelning{};
    RaknaSalt(t);
}

QString Dagtext(const TResultat& resultat, int dag) {
    const bool intag = static_cast<double>(resultat.Dagssumma[dag][EnergiKj]) > 0.1;
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
