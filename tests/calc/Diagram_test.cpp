#include "calc/Diagram.h"
#include "calc/RaknaOm.h"
#include "stod/Fixtur.h"

#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

constexpr int EnergiNr = 15;
constexpr int ProteinNr = 19;

class DiagramTest : public ::testing::Test {
protected:
    DiagramTest() {
        t.Katalog.NamnEnhet[EnergiNr] = QStringLiteral("Energi kJ");
        t.Katalog.NamnEnhet[ProteinNr] = QStringLiteral("Protein g");
        t.Katalog.Decimaler[ProteinNr] = 1;
        t.Urval.Valda[EnergiNr] = true;
        t.Urval.Valda[ProteinNr] = true;
        t.Behov.Dagsbehov[EnergiKj] = 1000;
        t.Behov.Dagsbehov[Protein] = 50;
    }
    void Atit(int dag, int maltid, int plats, float gram, std::map<int, double> per100g) {
        TMaltidsrad& rad = t.Dagbok.Berakning[dag][maltid][plats];
        rad.Kod = QString::number(plats);
        rad.Gram = gram;
        rad.Naring = Naringar(per100g);
    }
    void Visa(int visning, int dag = 0, int maltid = 0) {
        t.Dagbok.Visning = visning;
        t.Dagbok.AktuellDag = dag;
        t.Dagbok.AktuellMaltid = maltid;
        RaknaOm(t);
    }
    static void ForvantaSerie(const TSerie& serie, std::initializer_list<double> varden, TFarg farg,
                              const QStringList& etiketter) {
        ASSERT_EQ(serie.size(), qsizetype(varden.size()));
        int i = 0;
        for (double v : varden) {
            EXPECT_NEAR(serie[i].Varde, v, 1e-3) << "punkt " << i;
            EXPECT_EQ(serie[i].Farg, farg) << "punkt " << i;
            EXPECT_EQ(serie[i].Etikett, etiketter[i]) << "punkt " << i;
            ++i;
        }
    }
    static void ForvantaTomma(const TStapelserier& serier, std::initializer_list<int> fyllda) {
        for (int s = 1; s <= AntalStapelserier; ++s)
            if (std::find(fyllda.begin(), fyllda.end(), s) == fyllda.end()) {
                EXPECT_TRUE(serier[s - 1].isEmpty()) << "serie " << s;
            }
    }
    TTillstand t;
};

TEST(Stapelfarg, NioFargerUpprepasOverDeTrettioSerierna) {
    const struct {
        int serie;
        TFarg farg;
    } fall[] = {{1, Farg::Bla},     {2, Farg::Rod},       {3, Farg::Gron},  {4, Farg::Fuchsia},
                {5, Farg::Lila},    {6, Farg::Ljusgron},  {7, Farg::Silver}, {8, Farg::Aqua},
                {9, Farg::Morklila}, {10, Farg::Bla},     {18, Farg::Morklila}, {28, Farg::Bla},
                {29, Farg::Rod},    {30, Farg::Gron}};
    for (const auto& f : fall) EXPECT_EQ(Stapelfarg(f.serie), f.farg) << f.serie;
    EXPECT_EQ(Farg::Ljusgron, (TFarg{128, 255, 128}));
    EXPECT_EQ(Farg::Morklila, (TFarg{64, 0, 64}));
}

// The grid's text shares the first five colours with the segments and
// differs at rows 6, 7 and 9; rows past 9 count again from 1.
TEST(Radtextfarg, TioFargerDarRadOver9RaknasOmFranEtt) {
    const std::pair<int, TFarg> fall[] = {{0, Farg::Svart}, {1, Farg::Bla},   {5, Farg::Lila}, {6, Farg::Lime},
                                          {7, Farg::Gra},   {8, Farg::Aqua},  {9, Farg::Svart}, {10, Farg::Bla},
                                          {18, Farg::Svart}, {29, Farg::Rod}};
    for (const auto& [rad, farg] : fall) EXPECT_EQ(Radtextfarg(rad), farg) << rad;
}

