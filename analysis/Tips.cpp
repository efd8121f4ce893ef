#include "analysis/Tips.h"

#include "analysis/Infotext.h"

namespace matvarda {
namespace {

struct TTipsgrupp {
    int Nivaposition;  // the percent that decides the level
    int Position;      // the amount and percent shown
    const char* Namn;
    const char* Enhet;
};

// Energy is judged on kJ but shown in kcal.
constexpr TTipsgrupp Tipsgrupper[] = {
    {EnergiKj, EnergiKcal, "kcal", "kcal"},
    {Protein, Protein, "Protein", "g"},
    {Fett, Fett, "Fett", "g"},
    {Kolhydrater, Kolhydrater, "Kolhydrat", "g"},
    {33, 33, "Fiber", "g"},
    {13, 13, "C-vitamin", "mg"},
    {21, 21, "Järn", "mg"},
    {19, 19, "Kalcium", "mg"},
};
constexpr int NivaerPerGrupp = 4;

QString Heltal(float varde) { return QString::number(varde, 'f', 0); }

}  // namespace

int Tipsniva(float procent) {
    int niva = 0;
    if (procent >= 25) niva = 1;
    if (procent >= 85) niva = 2;
    if (procent >= 115) niva = 3;
    return niva;
}

bool HarTips(const TResultat& resultat) { return resultat.PeriodMedel[EnergiKj] >= 10; }

QStringList GodaRad(const TResultat& resultat, int dag, const TInfotexter& texter) {
    const TNaringsvarden& mangd = resultat.Dagssumma.at(dag);
    const TNaringsvarden& procent = resultat.Dagsprocent.at(dag);
    QStringList rader{Tipsrubrik, QString()};
    int grupp = 0;
    for (const TTipsgrupp& g : Tipsgrupper) {
        const int kod = grupp++ * NivaerPerGrupp + Tipsniva(procent[g.Nivaposition]);
        rader << QStringLiteral("%1 (%2 %3 = %4% av dagsbehovet)")
                     .arg(QString::fromUtf8(g.Namn), Heltal(mangd[g.Position]), QString::fromUtf8(g.Enhet),
                          Heltal(procent[g.Position]));
        rader << Kodrader(texter, Infokoder[kod].Kod);
        rader << QString();
    }
    return rader;
}

}  // namespace matvarda
