#include "need/Nvval.h"

#include "platform/Textfil.h"
#include "stod/Fixtur.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <set>

namespace matvarda {
namespace {

std::set<int> Valda(const TUrval& urval) {
    std::set<int> valda;
    for (int n = 0; n <= SistaNaringsnummer; ++n)
        if (urval.Valda[n]) valda.insert(n);
    return valda;
}

TEST(LasNvval, ValjerNumrenIValfriOrdning) {
    struct {
        const char* Namn;
        QByteArray Innehall;
        std::set<int> Valda;
        int AntalValda;
        bool Fel;
    } const fallen[]{
        {"stigande", "16\r\n19\r\n20\r\n21\r\n", {16, 19, 20, 21}, 4, false},
        {"fallande, LF och utan sista radslut", "21\n20\n19\n16", {16, 19, 20, 21}, 4, false},
        {"aska utan ruta raknas", "18\r\n65\r\n", {18, 65}, 2, false},
        {"utanfor 15..65 valjer inget som visas", "3\r\n66\r\n-1\r\n1000\r\n15\r\n", {3, 15}, 1, false},
        {"tom rad hoppas over", "15\r\n\r\n16\r\n", {15, 16}, 2, false},
        {"felaktig rad avslutar lasningen", "15\r\n16\r\nabc\r\n17\r\n", {15, 16}, 2, true},
        {"tom fil", "", {}, 0, false},
    };
    for (const auto& fall : fallen) {
        SCOPED_TRACE(fall.Namn);
        QTemporaryDir mapp;
        const QString fil = QDir(mapp.path()).filePath("nvval.txt");
        test::SkrivBytes(fil, fall.Innehall);
        TUrval urval;
        urval.Valda[40] = true;  // an earlier selection is cleared
        const auto fel = LasNvval(fil, urval);
        EXPECT_EQ(Valda(urval), fall.Valda);
        EXPECT_EQ(urval.AntalValda, fall.AntalValda);
        EXPECT_EQ(fel.has_value(), fall.Fel);
    }
}

TEST(LasNvval, SaknadFilValjerIngentingOchSagerDet) {
    QTemporaryDir mapp;
    TUrval urval;
    urval.Valda[40] = true;
    const auto fel = LasNvval(QDir(mapp.path()).filePath("nvval.txt"), urval);
    ASSERT_TRUE(fel);
    EXPECT_TRUE(fel->contains("nvval.txt"));
    EXPECT_TRUE(Valda(urval).empty());
}

TEST(SkrivNvval, StigandeEnPerRad) {
    QTemporaryDir mapp;
    const QString fil = QDir(mapp.path()).filePath("nvval.txt");
    TUrval urval;
    for (int n : {65, 16, 20, 17}) urval.Valda[n] = true;
    ASSERT_TRUE(SkrivNvval(fil, urval));
    EXPECT_EQ(LasFil(fil), QByteArray("16\r\n17\r\n20\r\n65\r\n"));
}

TEST(Nvrutor, FemtioRutorUtanAska) {
    std::set<int> nummer;
    for (const auto& kolumn : Nvkolumner)
        for (const TNvruta& ruta : kolumn) {
            EXPECT_TRUE(HarRuta(ruta.Nummer)) << ruta.Nummer;
            nummer.insert(ruta.Nummer);
        }
    std::set<int> vantat;
    for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n)
        if (n != 18) vantat.insert(n);
    EXPECT_EQ(nummer, vantat);
}

}  // namespace
}  // namespace matvarda
