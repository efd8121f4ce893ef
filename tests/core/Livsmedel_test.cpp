#include "core/Livsmedel.h"
#include "core/Tabellayout.h"
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
    EXPECT_THROW(OppnaLivsmedelstabeller(mapp.path(), tabeller, katalog), Fel);
}

// Tables edited outside the program are refused at the start, with the
// field and the table named, instead of failing at the first food added.
TEST(OppnaLivsmedelstabeller, TabellMedFelLayoutVagrasMedNamnetPaFaltet) {
    QStringList sistaNaringarna;
    for (int i = AntalNaringsamnen - 10; i < AntalNaringsamnen; ++i) sistaNaringarna << Naringsfaltnamn[i];
    const struct {
        const char* tabell;
        QStringList utan;
        QString nyckel;
        QString meddelande;  // %1: the table's file
    } fall[] = {
        {"fodtab100", {"kgpris"}, "Kod", "Fältet kgpris saknas i livsmedelstabellen fodtab100."},
        {"fodtab100", {"port4"}, "Kod", "Fältet port4 saknas i livsmedelstabellen fodtab100."},
        {"fodtab2005", {"port1"}, "Kod", "Fältet port1 saknas i livsmedelstabellen fodtab2005."},
        {"fodtab100", sistaNaringarna, "Kod",
         "Livsmedelstabellen fodtab100 har bara 63 fält; näringsvärdena ska stå i fälten 15 till 65."},
        {"fodtab100", {"Res2"}, "Kod",
         "Fältet Enhet1 i livsmedelstabellen fodtab100 står bland näringsvärdena (fälten 15 till 65)."},
        {"fodtab100", {}, "", "Tabellen fodtab100 har ingen primärnyckel på ett fält (%1)"},
        {"fodtab100", {}, "Livsmedel", "Livsmedelstabellen fodtab100 har inte sin primärnyckel på fältet Kod."},
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.meddelande.toStdString());
        QTemporaryDir mapp;
        SkapaTabeller(mapp.path(), {});
        QVector<Faltdefinition> falt = Livsmedelsfalt();
        falt.removeIf([&](const Faltdefinition& d) { return f.utan.contains(d.Namn); });
        Tabell::Skapa(mapp.path(), f.tabell, falt, f.nyckel, {{"livsmedel", "Livsmedel"}});
        TLivsmedelstabeller tabeller;
        TLivsmedelskatalog katalog;
        try {
            OppnaLivsmedelstabeller(mapp.path(), tabeller, katalog);
            ADD_FAILURE() << "tabellen godtogs";
        } catch (const Fel& fel) {
            const QString fil = Tabell(mapp.path(), f.tabell).Filsokvag();
            EXPECT_EQ(fel.Meddelande(), f.meddelande.contains("%1") ? f.meddelande.arg(fil) : f.meddelande);
        }
    }
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
