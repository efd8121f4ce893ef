#include "need/Aktiviteter.h"

#include "stod/Fixtur.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace matvarda {
namespace {

// Norm rows by their number; entry 23 (sodium) tells which row was taken.
class AktiviteterTest : public ::testing::Test {
protected:
    AktiviteterTest() {
        test::SkapaNormtabell(mapp.path(), {{3, "Män 19-30 år", {{0, 12000}, {4, 90}, {23, 2303}}},
                                            {12, "Kvinnor 15-18 år", {{0, 9000}, {4, 75}, {23, 2312}}},
                                            {21, "Barn 12-23 månader", {{23, 2321}}},
                                            {23, "Barn 6-10 år", {{23, 2323}}}});
    }

    void Berakna() { BeraknaAktiviteter(t, normer); }

    QTemporaryDir mapp;
    Tabell normer{mapp.path(), "normer"};
    TTillstand t;
    TAktivitetslista& lista = t.Aktiviteter;
};

TEST_F(AktiviteterTest, StandardpersonenUtanAktiviteter) {
    Berakna();
    EXPECT_FLOAT_EQ(lista.Grundforbrukning, 1417);
    EXPECT_EQ(Grundforbrukningstext(lista), "1417");
    EXPECT_EQ(Aktivitetsenergitext(lista), "0");
    EXPECT_EQ(MinuterKvarText(lista), "1440");
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[23], 2312);  // norm row 12
    EXPECT_EQ(t.Behov.Normtext, "Kvinna 15 år, 55 kg.  5929 kJ/dag (1417 kcal/dag)");
    EXPECT_EQ(t.Rubrik, "Norm: Kvinna 15 år, 55 kg.  5929 kJ/dag (1417 kcal/dag)");
    EXPECT_EQ(t.Behov.Normtyp, "aktivnorm");
    lista.Energienhet = EnhetKj;
    EXPECT_EQ(Grundforbrukningstext(lista), "5929");
    EXPECT_EQ(Grundforbrukningsetikett(lista.Energienhet), "Grundförbrukn. kJ");
}

TEST_F(AktiviteterTest, EnTimmeMedFaktor15ForEnMan) {
    lista.Kon = Man;
    lista.Alder = "30";
    lista.Vikt = "70";
    ASSERT_EQ(LaggTillAktivitet(lista, {"Promenad", "1,5"}), 1);
    ASSERT_TRUE(AndraMinuter(lista, 1, 30));
    Berakna();
    const TAktivitetsrad& rad = lista.Rader[1];
    EXPECT_EQ(rad.Minuter, "60");
    EXPECT_EQ(rad.PerMinut, "0.61");
    EXPECT_EQ(rad.Energi, "37");
    EXPECT_FLOAT_EQ(lista.Grundforbrukning, 1750);
    EXPECT_EQ(Aktivitetsenergitext(lista), "37");
    EXPECT_EQ(MinuterKvarText(lista), "1380");
    EXPECT_NEAR(lista.Energibehov, 1786.6, 1e-3);
    EXPECT_TRUE(t.Behov.Normtext.endsWith("kg.  7475 kJ/dag (1787 kcal/dag)")) << t.Behov.Normtext.toStdString();
    const TNaringsvarden& behov = t.Behov.Dagsbehov;
    EXPECT_NEAR(behov[EnergiKj], 7475.13, 0.01);
    EXPECT_NEAR(behov[EnergiKcal], 1786.6, 1e-3);
    EXPECT_NEAR(behov[Protein], 65.96, 0.005);
    EXPECT_NEAR(behov[Fett], 60.61, 0.005);
    EXPECT_NEAR(behov[Kolhydrater], 241.84, 0.005);
    EXPECT_NEAR(behov[26], 20.20, 0.005);
    EXPECT_NEAR(behov[27], 25.25, 0.005);
    EXPECT_NEAR(behov[28], 15.15, 0.005);
    EXPECT_FLOAT_EQ(behov[23], 2303);  // norm row 3

    // The kJ presentation takes the shown kcal values; the field the sum.
    EXPECT_EQ(KjText(rad.PerMinut), "3");
    EXPECT_EQ(KjText(rad.Energi), "155");
    EXPECT_EQ(KjText(QString()), "");
    lista.Energienhet = EnhetKj;
    EXPECT_EQ(Aktivitetsenergitext(lista), "153");
    EXPECT_EQ(Grundforbrukningstext(lista), "7322");
}

TEST_F(AktiviteterTest, IdealfordelningenStyrDeEnergibundnaBehoven) {
    t.Installningar.Idealfordelning = {20, 25, 55, 8, 10, 7};
    Berakna();  // 1417 kcal, 5928.73 kJ
    const TNaringsvarden& behov = t.Behov.Dagsbehov;
    EXPECT_NEAR(behov[Protein], 20 * 5928.728 / 1700, 0.01);
    EXPECT_NEAR(behov[Fett], 25 * 5928.728 / 3700, 0.01);
    EXPECT_NEAR(behov[26], 8 * 5928.728 / 3700, 0.01);
    EXPECT_NEAR(behov[28], 7 * 5928.728 / 3700, 0.01);
}