TEST_F(DiagramTest, MaltidMedPlats1Och3FyllerSerie1Och3IDelAvMaltidensAndel) {
    Atit(0, 0, 1, 100, {{EnergiKj, 500}, {Protein, 10}});
    Atit(0, 0, 3, 50, {{EnergiKj, 200}, {Protein, 20}});
    Visa(0);
    const TStapelserier serier = Staplar(t);
    // Breakfast is a quarter of the day: 50 % of the day's energy is 200 %.
    const QStringList etiketter{"Energi kJ    600", "Protein g   20.0"};
    ForvantaSerie(serier[0], {200, 80}, Farg::Bla, etiketter);
    ForvantaSerie(serier[2], {40, 80}, Farg::Gron, etiketter);
    ForvantaTomma(serier, {1, 3});
}

TEST_F(DiagramTest, MaltidSomTackerSinAndelNar100) {
    t.Installningar.Maltidsandel[1] = 0.30f;
    Atit(2, 1, 1, 100, {{EnergiKj, 150}, {Protein, 7.5}});
    Atit(2, 1, 2, 100, {{EnergiKj, 150}, {Protein, 7.5}});
    Visa(0, 2, 1);
    const TStapelserier serier = Staplar(t);
    for (int i = 0; i < 2; ++i) EXPECT_NEAR(serier[0][i].Varde + serier[1][i].Varde, 100, 1e-3) << i;
}

TEST_F(DiagramTest, DagenDelasIFyraMaltiderAvDagsbehovet) {
    Atit(1, 0, 1, 100, {{EnergiKj, 300}, {Protein, 5}});
    Atit(1, 2, 4, 200, {{EnergiKj, 100}, {Protein, 10}});
    Atit(0, 2, 1, 100, {{EnergiKj, 999}});  // another day, not shown
    t.Behov.Dagsbehov[Protein] = 0.0005f;  // too small a need gives no bar
    Visa(1, 1, 3);
    const TStapelserier serier = Staplar(t);
    const QStringList etiketter{"Energi kJ    500", "Protein g   25.0"};
    ForvantaSerie(serier[0], {30, 0}, Farg::Bla, etiketter);
    ForvantaSerie(serier[1], {0, 0}, Farg::Rod, etiketter);
    ForvantaSerie(serier[2], {20, 0}, Farg::Gron, etiketter);
    ForvantaSerie(serier[3], {0, 0}, Farg::Fuchsia, etiketter);
    ForvantaTomma(serier, {1, 2, 3, 4});
}

TEST_F(DiagramTest, PeriodenVisarMedelPerDagMedIntagISerie1) {
    Atit(0, 0, 1, 100, {{EnergiKj, 800}, {Protein, 30}});
    Atit(4, 3, 2, 100, {{EnergiKj, 400}, {Protein, 10}});
    Visa(2, 4, 3);
    const TStapelserier serier = Staplar(t);
    ForvantaSerie(serier[0], {60, 40}, Farg::Bla, {"Energi kJ    600", "Protein g   20.0"});
    ForvantaTomma(serier, {1});
}

TEST_F(DiagramTest, UtanValdaNaringsamnenArAllaSerierTomma) {
    Atit(0, 0, 1, 100, {{EnergiKj, 800}});
    t.Urval.Valda = {};
    Visa(0);
    ForvantaTomma(Staplar(t), {});
}

