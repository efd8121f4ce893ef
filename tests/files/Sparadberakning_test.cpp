#include "platform/Textfil.h"
#include "files/Sparadberakning.h"
#include "need/Aktiviteter.h"
#include "platform/SkriptadeDialoger.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <memory>

using namespace matvarda;
using namespace matvarda::test;

namespace {

QVector<Provlivsmedel> Fodtab100() {
    return {
        {"1001", "Gurka", "Grönsaker", "Grönsaker", "st", 300, "25", {{0, 50}, {50, 0.25}}},
        {"2001", "Äpple", "Frukt", "Frukt,bär", "st", 120, "25,50", {{0, 220}, {6, 11}}, {"dl", "klyfta"}, {60, 15}},
        {"4001", "Mjölk", "Mejeri", "Mjölk,ost", "glas", 200, "12", {{0, 250}}},
    };
}

class SparadberakningTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        SkapaLivsmedelstabell(mapp.path(), "fodtab100", Fodtab100());
        SkapaLivsmedelstabell(mapp.path(), "fodtab2005",
                              {{"1001", "Gurka 2005", "", "", "st", 1, "1"},
                               {"9001", "Pannkaka", "Rätter", "Övrigt", "st", 70, "40", {{0, 900}}, {"portion"}, {210}}});
        OppnaLivsmedelstabeller(mapp.path(), tabeller, t->Livsmedel);
        SkapaNormtabell(mapp.path(), {{3, "Män 19-30 år", {{0, 1}, {23, 2400}, {50, 60}}}});
        t->Start.Berakningsmapp = mapp.path();
        t->Behov.Normtext = "Norm: Kvinnor 15-18 år";
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString Fil(const QString& namn) const { return QDir(mapp.path()).filePath(namn); }
    TMaltid& Maltid(int dag, int maltid) { return t->Dagbok.Berakning[dag][maltid]; }
    // Puts the food of the table into the slot, as the meal grid does.
    void Satt(int dag, int maltid, int plats, const QString& kod, float gram) {
        Tabell& tabell = HamtaLivsmedel(tabeller.Fodtab100, kod) ? tabeller.Fodtab100 : tabeller.Fodtab2005;
        ASSERT_TRUE(HamtaLivsmedel(tabell, kod)) << kod.toStdString();
        FyllPlats(Maltid(dag, maltid)[plats], kod, tabell);
        Maltid(dag, maltid)[plats].Gram = gram;
    }
    void Oppna(const QString& fil) {
        ASSERT_TRUE(NyBerakning(t->Dagbok, dialoger, {}));
        LasBerakning(*t, tabeller, normer, dialoger, fil);
    }

    QTemporaryDir mapp;
    TLivsmedelstabeller tabeller;
    Tabell normer{mapp.path(), "normer"};
    std::unique_ptr<TTillstand> t = std::make_unique<TTillstand>();
    SkriptadeDialoger dialoger;
};

TEST_F(SparadberakningTest, HelDagbokTurOchReturUnderNamnMedTxt) {
    const QString koder[] = {"1001", "2001", "4001", "9001"};
    int i = 0;
    for (int d = 0; d < AntalDagar; ++d)
        for (int m = 0; m < AntalMaltider; ++m)
            for (int k = 1; k < AntalPlatser; ++k, ++i) Satt(d, m, k, koder[i % 4], 0.5f * i);
    Maltid(0, 0)[1].Enhet = "dl";
    Maltid(0, 0)[1].Portion = 2.5f;
    Maltid(0, 0)[1].Tillagg = "ab";
    Maltid(6, 3)[SistaPlats].Kgpris = 99;  // a price edited for this calculation only
    const TBerakning sparad = t->Dagbok.Berakning;
    t->Dagbok.Andrad = true;

    ASSERT_TRUE(SkrivBerakning(*t, dialoger, Fil("vecka.txt"), "2024-03-01"));
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
    EXPECT_FALSE(t->Dagbok.Andrad);
    EXPECT_EQ(t->Rubrik, Fil("vecka.dbok") + "   Norm: Kvinnor 15-18 år");
    EXPECT_TRUE(QFile::exists(Fil("vecka.norm")));
    EXPECT_FALSE(QFile::exists(Fil("vecka.txt")));
    EXPECT_EQ(LasTextrader(Fil("vecka.dbok"))->size(), 12 + 7 * 4 * 29 * 2 + 28);

    t->Behov.Normtext = "annan";
    Oppna(Fil("vecka.dbok"));
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
    EXPECT_EQ(t->Rubrik, Fil("vecka.dbok") + "   Norm: Kvinnor 15-18 år  /2024-03-01");
    for (int d = 0; d < AntalDagar; ++d)
        for (int m = 0; m < AntalMaltider; ++m)
            for (int k = 1; k < AntalPlatser; ++k) {
                const TMaltidsrad& fore = sparad[d][m][k];
                const TMaltidsrad& efter = Maltid(d, m)[k];
                const auto plats = testing::Message() << d << '/' << m << '/' << k;
                ASSERT_EQ(efter.Kod, fore.Kod) << plats;
                EXPECT_EQ(efter.Gram, std::round(fore.Gram)) << plats;
                EXPECT_EQ(efter.Portion, std::round(fore.Portion)) << plats;
                EXPECT_EQ(efter.Enhet, fore.Enhet) << plats;
                EXPECT_EQ(efter.Tillagg, fore.Tillagg) << plats;
                EXPECT_EQ(efter.Livsmedel, fore.Livsmedel) << plats;
                EXPECT_EQ(efter.Enhet1, fore.Enhet1) << plats;
                EXPECT_EQ(efter.Port1, fore.Port1) << plats;
                EXPECT_EQ(efter.Naring, fore.Naring) << plats;
            }
    // Halves round away from zero: 0.5 g and 2.5 g come back as 1 and 3.
    EXPECT_EQ(Maltid(0, 0)[2].Gram, 1);
    EXPECT_EQ(Maltid(0, 0)[1].Portion, 3);
    EXPECT_EQ(Maltid(0, 0)[1].Enhet, "dl");
    EXPECT_EQ(Maltid(0, 0)[1].Tillagg, "ab");
    // The price comes from the table again, here fodtab2005's Pannkaka.
    EXPECT_EQ(Maltid(6, 3)[SistaPlats].Kgpris, 40);
}

