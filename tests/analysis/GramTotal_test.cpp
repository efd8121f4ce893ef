#include "analysis/GramTotal.h"

#include "calc/RaknaOm.h"
#include "stod/Fixtur.h"

#include <gtest/gtest.h>
#include <memory>

using namespace matvarda;
using namespace matvarda::test;

namespace {

constexpr int ProteinNr = 19;
constexpr int KalciumNr = 34;
constexpr int Kalcium = KalciumNr - ForstaNaringsnummer;

class GramTotalTest : public ::testing::Test {
protected:
    GramTotalTest() {
        t->Katalog.NamnEnhet[ProteinNr] = QStringLiteral("Protein g");
        t->Katalog.Enhetsnamn[ProteinNr] = QStringLiteral("g");
        t->Katalog.Decimaler[ProteinNr] = 1;
        t->Katalog.Enhetsnamn[KalciumNr] = QStringLiteral("mg");
    }
    void Ata(int dag, int maltid, int plats, const QString& namn, float gram, std::map<int, double> per100g) {
        TMaltidsrad& rad = t->Dagbok.Berakning[dag][maltid][plats];
        rad.Kod = QStringLiteral("1001");
        rad.Livsmedel = namn;
        rad.Gram = gram;
        rad.Naring = Naringar(std::move(per100g));
    }
    TSerie Kallor(int val, bool allaDagar) {
        RaknaOm(*t);
        return Naringskallor(*t, val, allaDagar);
    }
    static QStringList Etiketter(const TSerie& staplar) {
        QStringList etiketter;
        for (const TPunkt& p : staplar) etiketter << p.Etikett;
        return etiketter;
    }
    std::unique_ptr<TTillstand> t = std::make_unique<TTillstand>();
};

TEST_F(GramTotalTest, SammaLivsmedelIFleraMaltiderBlirEnStapel) {
    Ata(0, 0, 1, "Mjölk", 200, {{EnergiKj, 250}, {Protein, 3.4}});
    Ata(0, 2, 7, "Mjölk", 150.5f, {{EnergiKj, 250}, {Protein, 3.4}});
    Ata(0, 1, 1, "Ost", 20, {{EnergiKj, 1400}, {Protein, 25}});
    const TSerie staplar = Kallor(ProteinNr, false);
    ASSERT_EQ(staplar.size(), 2);
    EXPECT_FLOAT_EQ(staplar[0].Varde, 11.9f);
    EXPECT_EQ(staplar[0].Etikett, "Mjölk (350.5g)   11.9g");
    EXPECT_FLOAT_EQ(staplar[1].Varde, 5.0f);
    EXPECT_EQ(staplar[1].Etikett, "Ost (20.0g)    5.0g");
    EXPECT_NE(staplar[0].Farg, staplar[1].Farg);
}

TEST_F(GramTotalTest, ViktVisarGrammenUtanDecimalerOchNamnetsForsta25Tecken) {
    Ata(0, 0, 1, "Abcdefghijklmnopqrstuvwxyzåäö", 250, {{EnergiKj, 100}});
    Ata(0, 0, 2, "Te", 0.1f, {{EnergiKj, 100}});  // 0.1 g is left out
    const TSerie staplar = Kallor(ViktVal, false);
    ASSERT_EQ(staplar.size(), 1);
    EXPECT_EQ(staplar[0].Varde, 250);
    EXPECT_EQ(staplar[0].Etikett, "Abcdefghijklmnopqrstuvwxy   250");
}

// The meal's energy decides, not its rows: a meal of 0.1 kJ is left out
// even when it holds grams.
TEST_F(GramTotalTest, MaltidMedHogst01KjHoppasOver) {
    Ata(0, 0, 1, "Vatten", 300, {});
    Ata(0, 1, 1, "Buljong", 100, {{EnergiKj, 0.1}});
    Ata(0, 2, 1, "Saft", 100, {{EnergiKj, 0.11}});
    EXPECT_EQ(Etiketter(Kallor(ViktVal, false)), QStringList({"Saft   100"}));
}

TEST_F(GramTotalTest, LikaMangdIOmvandNamnordningOchDagarnasSumma) {
    Ata(0, 0, 1, "Banan", 100, {{EnergiKj, 400}, {Kalcium, 5}});
    Ata(0, 0, 2, "Äpple", 100, {{EnergiKj, 200}, {Kalcium, 5}});
    Ata(3, 3, 1, "Abborre", 50, {{EnergiKj, 300}, {Kalcium, 10}});
    Ata(6, 1, 1, "Banan", 100, {{EnergiKj, 400}, {Kalcium, 5}});
    EXPECT_EQ(Etiketter(Kallor(KalciumNr, false)), QStringList({"Äpple (100g)      5mg", "Banan (100g)      5mg"}));
    EXPECT_EQ(Etiketter(Kallor(KalciumNr, true)),
              QStringList({"Banan (200g)     10mg", "Äpple (100g)      5mg", "Abborre (50g)      5mg"}));
    t->Dagbok.AktuellDag = 3;
    EXPECT_EQ(Etiketter(Kallor(KalciumNr, false)), QStringList({"Abborre (50g)      5mg"}));
}

TEST_F(GramTotalTest, ValenArViktOchDeValdaNaringsamnena) {
    t->Urval.Valda[ProteinNr] = true;
    t->Urval.Valda[65] = true;
    EXPECT_EQ(Kallval(t->Urval), QVector<int>({ViktVal, ProteinNr, 65}));
    EXPECT_EQ(Kallvalstext(t->Katalog, ViktVal), "Vikt");
    EXPECT_EQ(Kallvalstext(t->Katalog, ProteinNr), "Protein g");
    EXPECT_EQ(Kallrubrik(t->Katalog, ViktVal), "Livsmedelsvikt");
    EXPECT_EQ(Kallrubrik(t->Katalog, ProteinNr), "Protein g");
}

}  // namespace