TEST(Grundomsattning, BandEfterAvrundadAlder) {
    const struct {
        const char* alder;
        int kon;
        float vikt;
        std::optional<float> grund;
        std::optional<int> norm;
    } fall[] = {
        {"0", Man, 10, 555.0f, 21},           {"1,5", Kvinna, 10, 559.0f, 22},   // 1.5 rounds to 2
        {"3", Man, 15, 859.5f, 22},           {"4", Man, 20, 949.0f, 22},
        {"5,5", Kvinna, 20, 949.0f, 23},      {"10", Kvinna, 20, 949.0f, 23},    // 5.5 rounds to 6
        {"11", Man, 40, 1351.0f, 1},          {"14", Kvinna, 40, 1234.0f, 11},
        {"15", Man, 60, 1701.0f, 2},          {"18,5", Kvinna, 55, 1417.0f, 12}, // 18.5 rounds to 18
        {"19,5", Kvinna, 55, 1304.5f, 13},    {"30", Man, 70, 1750.0f, 3},
        {"31", Kvinna, 60, 1351.0f, 14},      {"60", Man, 70, 1691.0f, 4},
        {"61", Man, 70, 1432.0f, 5},          {"75", Kvinna, 60, 1226.0f, 15},
        {"76", Man, 70, 1432.0f, 6},          {"110,5", Kvinna, 60, 1226.0f, 16}, // 110.5 rounds to 110
        {"111", Man, 70, std::nullopt, std::nullopt},
        {"-1", Man, 70, std::nullopt, std::nullopt},
        {"1000000000000000000000000000000", Kvinna, 60, std::nullopt, std::nullopt},
        {"-1000000000000000000000000000000", Man, 70, std::nullopt, std::nullopt},
        {"-0,5", Kvinna, 10, 559.0f, 21},     {"x", Man, 0, -54.0f, 21},         // unreadable is 0
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.alder);
        const int alder = AvrundadAlder(f.alder);
        EXPECT_EQ(Grundomsattning(f.kon, alder, f.vikt), f.grund);
        EXPECT_EQ(Aktivnormnummer(f.kon, alder), f.norm);
    }
}

TEST_F(AktiviteterTest, AlderUtanforBandenBehallerGrundforbrukningOchNormvarden) {
    Berakna();
    lista.Alder = "111";
    ASSERT_EQ(LaggTillAktivitet(lista, {"Sova", "0.95"}), 1);
    t.Behov.Dagsbehov[23] = 999;
    Berakna();
    EXPECT_FLOAT_EQ(lista.Grundforbrukning, 1417);
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[23], 999);
    // Sleep lies below the basal metabolism: 30 min × -0.05.
    EXPECT_EQ(lista.Rader[1].PerMinut, "-0.05");
    EXPECT_EQ(lista.Rader[1].Energi, "-2");
    EXPECT_NEAR(lista.Energibehov, 1415.5, 1e-3);
    EXPECT_NEAR(t.Behov.Dagsbehov[EnergiKcal], 1415.5, 1e-3);
    // A child takes the children's row; a row the table lacks keeps the values.
    lista.Alder = "1";
    Berakna();
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[23], 2321);
    lista.Alder = "4";
    Berakna();
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[23], 2321);
}

TEST_F(AktiviteterTest, NormtabellSomInteKanLasasGerAndaEnergibehovet) {
    Tabell saknas(mapp.path(), "finnsinte");
    t.Behov.Dagsbehov[23] = 999;
    BeraknaAktiviteter(t, saknas);
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[23], 999);
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[EnergiKcal], 1417);
}

TEST_F(AktiviteterTest, FaktorEttGerNollOchMinuterOverDygnetGerNegativtKvar) {
    LaggTillAktivitet(lista, {"Vila", "1"});
    LaggTillAktivitet(lista, {"Arbete", "2"});
    lista.Rader[1].Minuter = "1000";
    lista.Rader[2].Minuter = "500";
    Berakna();
    EXPECT_EQ(lista.Rader[1].PerMinut, "0.00");
    EXPECT_EQ(lista.Rader[1].Energi, "0");
    EXPECT_EQ(lista.Rader[2].PerMinut, "0.98");
    EXPECT_EQ(lista.Rader[2].Energi, "490");
    EXPECT_EQ(MinuterKvarText(lista), "-60");
}