TEST_F(SparadberakningTest, RadBGerEnhetOchPortionOchTabellenResten) {
    QStringList rader{"100", "1/3", "flera maltider"};
    for (int i = 0; i < 9; ++i) rader << "reserv";
    rader << "2001" << "150/100@dl" << "2001" << "150" << "9001" << "70/70@st&x&y" << "8888" << "5/5@g"
          << "4001" << "200/200@glas" << "*0/0";
    ASSERT_TRUE(SkrivTextrader(Fil("a.dbok"), rader));
    Oppna(Fil("a.dbok"));
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
    const TMaltid& m = Maltid(0, 0);
    EXPECT_EQ(m[1].Enhet, "dl");
    EXPECT_EQ(m[1].Portion, 100);
    EXPECT_EQ(m[1].Gram, 150);
    EXPECT_EQ(m[1].Livsmedel, "Äpple");
    EXPECT_EQ(m[1].Kgpris, 25.5f);
    EXPECT_EQ(m[1].Enhet2, "klyfta");
    EXPECT_EQ(m[1].Port2, 15);
    EXPECT_EQ(m[1].Naring[6], 11);
    // Only grams: the table's unit and portion, no tag.
    EXPECT_EQ(m[2].Enhet, "st");
    EXPECT_EQ(m[2].Portion, 120);
    EXPECT_EQ(m[2].Tillagg, "");
    // Only in fodtab2005; the tag is cut to its five characters.
    EXPECT_EQ(m[3].Livsmedel, "Pannkaka");
    EXPECT_EQ(m[3].Enhet1, "portion");
    EXPECT_EQ(m[3].Tillagg, "x&y");
    // Gone from both tables: the slot stays empty and the next row keeps its place.
    EXPECT_TRUE(ArTom(m[4]));
    EXPECT_EQ(m[5].Livsmedel, "Mjölk");
    EXPECT_EQ(t->Rubrik, Fil("a.dbok") + "   Norm: Kvinnor 15-18 år  /1/3");
}

TEST_F(SparadberakningTest, AldreLayoutMeddelarSaknatLivsmedelPerRad) {
    QStringList rader;
    for (int i = 0; i < 7 * 4 * 30; ++i) rader << "0" << "0";
    const auto satt = [&](int dag, int maltid, int rad, const QString& kod, const QString& gram) {
        const int par = (dag * 4 + maltid) * 30 + rad;
        rader[2 * par] = kod;
        rader[2 * par + 1] = gram;
    };
    satt(0, 0, 1, "2001", "75,5");
    satt(1, 2, 4, "1234", "10");
    satt(6, 3, 29, "9001", "10");  // fodtab2005 is not searched
    ASSERT_TRUE(SkrivTextrader(Fil("gammal.dbok"), rader));
    Oppna(Fil("gammal.dbok"));
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"dag=2 maltid=3 rad=5 Livsmedel med nr 1234 finns ej.",
                                                 "dag=7 maltid=4 rad=30 Livsmedel med nr 9001 finns ej."}));
    const TMaltidsrad& apple = Maltid(0, 0)[1];
    EXPECT_EQ(apple.Livsmedel, "Äpple");
    EXPECT_EQ(apple.Gram, 75.5f);
    EXPECT_EQ(apple.Enhet, "st");
    EXPECT_EQ(apple.Portion, 120);
    EXPECT_EQ(apple.Enhet1, "");
    EXPECT_EQ(apple.Port1, 0);
    EXPECT_TRUE(ArTom(Maltid(1, 2)[4]));
    EXPECT_EQ(t->Rubrik, Fil("gammal.dbok") + "   Norm: Kvinnor 15-18 år");
}

