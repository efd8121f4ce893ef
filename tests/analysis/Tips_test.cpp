#include "analysis/Tips.h"

#include "calc/RaknaOm.h"
#include "stod/Fixtur.h"

#include <gtest/gtest.h>
#include <memory>

using namespace matvarda;
using namespace matvarda::test;

namespace {

constexpr int Fibrer = 33;
constexpr int CVitamin = 13;
constexpr int Jarn = 21;
constexpr int Kalcium = 19;

TEST(Tipsniva, GransernaJamforsExakt) {
    const struct {
        float procent;
        int niva;
    } fall[] = {{0, 0},     {24.999f, 0}, {25, 1},  {84.9f, 1}, {84.99999f, 1},
                {85, 2},    {114.99f, 2}, {115, 3}, {900, 3},   {-3, 0}};
    for (const auto& f : fall) EXPECT_EQ(Tipsniva(f.procent), f.niva) << f.procent;
}

// A text line per group and level, so that the chosen level shows.
TInfotexter Alla() {
    TInfotexter texter;
    for (int m = 1; m <= 32; ++m) texter.Rader << QStringLiteral("M%1 text %1").arg(m);
    return texter;
}

TEST(GodaRad, VarjeGruppVisarMangdProcentOchNivansText) {
    TResultat r;
    TNaringsvarden& mangd = r.Dagssumma[2];
    TNaringsvarden& procent = r.Dagsprocent[2];
    mangd[EnergiKcal] = 1800;
    procent[EnergiKcal] = 90;
    procent[EnergiKj] = 84.9f;  // the level follows kJ: "M2 "
    mangd[Protein] = 12.6f;
    procent[Protein] = 25;
    mangd[Fett] = 70.4f;
    procent[Fett] = 85;
    mangd[Kolhydrater] = 300.6f;
    procent[Kolhydrater] = 115;
    mangd[Fibrer] = 4;
    procent[Fibrer] = 24.9f;
    mangd[CVitamin] = 60;
    procent[CVitamin] = 114.9f;
    mangd[Jarn] = 9.6f;
    procent[Jarn] = 63.3f;
    mangd[Kalcium] = 1200;
    procent[Kalcium] = 150;
    TInfotexter texter = Alla();
    texter.Rader << "M5 andra raden" << "M1Utan blank" << "M6  med blank först";
    EXPECT_EQ(GodaRad(r, 2, texter), QStringList({
                                         "OBS! TIPSEN FÖRUTSÄTTER ATT DU ANGETT ALLT DU ÄTIT UNDER DAGEN.",
                                         "",
                                         "kcal (1800 kcal = 90% av dagsbehovet)",
                                         "text 2",
                                         "",
                                         "Protein (13 g = 25% av dagsbehovet)",
                                         "text 6",
                                         " med blank först",
                                         "",
                                         "Fett (70 g = 85% av dagsbehovet)",
                                         "text 11",
                                         "",
                                         "Kolhydrat (301 g = 115% av dagsbehovet)",
                                         "text 16",
                                         "",
                                         "Fiber (4 g = 25% av dagsbehovet)",
                                         "text 17",
                                         "",
                                         "C-vitamin (60 mg = 115% av dagsbehovet)",
                                         "text 23",
                                         "",
                                         "Järn (10 mg = 63% av dagsbehovet)",
                                         "text 26",
                                         "",
                                         "Kalcium (1200 mg = 150% av dagsbehovet)",
                                         "text 32",
                                         "",
                                     }));
}

TEST(GodaRad, UtanTexterRubrikOchAttaGrupprader) {
    TResultat r;
    const QStringList rader = GodaRad(r, 6, {});
    ASSERT_EQ(rader.size(), 2 + 8 * 2);
    EXPECT_EQ(rader[2], "kcal (0 kcal = 0% av dagsbehovet)");
    EXPECT_EQ(rader[16], "Kalcium (0 mg = 0% av dagsbehovet)");
    for (int i = 3; i < rader.size(); i += 2) EXPECT_EQ(rader[i], "") << i;
}

class TipsDagbok : public ::testing::Test {
protected:
    void Ata(int dag, float gram, std::map<int, double> per100g) {
        TMaltidsrad& rad = t->Dagbok.Berakning[dag][1][1];
        rad.Kod = QStringLiteral("1001");
        rad.Gram = gram;
        rad.Naring = Naringar(std::move(per100g));
    }
    std::unique_ptr<TTillstand> t = std::make_unique<TTillstand>();
};

// kJ and kcal are separate values of a food: the level goes by kJ.
TEST_F(TipsDagbok, EnerginBedomsPaKjMenVisasIKcal) {
    t->Behov.Dagsbehov[EnergiKj] = 8000;
    t->Behov.Dagsbehov[EnergiKcal] = 2000;
    const struct {
        double kj;
        const char* text;
    } fall[] = {{7600, "bra"}, {6700, "lag"}};
    for (const auto& f : fall) {
        Ata(0, 1000, {{EnergiKj, f.kj / 10}, {EnergiKcal, 180}});
        RaknaOm(*t);
        const QStringList rader = GodaRad(t->Resultat, 0, {{"M2 lag", "M3 bra"}});
        EXPECT_EQ(rader[2], "kcal (1800 kcal = 90% av dagsbehovet)") << f.kj;
        EXPECT_EQ(rader[3], f.text) << f.kj;
    }
}

TEST_F(TipsDagbok, TomAktuellDagIPeriodMedMatGerForstaNivan) {
    Ata(3, 500, {{EnergiKj, 1000}, {Protein, 20}, {Kalcium, 200}});
    t->Dagbok.AktuellDag = 0;
    RaknaOm(*t);
    EXPECT_TRUE(HarTips(t->Resultat));
    const QStringList rader = GodaRad(t->Resultat, t->Dagbok.AktuellDag, Alla());
    EXPECT_EQ(rader[2], "kcal (0 kcal = 0% av dagsbehovet)");
    EXPECT_EQ(rader[3], "text 1");
    EXPECT_EQ(rader[5], "Protein (0 g = 0% av dagsbehovet)");
    EXPECT_EQ(rader[6], "text 5");
    EXPECT_EQ(rader[23], "Kalcium (0 mg = 0% av dagsbehovet)");
    EXPECT_EQ(rader[24], "text 29");
}

TEST_F(TipsDagbok, TipsForstNarPeriodensMedelenergiNar10Kj) {
    EXPECT_FALSE(HarTips(t->Resultat));
    Ata(0, 100, {{EnergiKj, 9.99}});
    RaknaOm(*t);
    EXPECT_FALSE(HarTips(t->Resultat));
    Ata(0, 100, {{EnergiKj, 10.5}});
    RaknaOm(*t);
    EXPECT_TRUE(HarTips(t->Resultat));
}

}  // namespace
