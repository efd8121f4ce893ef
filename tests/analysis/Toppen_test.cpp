#include "analysis/Toppen.h"

#include "stod/Fixtur.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

constexpr int ProteinNr = 19;
constexpr int SelenNr = 65;

class ToppenTest : public ::testing::Test {
protected:
    ToppenTest() {
        katalog.Enhetsnamn[ProteinNr] = QStringLiteral("g");
        katalog.Enhetsnamn[SelenNr] = QStringLiteral("ug");
        SkapaLivsmedelstabell(mapp.path(), "fodtab100",
                              {
                                  {"1", "Spår", "", "", "st", 100, "", {{Protein, 0.011}}},
                                  {"2", "Lite", "", "", "st", 100, "", {{Protein, 0.012}}},
                                  {"3", "Krydda", "", "", "krm", 0.4, "", {{Protein, 40}}},
                                  {"4", "Ost", "", "", "skiva", 150, "", {{Protein, 12.5}, {Selen, 8}}},
                                  {"5", "RESERV", "", "", "st", 100, "", {{Protein, 99}}},
                                  {"6", "Banan", "", "", "st", 100, "", {{Protein, 5}}},
                                  {"7", "Ärtor", "", "", "dl", 100, "", {{Protein, 5}}},
                                  {"8", "Abborre", "", "", "st", 100, "", {{Protein, 5}}},
                                  {"9", "Skorpa", "", "", "st", 10.6, "", {{Protein, 100}}},
                              });
        fodtab100.Oppna();
    }
    static constexpr int Selen = SelenNr - ForstaNaringsnummer;

    QTemporaryDir mapp;
    Tabell fodtab100{mapp.path(), "fodtab100"};
    TNaringskatalog katalog;
};

TEST(Toppnaringsamnen, FyrtioniominusVattenOchAska) {
    const QVector<int> nummer = Toppnaringsamnen();
    ASSERT_EQ(nummer.size(), 49);
    EXPECT_EQ(nummer[0], 15);
    EXPECT_EQ(nummer[1], 16);
    EXPECT_EQ(nummer[2], 19);
    EXPECT_EQ(nummer[48], 65);
}

TEST_F(ToppenTest, Per100GramStorstForstLikaMangdOmvandNamnordning) {
    EXPECT_EQ(Topplistan(fodtab100, katalog, ProteinNr, true), QStringList({
                                                                   "    100.00 g Skorpa",
                                                                   "     40.00 g Krydda",
                                                                   "     12.50 g Ost",
                                                                   "      5.00 g Ärtor",
                                                                   "      5.00 g Banan",
                                                                   "      5.00 g Abborre",
                                                                   "      0.01 g Lite",
                                                               }));
}

TEST_F(ToppenTest, PerPortionUtanPortionerUnderEnHalvGram) {
    EXPECT_EQ(Topplistan(fodtab100, katalog, ProteinNr, false), QStringList({
                                                                    "     18.75 g Ost (150 g)",
                                                                    "     10.60 g Skorpa (11 g)",
                                                                    "      5.00 g Ärtor (100 g)",
                                                                    "      5.00 g Banan (100 g)",
                                                                    "      5.00 g Abborre (100 g)",
                                                                    "      0.01 g Lite (100 g)",
                                                                }));
}

TEST_F(ToppenTest, SistaNaringsamnetLasesFranSittFalt) {
    EXPECT_EQ(Topplistan(fodtab100, katalog, SelenNr, false), QStringList({"     12.00 ug Ost (150 g)"}));
}

}  // namespace
