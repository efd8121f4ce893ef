#include "core/Livsmedel.h"
#include "matvarda/Maltidsrader.h"
#include "platform/SkriptadeDialoger.h"
#include "stod/Fixtur.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class MaltidsraderTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        SkapaLivsmedelstabell(mapp.path(), "fodtab100",
                              {{"2001", "Äpple", "Frukt", "Frukt,bär", "st", 120, "25", {{0, 220}, {50, 0.5}},
                                {"dl", "skiva"}, {60, 10}},
                               {"4001", "Mjölk", "Mejeri", "Mjölk", "glas", 200, "12,50", {{0, 250}}}});
        SkapaLivsmedelstabell(mapp.path(), "fodtab2005", {});
        OppnaLivsmedelstabeller(mapp.path(), tabeller, t->Livsmedel);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    TMaltid& Maltid() { return t->Dagbok.AktuellaMaltiden(); }
    void Fyll(int fran, int till) {
        for (int k = fran; k <= till; ++k) Maltid()[k].Kod = QString::number(k);
    }
    QStringList Koder(int till) {
        QStringList koder;
        for (int k = 1; k <= till; ++k) koder << Maltid()[k].Kod;
        return koder;
    }

    QTemporaryDir mapp;
    TLivsmedelstabeller tabeller;
    std::unique_ptr<TTillstand> t = std::make_unique<TTillstand>();
    SkriptadeDialoger dialoger;
};

TEST_F(MaltidsraderTest, TillaggFyllerForstaTommaPlatsMedEnEnhet) {
    Fyll(1, 1);
    Fyll(3, 3);
    ASSERT_TRUE(LaggTillLivsmedel(*t, tabeller.Fodtab100, dialoger, "2001", 0, false));
    const TMaltidsrad& rad = Maltid()[2];
    EXPECT_EQ(t->Dagbok.AktuellRad, 2);
    EXPECT_TRUE(t->Dagbok.Andrad);
    EXPECT_EQ(rad.Livsmedel, "Äpple");
    EXPECT_EQ(rad.Enhet, "st");
    EXPECT_FLOAT_EQ(rad.Portion, 120);
    EXPECT_FLOAT_EQ(rad.Gram, 120);
    EXPECT_FLOAT_EQ(rad.Kgpris, 25);
    EXPECT_EQ(rad.Enhet1, "dl");
    EXPECT_FLOAT_EQ(rad.Port1, 60);
    EXPECT_FLOAT_EQ(rad.Naring[0], 220);
    EXPECT_FLOAT_EQ(rad.Naring[50], 0.5f);
}

TEST_F(MaltidsraderTest, InfogningPaRad3FlyttarNerOchFullMaltidTappar29) {
    Fyll(1, 5);
    ASSERT_TRUE(LaggTillLivsmedel(*t, tabeller.Fodtab100, dialoger, "4001", 3, true));
    EXPECT_EQ(Koder(6), QStringList({"1", "2", "4001", "3", "4", "5"}));

    Fyll(1, 29);
    ASSERT_TRUE(LaggTillLivsmedel(*t, tabeller.Fodtab100, dialoger, "4001", 1, true));
    EXPECT_EQ(Maltid()[1].Kod, "4001");
    EXPECT_EQ(Maltid()[29].Kod, "28");

    ASSERT_TRUE(LaggTillLivsmedel(*t, tabeller.Fodtab100, dialoger, "2001", 0, false));
    EXPECT_EQ(Maltid()[29].Kod, "2001");  // a full meal: the food replaces slot 29
}

TEST_F(MaltidsraderTest, OkandKodRapporterasOchFlyttadeRaderGarTillbaka) {
    Fyll(1, 5);
    EXPECT_FALSE(LaggTillLivsmedel(*t, tabeller.Fodtab100, dialoger, "9999", 2, true));
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"Livsmedel med nr 9999 finns ej."}));
    EXPECT_EQ(Koder(6), QStringList({"1", "2", "3", "4", "5", "0"}));
}

