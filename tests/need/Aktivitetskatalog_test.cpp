#include "need/Aktivitetskatalog.h"

#include "platform/Textfil.h"
#include "stod/Fixtur.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace matvarda {
namespace {

TEST(Aktivitetskatalog, TioRaderFyllerRaderna0Till4) {
    QTemporaryDir mapp;
    const QString fil = mapp.filePath(Aktivitetskatalogfil);
    test::SkrivBytes(fil, "Aktivitet\r\nBMR-faktor\r\nSova\r\n0.95\r\nG\xe5\r\n3\r\nCykla\r\n6,8\r\nL\xf6pa\r\n9.8\n");
    TAktivitetskatalog katalog;
    katalog[7] = {"gammal", "1"};
    ASSERT_TRUE(LasAktivitetskatalog(fil, katalog));
    EXPECT_EQ(katalog[0], (TAktivitetspost{"Aktivitet", "BMR-faktor"}));
    EXPECT_EQ(katalog[2], (TAktivitetspost{"Gå", "3"}));
    EXPECT_EQ(katalog[4], (TAktivitetspost{"Löpa", "9.8"}));
    for (int r = 5; r < AntalKatalograder; ++r) EXPECT_EQ(katalog[r], TAktivitetspost{}) << r;
}

TEST(Aktivitetskatalog, SparadOchLastIgenUtomNamnKortareAn3) {
    TAktivitetskatalog katalog;
    katalog[0] = {"Aktivitet", "BMR-faktor"};
    katalog[1] = {"Gå", "3"};
    katalog[2] = {"Öka", "2"};
    katalog[299] = {"Zumba", "7,3"};
    QTemporaryDir mapp;
    const QString fil = mapp.filePath(Aktivitetskatalogfil);
    ASSERT_TRUE(SparaAktivitetskatalog(fil, katalog));
    const auto rader = LasTextrader(fil);
    ASSERT_TRUE(rader);
    ASSERT_EQ(rader->size(), 600);
    EXPECT_EQ(rader->mid(0, 6), (QStringList{"Aktivitet", "BMR-faktor", "", "", "Öka", "2"}));
    EXPECT_EQ(rader->mid(598), (QStringList{"Zumba", "7,3"}));

    TAktivitetskatalog last;
    ASSERT_TRUE(LasAktivitetskatalog(fil, last));
    katalog[1] = {};
    EXPECT_EQ(last, katalog);
}

TEST(Aktivitetskatalog, SaknadFilLamnarKatalogenOchMisslyckadSparningGamlaFilen) {
    QTemporaryDir mapp;
    TAktivitetskatalog katalog;
    katalog[1] = {"Sova", "0.95"};
    EXPECT_FALSE(LasAktivitetskatalog(mapp.filePath("saknas.txt"), katalog));
    EXPECT_EQ(katalog[1].Namn, "Sova");
    EXPECT_FALSE(SparaAktivitetskatalog(mapp.filePath("saknas/aktiv.txt"), katalog));
}

TEST(Aktivitetskatalog, ValbaraEfterRubrikenISvenskOrdning) {
    TAktivitetskatalog katalog;
    katalog[0] = {"Aktivitet", "BMR-faktor"};
    const TAktivitetspost poster[]{{"Öl", "1"},  {"Åka skidor", "7"}, {"cykla", "4"}, {"Ägna sig åt yoga", "2.5"},
                                   {"Bada", "3"}, {"", "9"},           {"Zumba", "7"}, {"abc", "2"}};
    for (int i = 0; i < 8; ++i) katalog[1 + 40 * i] = poster[i];
    const std::vector<TAktivitetspost> valbara = Valbaraaktiviteter(katalog);
    QStringList namn;
    for (const auto& post : valbara) namn << post.Namn;
    EXPECT_EQ(namn, (QStringList{"abc", "Bada", "cykla", "Zumba", "Åka skidor", "Ägna sig åt yoga"}));
    EXPECT_EQ(valbara[4].Faktor, "7");
}

}  // namespace
}  // namespace matvarda