TEST_F(SparadberakningTest, NormkompanjonenGerBehovetOchSaknadLamnarDet) {
    t->Behov.Normtyp = "standardnorm";
    t->Behov.Dagsbehov.fill(7);
    ASSERT_TRUE(SkrivBerakning(*t, dialoger, Fil("n"), "d"));
    ASSERT_TRUE(SkrivBerakning(*t, dialoger, Fil("utan"), "d"));
    ASSERT_TRUE(QFile::remove(Fil("utan.norm")));

    t->Behov.Normtyp = "aktivnorm";
    t->Behov.Normtext = "Norm: Kvinna 15 år, 55 kg.";
    t->Behov.Dagsbehov.fill(3);
    Oppna(Fil("utan.dbok"));
    EXPECT_EQ(t->Behov.Normtyp, "aktivnorm");
    EXPECT_EQ(t->Behov.Dagsbehov[50], 3);

    t->Aktiviteter.Alder = "44";
    t->Aktiviteter.Rader[1] = {"Löpning", "8", "30", "0.61", "18"};
    const TAktivitetslista aktiviteter = t->Aktiviteter;
    Oppna(Fil("n.dbok"));
    EXPECT_EQ(t->Aktiviteter.Alder, "44");
    EXPECT_EQ(t->Aktiviteter.Rader, aktiviteter.Rader);
    EXPECT_EQ(t->Behov.Normtyp, "standardnorm");
    EXPECT_EQ(t->Behov.Normtext, "Norm: Kvinnor 15-18 år");
    EXPECT_EQ(t->Behov.Dagsbehov[0], 7);
    EXPECT_EQ(t->Behov.Dagsbehov[50], 7);
}

TEST_F(SparadberakningTest, AktivnormAterstallerAktiviteternaOchRaknarOmBehovet) {
    TAktivitetslista& lista = t->Aktiviteter;
    lista.Alder = "30";
    lista.Vikt = "70";
    lista.Kon = Man;
    lista.Rader[1] = {"Cykling", "1.5", "60", "0.61", "37"};
    lista.Rader[AntalAktivitetsrader] = {"Sömn", "0,95", "480", "-0.06", "-29"};
    t->Behov.Normtyp = "aktivnorm";
    t->Behov.Dagsbehov.fill(5);
    ASSERT_TRUE(SkrivBerakning(*t, dialoger, Fil("akt"), "d"));
    const auto akt = LasTextrader(Fil("akt.akt"));
    ASSERT_TRUE(akt.has_value());
    EXPECT_EQ(akt->size(), 120);
    EXPECT_EQ(akt->mid(0, 6), QStringList({"30", "70", "1", "Cykling", "60", "1.5"}));
    EXPECT_EQ(akt->mid(117), QStringList({"Sömn", "480", "0,95"}));

    lista = TAktivitetslista{};
    lista.Rader[5] = {"Simning", "6", "30", "", ""};
    t->Behov.Normtyp = "standardnorm";
    Oppna(Fil("akt.dbok"));
    EXPECT_EQ(lista.Alder, "30");
    EXPECT_EQ(lista.Kon, Man);
    EXPECT_EQ(lista.Rader[1].Namn, "Cykling");
    EXPECT_TRUE(lista.Rader[5].Namn.isEmpty());
    EXPECT_EQ(lista.Rader[AntalAktivitetsrader].Minuter, "480");
    // The saved need is replaced by the one computed from the activities:
    // the energy from them, the other values from the person's norm row.
    EXPECT_EQ(t->Behov.Normtyp, "aktivnorm");
    EXPECT_NEAR(t->Behov.Dagsbehov[EnergiKcal], 1750 + 36.6 - 0.06 * 480, 0.01);
    EXPECT_EQ(t->Behov.Dagsbehov[Natrium], 2400);
    EXPECT_EQ(t->Behov.Dagsbehov[50], 60);
    EXPECT_TRUE(t->Behov.Normtext.startsWith("Man 30 år, 70 kg.  "));
    EXPECT_EQ(t->Rubrik, Fil("akt.dbok") + "   " + t->Behov.Normtext + "  /d");
}

