#include "calc/Formsiffror.h"
#include "calc/RaknaOm.h"

#include <QTableWidget>
#include <gtest/gtest.h>

using namespace matvarda;

namespace {

class FormsiffrorTest : public ::testing::Test {
protected:
    FormsiffrorTest() {
        for (int n = 15; n <= 26; ++n) {
            t.Urval.Valda[n] = true;
            t.Katalog.NamnEnhet[n] = QStringLiteral("Ämne %1").arg(n);
        }
        for (int k : {1, 3}) {
            TMaltidsrad& rad = t.Dagbok.Berakning[0][0][k];
            rad.Kod = QString::number(k);
            rad.Livsmedel = QStringLiteral("Mat %1").arg(k);
            rad.Gram = 100.0f * k;
            rad.Naring[0] = 10;
        }
        RaknaOm(t);
    }
    QString Cell(int rad, int kolumn) const { return siffror.StringGridSiffror->item(rad, kolumn)->text(); }
    int ForstaTommaRad() const {
        int r = 1;
        while (r < siffror.StringGridSiffror->rowCount() && !Cell(r, 0).isEmpty()) ++r;
        return r;
    }

    TTillstand t;
    TFormsiffror siffror{t, nullptr};
};

TEST_F(FormsiffrorTest, TolvAmnenFyllerRad1Till12OchFarreTommerResten) {
    ASSERT_EQ(siffror.StringGridSiffror->rowCount(), 100);
    ASSERT_EQ(siffror.StringGridSiffror->columnCount(), 4);
    t.Dagbok.AktuellRad = 1;
    siffror.FyllSiffror();
    EXPECT_EQ(Cell(1, 0), "Ämne 15");
    EXPECT_EQ(Cell(12, 0), "Ämne 26");
    EXPECT_EQ(ForstaTommaRad(), 13);
    for (int r = 13; r < 100; ++r)
        for (int k = 0; k < 4; ++k) ASSERT_TRUE(Cell(r, k).isEmpty()) << r << "," << k;

    t.Urval.Valda[20] = false;
    t.Urval.Valda[26] = false;
    RaknaOm(t);
    siffror.FyllSiffror();
    EXPECT_EQ(ForstaTommaRad(), 11);
    EXPECT_TRUE(Cell(12, 3).isEmpty());
}

TEST_F(FormsiffrorTest, RadenSomValtsVisasIRubrikenOchKolumn1) {
    t.Dagbok.AktuellRad = 3;
    siffror.FyllSiffror();
    EXPECT_EQ(Cell(0, 1), "Mat 3  300 gram");
    EXPECT_EQ(Cell(0, 2), "Frukost");
    EXPECT_EQ(Cell(0, 3), "DAG1");
    EXPECT_EQ(Cell(1, 1), "30");
    EXPECT_EQ(Cell(1, 2), "    40");
    EXPECT_EQ(Cell(1, 3), "    40");

    t.Dagbok.AktuellRad = 1;
    siffror.FyllSiffror();
    EXPECT_EQ(Cell(0, 1), "Mat 1  100 gram");
    EXPECT_EQ(Cell(1, 1), "10");
}

}  // namespace