TEST_F(DiagramTest, AlkoholOver1ProcentGerAlkoOchAlkoMax) {
    // 20 g protein, 10 g fat, 41.82 g carbohydrates and 1 g alcohol: 2 % alcohol.
    Atit(3, 1, 1, 100, {{Protein, 20}, {Fett, 10}, {Kolhydrater, 41.8235}, {Alkohol, 1}});
    Visa(1, 3);
    const TSerie verklig = VerkligCirkel(t);
    ASSERT_EQ(verklig.size(), 4);
    const QStringList etiketter{"Prot", "Fett", "Kolh", "Alko"};
    const TFarg farger[] = {Farg::Rod, Farg::Bla, Farg::Gron, Farg::Gul};
    const TEnergifordelning& e = t.Resultat.DagsEnergi[3];
    const float andelar[] = {e.Prot, e.Fett, e.Kolh, e.Alko};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(verklig[i], (TPunkt{andelar[i], etiketter[i], farger[i]})) << i;
    }
    EXPECT_NEAR(verklig[3].Varde, 2, 0.01);
    EXPECT_EQ(IdealCirkel(t), (TSerie{{15, "Prot", Farg::Rod},
                                      {30, "Fett", Farg::Bla},
                                      {55, "Kolh", Farg::Gron},
                                      {5, "Alko max", Farg::Gul}}));
}

TEST_F(DiagramTest, TomMaltidGerTomVerkligOchTreIdealaSkivor) {
    Atit(0, 1, 1, 100, {{Protein, 20}, {Alkohol, 10}});  // another meal of the day
    t.Installningar.Idealfordelning.Protein = 20;
    t.Installningar.Idealfordelning.Kolhydrat = 50;
    Visa(0, 0, 0);
    EXPECT_TRUE(VerkligCirkel(t).isEmpty());
    EXPECT_EQ(IdealCirkel(t), (TSerie{{20, "Prot", Farg::Rod}, {30, "Fett", Farg::Bla}, {50, "Kolh", Farg::Gron}}));
}

TEST_F(DiagramTest, RubrikenFoljerVyMaltidOchDag) {
    Atit(1, 1, 1, 100, {{EnergiKj, 800}});
    const struct {
        int visning, dag, maltid;
        const char* rubrik;
    } fall[] = {{0, 1, 1, "Näring i % av behovet för Lunch DAG2"},
                {0, 2, 3, "Näring i % av behovet för Mellanmål dag3"},
                {1, 1, 0, "Näring i % av behovet för hela DAG2"},
                {1, 0, 0, "Näring i % av behovet för hela dag1"},
                {2, 1, 1, "Näring i % av dagsbehovet för perioden"}};
    for (const auto& f : fall) {
        Visa(f.visning, f.dag, f.maltid);
        EXPECT_EQ(Stapelrubrik(t), QString::fromUtf8(f.rubrik));
    }
}

TEST(Sidstorlek, UndvikerEnEnsamStapelPaSistaSidan) {
    const struct {
        int hojd, antal, sida;
        bool knappar;
    } fall[] = {
        {229, 17, 7, true},   // 8 a page would leave 17 = 2 * 8 + 1
        {224, 9, 7, true},    // room for 8: 8 + 1 = 9
        {10, 1, 0, true},     // a very low chart: 0 + 1 = 1 would give -1
        {500, 5, 5, false},   // everything on one page
        {229, 8, 8, false},
        {229, 25, 7, true},   // 3 * 8 + 1 = 25
        {229, 26, 8, true},
        {229, 0, 0, false},
        {42, 20, 2, true},    // 1.5 rounds up to 2
        {70, 20, 2, true},    // 2.5 rounds down to 2, halves to even
        {56, 5, 0, true},     // 2 * 2 + 1 = 5 gives 1, then 4 * 1 + 1 = 5 gives 0
    };
    for (const auto& f : fall) {
        const int p = Sidstorlek(f.hojd, f.antal);
        EXPECT_EQ(p, f.sida) << f.hojd << " px, " << f.antal << " ämnen";
        EXPECT_EQ(VisaSidknappar(p, f.antal), f.knappar) << f.hojd << " px, " << f.antal << " ämnen";
    }
}

TEST(HundraprocentX, MittPaAxelnMedBrakdelenAvskuren) {
    EXPECT_EQ(HundraprocentX(40, 301), 190);
    EXPECT_EQ(HundraprocentX(40.7, 299.9), 189);
}

}  // namespace