TEST(AndraMinuter, StegarOchStannarVidNoll) {
    const struct {
        const char* fran;
        int steg;
        const char* till;
    } fall[] = {{"5", -5, "0"}, {"3", -5, "0"}, {"0", -30, "0"}, {"30", 15, "45"}, {"2,5", -2, "1"}, {"2,4", -2, "0"}};
    for (const auto& f : fall) {
        TAktivitetslista lista;
        lista.Rader[1] = {"Gå", "3", f.fran, "1.00", "0"};
        EXPECT_TRUE(AndraMinuter(lista, 1, f.steg));
        EXPECT_EQ(lista.Rader[1].Minuter, f.till) << f.fran << " " << f.steg;
    }
    TAktivitetslista lista;
    lista.Rader[1] = {"Gå", "3", "30", "1.00", "30"};
    EXPECT_FALSE(AndraMinuter(lista, 0, 5));
    EXPECT_FALSE(AndraMinuter(lista, 2, 5));
    EXPECT_FALSE(AndraMinuter(lista, 40, 5));
    EXPECT_EQ(lista.Rader[1].Minuter, "30");
}

TEST(Aktivitetsrader, LaggTillFyllerForstaLedigaOchFullTabellAndrarInget) {
    TAktivitetslista lista;
    for (int r = 1; r <= AntalAktivitetsrader; ++r) lista.Rader[r] = {QString::number(r), "2", "10", {}, {}};
    lista.Rader[2] = {};
    EXPECT_EQ(LaggTillAktivitet(lista, {"Cykla", "4"}), 2);
    EXPECT_EQ(lista.Rader[2].Minuter, "30");
    EXPECT_EQ(lista.Rader[2].Faktor, "4");
    const TAktivitetslista full = lista;
    EXPECT_EQ(LaggTillAktivitet(lista, {"Simma", "6"}), std::nullopt);
    EXPECT_EQ(lista.Rader, full.Rader);
}

TEST(Aktivitetsrader, TaBortFlyttarUppRadernaUnder) {
    TAktivitetslista lista;
    for (int r = 1; r <= AntalAktivitetsrader; ++r) lista.Rader[r] = {QString::number(r), "2", "10", "1.00", "10"};
    EXPECT_FALSE(TaBortAktivitetsrad(lista, 0));
    EXPECT_TRUE(TaBortAktivitetsrad(lista, 1));
    EXPECT_EQ(lista.Rader[1].Namn, "2");
    EXPECT_EQ(lista.Rader[38].Namn, "39");
    EXPECT_FALSE(lista.Rader[39].Anvand());
    EXPECT_TRUE(TaBortAktivitetsrad(lista, 38));
    EXPECT_EQ(lista.Rader[37].Namn, "38");
    EXPECT_FALSE(lista.Rader[38].Anvand());
    lista.Alder = "40";
    TomAktivitetstabell(lista);
    for (const TAktivitetsrad& rad : lista.Rader) EXPECT_FALSE(rad.Anvand());
    EXPECT_EQ(lista.Alder, "40");
}

TEST(Energidiagram, ForbrukningOvanIntagIValdEnhet) {
    TAktivitetslista lista;
    lista.Grundforbrukning = 1750;
    lista.Aktivitetsenergi = 36.6f;
    TResultat resultat;
    resultat.Dagssumma[2][EnergiKj] = 8000;
    resultat.Dagssumma[2][EnergiKcal] = 1900;
    auto serier = Energidiagram(lista, resultat, 2);
    EXPECT_EQ(serier[0], (TSerie{{1750, "Förbrukn.", Farg::Gron}, {1900, "Intag", Farg::Rod}}));
    EXPECT_EQ(serier[1][1].Varde, 0);
    EXPECT_NEAR(serier[1][0].Varde, 36.6, 1e-4);
    lista.Energienhet = EnhetKj;
    serier = Energidiagram(lista, resultat, 2);
    EXPECT_NEAR(serier[0][0].Varde, 7322, 1e-3);
    EXPECT_EQ(serier[0][1].Varde, 8000);
    EXPECT_NEAR(serier[1][0].Varde, 153.13, 0.01);
}

TEST(Aktivitetsutskrift, RaderIKolumnerOchSummornaIValdEnhet) {
    TAktivitetslista lista;
    lista.Kon = Man;
    lista.Alder = "30";
    lista.Vikt = "70";
    lista.Rader[2] = {"Promenad", "1.5", "60", "0.61", "37"};
    lista.Rader[5] = {QString(45, 'x'), "2", "5", "1.22", "6"};
    lista.Grundforbrukning = 1750;
    lista.Aktivitetsenergi = 36.6f;
    lista.Energienhet = EnhetKj;
    const QStringList rader = Aktivitetsutskrift(lista, "Min dag", "2024-05-01");
    const QStringList vantat{
        "Min dag   2024-05-01",
        "",
        "AKTIVITETSLISTA för Man 30 år  70 kg",
        "",
        "Aktivitet                                  +kcal/min  Minuter      +kcal",
        "",
        "Promenad                                        0.61       60         37",
        QString(45, 'x') + "       1.22        5          6",
        "",
        "Grundförbrukn. kJ   7322",
        "Aktivitet kJ  153",
    };
    EXPECT_EQ(rader, vantat);
}

}  // namespace
}  // namespace matvarda
