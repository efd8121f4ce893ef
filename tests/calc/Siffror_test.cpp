#include "calc/RaknaOm.h"
#include "calc/Siffror.h"
#include "stod/Fixtur.h"

#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class SiffrorTest : public ::testing::Test {
protected:
    SiffrorTest() {
        for (int n = 15; n <= 26; ++n) {
            t.Urval.Valda[n] = true;
            t.Katalog.NamnEnhet[n] = QStringLiteral("Ämne %1").arg(n);
            t.Katalog.Decimaler[n] = n == 16 ? 2 : 0;
        }
        t.Dagbok.AktuellDag = 1;
        t.Dagbok.AktuellMaltid = 2;
        t.Dagbok.Maltidsnamn = QStringLiteral("Middag");
        Atit(1, 2, 1, 100, {{0, 400}, {1, 1.5}});
        t.Dagbok.Berakning[1][2][3].Livsmedel = QStringLiteral("Ost");
        Atit(1, 2, 3, 50, {{0, 300}, {1, 2.26}, {2, -4}});
        Atit(1, 0, 1, 100, {{0, 1000}});
        RaknaOm(t);
    }
    void Atit(int dag, int maltid, int plats, float gram, std::map<int, double> per100g) {
        TMaltidsrad& rad = t.Dagbok.Berakning[dag][maltid][plats];
        rad.Kod = QString::number(plats);
        rad.Gram = gram;
        rad.Naring = Naringar(per100g);
    }
    TTillstand t;
};

TEST_F(SiffrorTest, EnRadPerValtAmneMedRadensMaltidensOchDagensMangd) {
    t.Dagbok.AktuellRad = 3;
    const TSiffror s = Siffror(t);
    EXPECT_EQ(s.Rubrik, (std::array<QString, 3>{"Ost  50 gram", "Middag", "DAG2"}));
    ASSERT_EQ(s.Rader.size(), 12);
    using Rad = std::array<QString, SiffrorKolumner>;
    EXPECT_EQ(s.Rader[0], (Rad{"Ämne 15", "150", "   550", "  1550"}));
    EXPECT_EQ(s.Rader[1], (Rad{"Ämne 16", "1.13", "  2.63", "  2.63"}));
    EXPECT_EQ(s.Rader[2], (Rad{"Ämne 17", "-", "    -2", "    -2"}));
    EXPECT_EQ(s.Rader[11], (Rad{"Ämne 26", "0", "     0", "     0"}));
}

TEST_F(SiffrorTest, EnTomRadGerNollorOchFarreAmnenFarreRader) {
    t.Urval.Valda[15] = false;
    t.Urval.Valda[26] = false;
    for (int rad : {2, 0, 30}) {
        t.Dagbok.AktuellRad = rad;
        const TSiffror s = Siffror(t);
        EXPECT_EQ(s.Rubrik[0], "   gram") << rad;
        ASSERT_EQ(s.Rader.size(), 10) << rad;
        EXPECT_EQ(s.Rader[0][0], "Ämne 16");
        EXPECT_EQ(s.Rader[0][1], "0.00") << rad;
    }
}

}  // namespace