TEST_F(MaltidsraderTest, EnterIVarjeKolumn) {
    ASSERT_TRUE(LaggTillLivsmedel(*t, tabeller.Fodtab100, dialoger, "2001", 0, false));
    TMaltidsrad& rad = Maltid()[1];
    t->Dagbok.Andrad = false;
    EXPECT_TRUE(RedigeraCell(*t, tabeller.Fodtab100, dialoger, KolumnAntal, "2"));
    EXPECT_FLOAT_EQ(rad.Gram, 240);
    EXPECT_TRUE(RedigeraCell(*t, tabeller.Fodtab100, dialoger, KolumnAntal, "2,5"));
    EXPECT_FLOAT_EQ(rad.Gram, 300);
    EXPECT_TRUE(t->Dagbok.Andrad);
    EXPECT_TRUE(RedigeraCell(*t, tabeller.Fodtab100, dialoger, KolumnGram, " 75"));
    EXPECT_FLOAT_EQ(rad.Gram, 75);
    EXPECT_TRUE(RedigeraCell(*t, tabeller.Fodtab100, dialoger, KolumnLivsmedel, "x"));
    EXPECT_TRUE(RedigeraCell(*t, tabeller.Fodtab100, dialoger, KolumnEnhet, "x"));
    EXPECT_EQ(dialoger.Meddelanden, QStringList(2, "Du kan inte ändra i denna kolumn"));
    rad.Portion = 0;
    RedigeraCell(*t, tabeller.Fodtab100, dialoger, KolumnAntal, "3");
    EXPECT_EQ(rad.Gram, 0);
}

TEST_F(MaltidsraderTest, PrisetSkrivsTillTabellenMenInteNarDetArLast) {
    ASSERT_TRUE(LaggTillLivsmedel(*t, tabeller.Fodtab100, dialoger, "2001", 0, false));
    t->Dagbok.Andrad = false;
    EXPECT_TRUE(RedigeraCell(*t, tabeller.Fodtab100, dialoger, KolumnPris, "31,9"));
    EXPECT_FLOAT_EQ(Maltid()[1].Kgpris, 31.9f);
    EXPECT_FALSE(t->Dagbok.Andrad);
    ASSERT_TRUE(HamtaLivsmedel(tabeller.Fodtab100, "2001"));
    EXPECT_EQ(tabeller.Fodtab100.Text("kgpris"), "31,9");

    t->Installningar.PriserLasta = true;
    EXPECT_FALSE(RedigeraCell(*t, tabeller.Fodtab100, dialoger, KolumnPris, "50"));
    EXPECT_FLOAT_EQ(Maltid()[1].Kgpris, 31.9f);
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"Du kan inte ändra i denna kolumn"}));
}

TEST_F(MaltidsraderTest, MisslyckadPrisskrivningAndrarBaraTemporart) {
    ASSERT_TRUE(LaggTillLivsmedel(*t, tabeller.Fodtab100, dialoger, "2001", 0, false));
    tabeller.Fodtab100.Stang();  // the table cannot take the write
    EXPECT_TRUE(RedigeraCell(*t, tabeller.Fodtab100, dialoger, KolumnPris, "40"));
    EXPECT_TRUE(RedigeraCell(*t, tabeller.Fodtab100, dialoger, KolumnPris, "41"));
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"Priserna ändras endast temporärt."}));
    EXPECT_FALSE(t->PrisTillTabell);
    EXPECT_FLOAT_EQ(Maltid()[1].Kgpris, 41);
}

