#include "core/Livsmedel.h"
#include "stod/Fixtur.h"

#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

void SkapaTabeller(const QString& mapp, const QVector<Provlivsmedel>& livsmedel) {
    SkapaLivsmedelstabell(mapp, "fodtab100", livsmedel);
    SkapaLivsmedelstabell(mapp, "fodtab2005", {});
}

TEST(OppnaLivsmedelstabeller, TomTabellGerBaraBrod) {
    QTemporaryDir mapp;
    SkapaTabeller(mapp.path(), {});
    TLivsmedelstabeller tabeller;
    TLivsmedelskatalog katalog;
    OppnaLivsmedelstabeller(mapp.path(), tabeller, katalog);
    EXPECT_EQ(katalog.AntalLivsmedel, 0);
    EXPECT_EQ(katalog.Grupplista, QStringList({"Bröd"}));
}

TEST(OppnaLivsmedelstabeller, ListanFoljerNamnordningOchGrupperLaggsTillEnGang) {
    QTemporaryDir mapp;
    const QString langt = QString("Långt namn ").repeated(10);
    SkapaTabeller(mapp.path(), {{"6001", "Rågbröd", "Bröd", "Bröd,spannmål", "skiva", 37.5, "40"},
                                {"2001", "Äpple", "Frukt, bär", "Frukt,bär", "st", 150, "25"},
                                {"2002", "apelsin", "Frukt, bär", "Frukt,bär", "st", 150, "20"},
                                {"A001", langt, "Rätter", "Övrigt", "portion", 350, ""},
                                {"1001", "Gurka", "Grönsaker, baljväxter, svamp", "Grönsaker", "st", 300, ""}});
    TLivsmedelstabeller tabeller;
    TLivsmedelskatalog katalog;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    OppnaLivsmedelstabeller(mapp.path(), tabeller, katalog);
    QLocale::setDefault(QLocale::c());

    ASSERT_EQ(katalog.AntalLivsmedel, 5);
    QStringList namn;
    for (const auto& post : katalog.Livsmedelslista) namn << post.Livsmedel;
    EXPECT_EQ(namn, QStringList({"apelsin", "Gurka", langt.left(80), "Rågbröd", "Äpple"}));
    EXPECT_EQ(katalog.Grupplista,
              QStringList({"Bröd", "Frukt, bär", "Grönsaker, baljväxter, svamp", "Rätter"}));
    const TLivsmedelspost& brod = katalog.Livsmedelslista[3];
    EXPECT_EQ(brod.Kod, "6001");
    EXPECT_EQ(brod.Grupp2, "Bröd,spannmål");
    EXPECT_EQ(brod.Enhet, "skiva");
    EXPECT_EQ(brod.Portionsstorlek, "37,5");  // the system's decimal separator
}

TEST(OppnaLivsmedelstabeller, SaknadTabellGerTabellensFel) {
    QTemporaryDir mapp;
    SkapaLivsmedelstabell(mapp.path(), "fodtab100", {});
    TLivsmedelstabeller tabeller;
    TLivsmedelskatalog katalog;
    EXPECT_THROW(OppnaLivsmedelstabeller(mapp.path(), tabeller, katalog), Tabellfel);
}

TEST(HamtaLivsmedel, HittarPaHelaKodenOchLaserNaringPaPosition) {
    QTemporaryDir mapp;
    SkapaTabeller(mapp.path(), {{"2001", "Äpple", "Frukt, bär", "Frukt,bär", "st", 150, "25", {{0, 220}, {50, 0.3}}},
                                {"20011", "Äppelmos", "Frukt, bär", "Frukt,bär", "dl", 100, "30"}});
    TLivsmedelstabeller tabeller;
    TLivsmedelskatalog katalog;
    OppnaLivsmedelstabeller(mapp.path(), tabeller, katalog);
    ASSERT_TRUE(HamtaLivsmedel(tabeller.Fodtab100, "2001"));
    EXPECT_EQ(tabeller.Fodtab100.Text("livsmedel"), "Äpple");
    EXPECT_DOUBLE_EQ(tabeller.Fodtab100.Flyttal(14), 220.0);
    EXPECT_NEAR(tabeller.Fodtab100.Flyttal(64), 0.3, 1e-9);
    EXPECT_FALSE(HamtaLivsmedel(tabeller.Fodtab100, "200"));
    EXPECT_FALSE(HamtaLivsmedel(tabeller.Fodtab100, "9999"));
}

}  // namespace