TEST_F(SparadberakningTest, MisslyckadSparningBehallerAndradOchRubrik) {
    Satt(0, 0, 1, "1001", 100);
    t->Dagbok.Andrad = true;
    t->Rubrik = "före";
    EXPECT_FALSE(SkrivBerakning(*t, dialoger, Fil("saknas/vecka"), "d"));
    EXPECT_EQ(dialoger.Meddelanden,
              QStringList({"Kan ej spara beräkningen", "Kan ej spara aktuell norm", "Kan ej spara aktiviteterna."}));
    EXPECT_TRUE(t->Dagbok.Andrad);
    EXPECT_EQ(t->Rubrik, "före");
}

TEST_F(SparadberakningTest, SparaViaDialogenFragarInnanDenErsatter) {
    Satt(0, 0, 1, "1001", 100);
    t->Dagbok.Andrad = true;
    SkrivBytes(Fil("vecka.dbok"), "gammal");
    dialoger.SvaraText(Fil("vecka.txt"));
    dialoger.Svara(Svar::Nej);
    dialoger.SvaraText(std::nullopt);
    EXPECT_FALSE(SparaBerakning(*t, dialoger));
    EXPECT_EQ(LasFil(Fil("vecka.dbok")), QByteArray("gammal"));
    EXPECT_TRUE(t->Dagbok.Andrad);

    dialoger.SvaraText(Fil("vecka.txt"));
    dialoger.Svara(Svar::Ja);
    EXPECT_TRUE(SparaBerakning(*t, dialoger));
    EXPECT_EQ(LasTextrader(Fil("vecka.dbok"))->value(12), "1001");
    EXPECT_FALSE(t->Dagbok.Andrad);
}

TEST_F(SparadberakningTest, HamtaMedJaOchAvbrutenSparningBehallerDagboken) {
    Satt(2, 1, 3, "1001", 100);
    t->Dagbok.Andrad = true;
    t->Rubrik = "före";
    dialoger.SvaraText(Fil("finns.dbok"));
    dialoger.Svara(Svar::Ja);
    dialoger.SvaraText(std::nullopt);  // the save dialog
    EXPECT_FALSE(HamtaBerakning(*t, tabeller, normer, dialoger));
    EXPECT_EQ(dialoger.Visat, QStringList({"Öppna beräkning", "Vill du spara pågående beräkning innan ny startas?",
                                           "Spara beräkning"}));
    EXPECT_EQ(Maltid(2, 1)[3].Kod, "1001");
    EXPECT_TRUE(t->Dagbok.Andrad);
    EXPECT_EQ(t->Rubrik, "före");

    dialoger.SvaraText(std::nullopt);
    EXPECT_FALSE(HamtaBerakning(*t, tabeller, normer, dialoger));
    EXPECT_EQ(Maltid(2, 1)[3].Kod, "1001");
}

TEST_F(SparadberakningTest, HamtaOlasbarFilNollstallerOchMeddelar) {
    Satt(2, 1, 3, "1001", 100);
    t->Dagbok.Andrad = true;
    dialoger.SvaraText(Fil("saknas.dbok"));
    dialoger.Svara(Svar::Nej);
    EXPECT_TRUE(HamtaBerakning(*t, tabeller, normer, dialoger));
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"Kan ej öppna beräkningen"}));
    EXPECT_TRUE(ArTom(Maltid(2, 1)[3]));
    EXPECT_FALSE(t->Dagbok.Andrad);
    EXPECT_EQ(t->Rubrik, "Norm: Kvinnor 15-18 år");
}

TEST_F(SparadberakningTest, RaderaTarBortValdFilOchAktMenInteNorm) {
    for (const char* namn : {"a.dbok", "a.norm", "a.akt", "b.txt", "b.akt", "b.dbok"}) SkrivBytes(Fil(namn), "x");
    dialoger.SvaraText(Fil("a.dbok"));
    dialoger.SvaraText(Fil("b.txt"));
    dialoger.SvaraText(std::nullopt);
    RaderaBerakningar(mapp.path(), dialoger);
    EXPECT_EQ(dialoger.Visat, QStringList({"Välj beräkning som du vill radera.", Fil("a.dbok") + " borttagen",
                                           "Välj beräkning som du vill radera.", Fil("b.txt") + " borttagen",
                                           "Välj beräkning som du vill radera."}));
    EXPECT_EQ(QDir(mapp.path()).entryList({"a.*", "b.*"}, QDir::Files), QStringList({"a.norm", "b.dbok"}));

    dialoger.Visat.clear();
    dialoger.SvaraText(std::nullopt);
    RaderaBerakningar(mapp.path(), dialoger);
    EXPECT_EQ(dialoger.Visat, QStringList({"Välj beräkning som du vill radera."}));
}

}  // namespace