TEST_F(MaltidsraderTest, OkaMinskaOchTaBort) {
    ASSERT_TRUE(LaggTillLivsmedel(*t, tabeller.Fodtab100, dialoger, "2001", 0, false));
    Oka(*t);
    EXPECT_FLOAT_EQ(Maltid()[1].Gram, 132);
    EXPECT_TRUE(Minska(*t, dialoger));
    EXPECT_FLOAT_EQ(Maltid()[1].Gram, 120);
    Maltid()[1].Gram = 300;
    Oka(*t);
    EXPECT_FLOAT_EQ(Maltid()[1].Gram, 312);  // a tenth of the unit, not of the grams

    Maltid()[1].Gram = 10;  // 10 g of a 120 g unit: a tenth is 12 g
    dialoger.Svara(Svar::Nej);
    EXPECT_FALSE(Minska(*t, dialoger));
    EXPECT_EQ(Maltid()[1].Kod, "2001");
    dialoger.Svara(Svar::Ja);
    EXPECT_TRUE(Minska(*t, dialoger));
    EXPECT_EQ(dialoger.Visat, QStringList(2, "Vill du ta bort denna rad?"));
    EXPECT_TRUE(ArTom(Maltid()[1]));

    Fyll(1, 29);
    t->Dagbok.AktuellRad = 1;
    TaBortRad(*t);
    EXPECT_EQ(Maltid()[1].Kod, "2");
    EXPECT_EQ(Maltid()[28].Kod, "29");
    EXPECT_TRUE(ArTom(Maltid()[29]));
}

TEST_F(MaltidsraderTest, RadknapparnaGorIngetInnanEnRadValts) {
    Fyll(1, 3);
    t->Dagbok.AktuellRad = 0;
    Oka(*t);
    EXPECT_FALSE(Minska(*t, dialoger));
    TaBortRad(*t);
    EXPECT_EQ(Koder(3), QStringList({"1", "2", "3"}));
    EXPECT_FALSE(t->Dagbok.Andrad);
}

TEST_F(MaltidsraderTest, EnhetslistanMedSkedarForDl) {
    TMaltidsrad rad;
    rad.Livsmedel = "Havregryn";
    rad.Enhet1 = "portion";
    rad.Port1 = 1234.4f;
    rad.Enhet2 = "dl";
    rad.Port2 = 60;
    rad.Enhet3 = "tom";
    rad.Port3 = 0.0005f;
    EXPECT_EQ(Enhetslista(rad),
              QStringList({"Havregryn", "1234 g/portion", "60  g/dl", "9   g/msk", "3   g/tsk"}));
    EXPECT_EQ(Enhetslista(TMaltidsrad{}), QStringList({""}));

    ValjEnhet(rad, "9   g/msk");
    EXPECT_EQ(rad.Enhet, "msk");
    EXPECT_FLOAT_EQ(rad.Portion, 9);
    EXPECT_FLOAT_EQ(rad.Gram, 9);
}

TEST_F(MaltidsraderTest, RadcellerMedSystemetsDecimaltecken) {
    TMaltidsrad rad;
    rad.Kod = "1";
    rad.Livsmedel = "Bröd";
    rad.Enhet = "skiva";
    rad.Portion = 100;
    rad.Gram = 250;
    rad.Kgpris = 0;
    EXPECT_EQ(Radceller(rad), (std::array<QString, 5>{"Bröd", "2,5", "skiva", "250", "-"}));
    rad.Gram = 0;
    rad.Kgpris = 1234.5f;
    EXPECT_EQ(Radceller(rad), (std::array<QString, 5>{"Bröd", "-", "skiva", "-", "1234,50"}));
    EXPECT_EQ(Radceller(TMaltidsrad{}), (std::array<QString, 5>{}));
}

TEST_F(MaltidsraderTest, KopieraOchKlistraInMellanDagar) {
    KlistraInMaltid(t->Dagbok);  // before any copy: an empty meal
    EXPECT_TRUE(ArTom(Maltid()[1]));

    t->Dagbok.AktuellMaltid = 1;
    Fyll(1, 2);
    Maltid()[2].Gram = 75;
    KopieraMaltid(t->Dagbok);
    t->Dagbok.AktuellDag = 2;
    t->Dagbok.AktuellMaltid = 2;
    KlistraInMaltid(t->Dagbok);
    EXPECT_EQ(Koder(3), QStringList({"1", "2", "0"}));
    EXPECT_FLOAT_EQ(Maltid()[2].Gram, 75);
    EXPECT_EQ(t->Dagbok.Berakning[0][1][2].Kod, "2");
    EXPECT_FALSE(t->Dagbok.Andrad);
}

}  // namespace
