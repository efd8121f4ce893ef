#include "print/Rapport.h"

#include "calc/RaknaOm.h"
#include "stod/Fixtur.h"

#include <QLocale>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <memory>

using namespace matvarda;
using namespace matvarda::test;

namespace {

const QString Skala =
    QStringLiteral("                                50%           100%          150%       %av rek.     Rek.");

QString Fyll(const QString& text, int bredd) { return text.leftJustified(bredd, ' '); }
QString Mellan(int antal) { return QString(antal, ' '); }

class RapportTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n)
            Namnge(n, QStringLiteral("N%1").arg(n), QStringLiteral("N%1 g").arg(n), 1);
        Namnge(15, "Energi", "Energi kJ", 0);
        Namnge(19, "Protein", "Protein g", 1);
        t->Behov.Normtext = QStringLiteral("Kvinnor");
        t->Behov.Dagsbehov[0] = 8640;
        t->Behov.Dagsbehov[4] = 60;
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void Namnge(int n, const QString& kort, const QString& namnEnhet, int decimaler) {
        t->Katalog.Kortnamn[n] = kort;
        t->Katalog.NamnEnhet[n] = namnEnhet;
        t->Katalog.Decimaler[n] = static_cast<std::uint8_t>(decimaler);
    }

    void Valj(std::initializer_list<int> nummer) {
        t->Urval.Valda.fill(false);
        for (int n : nummer) t->Urval.Valda[n] = true;
    }

    TMaltidsrad& Lagg(int dag, int maltid, int plats, const QString& namn, float gram, std::map<int, double> naring,
                      float portion = 100, const QString& enhet = QStringLiteral("st"), float kgpris = 0) {
        return test::LaggIDagboken(*t, dag, maltid, plats, namn, gram, std::move(naring), portion, enhet, kgpris);
    }

    // The milk of the worked example: a glass of 200 g.
    void Mjolk(int dag = 0, int maltid = 0, int plats = 1) {
        Lagg(dag, maltid, plats, "Mjölk", 200, {{0, 270}, {4, 3.5}}, 200, "glas");
    }

    // The report's lines, row 1 on.
    QStringList Rader(const TUtskriftsval& val, int dag = 0, int maltid = 0) {
        RaknaOm(*t);
        rapport = KomponeraRapport(*t, val, dag, maltid);
        QStringList rader;
        for (int r = 1; r < rapport.Nastarad(); ++r) rader << rapport.Rapportbuffert[r].del1;
        return rader;
    }

    // The section titles in the order written.
    QStringList Rubriker() const {
        QStringList rubriker;
        for (const TRapportavsnitt& a : Rapportavsnitt(rapport)) rubriker << a.Rubrik;
        return rubriker;
    }

    std::unique_ptr<TTillstand> t = std::make_unique<TTillstand>();
    TRapport rapport;
};

TEST_F(RapportTest, MjolkensMaltidRadForRad) {
    Valj({15, 19});
    Mjolk();
    const QStringList rader = Rader({});
    const QStringList vantat{
        "Livsmedel" + Mellan(41) + " EnergiProtein",
        "",
        Fyll("Mjölk", 50) + "    540    7.0",
        Fyll("1.00 glas = 200 gram", 50),
        "",
        Fyll("* Summa *", 50) + "    540    7.0",
        "",
        "",
        "",
        "Kvinnor    Frukost  ",
        "",
        Skala,
        "",
        // 540 of a quarter of 8640 kJ; 7.0 of a quarter of 60 g.
        "!Energi 540 kJ ?25&2160@",
        "!Protein 7.0 g ?47&15@",
        "",
        "Energifördelning: Protein 100%   Fett   0%     Kolhydrat   0%",
    };
    EXPECT_EQ(rader, vantat);
    EXPECT_EQ(rapport.Rapportbuffert[0].del1, "del1");
    EXPECT_EQ(rapport.Rapportbuffert[0].del2, "del2");
    EXPECT_EQ(rapport.Rapportbuffert[1].del2, "Dag 1 Frukost  ");
    EXPECT_EQ(rapport.ForstaRubrik, "Dag 1 Frukost  ");
    ASSERT_EQ(rapport.Cirkelposter.size(), 1);
    EXPECT_FLOAT_EQ(rapport.Cirkelposter[0].Fordelning.Prot, 100);
}

TEST_F(RapportTest, TomMaltidGerNollorOchStaplarMedNoll) {
    Valj({15, 19});
    const QStringList rader = Rader({});
    ASSERT_EQ(rader.size(), 14);
    EXPECT_EQ(rader[2], Fyll("* Summa *", 50) + "      0    0.0");
    EXPECT_EQ(rader[10], "!Energi 0 kJ ?0&2160@");
    EXPECT_EQ(rader[11], "!Protein 0.0 g ?0&15@");
    EXPECT_EQ(rader[13], "Energifördelning: Protein   0%   Fett   0%     Kolhydrat   0%");
    EXPECT_EQ(rapport.Cirkelposter.size(), 1);
}

TEST_F(RapportTest, UtanValdaNaringsamnen) {
    Valj({});
    Mjolk();
    const QStringList rader = Rader({});
    EXPECT_EQ(rader.mid(0, 4), QStringList({Fyll("Livsmedel", 50), "", Fyll("Mjölk", 50), Fyll("1.00 glas = 200 gram", 50)}));
    // The bar block ends at its scale line.
    EXPECT_EQ(rader.mid(7, 6), QStringList({"", "", "Kvinnor    Frukost  ", "", Skala, ""}));
    EXPECT_TRUE(rader[14].startsWith("Energifördelning"));
}

// Header and sum lines go on after a full line whose last nutrient is
// below 65, even with nothing left; food blocks go on only while nutrients
// remain, their second line being the amount line.
TEST_F(RapportTest, RaderAvKolumnerEfterUrvalet) {
    struct Fall {
        std::vector<int> valda;
        int rubrikrader;
        int livsmedelsrader;
    };
    const Fall fall[]{
        {{15, 16, 17, 19, 20, 21}, 2, 2},
        {{60, 61, 62, 63, 64, 65}, 1, 2},
        {{15, 16, 17, 19, 20}, 1, 2},
        {{15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26, 27}, 3, 2},
        {{15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26, 65}, 2, 2},
        {{15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28}, 3, 3},
    };
    Mjolk();
    for (const Fall& f : fall) {
        t->Urval.Valda.fill(false);
        for (int n : f.valda) t->Urval.Valda[n] = true;
        const QStringList rader = Rader({});
        const int rubrik = static_cast<int>(rader.indexOf(QString()));
        const int mat = static_cast<int>(rader.indexOf(QString(), rubrik + 1)) - rubrik - 1;
        const int summa = static_cast<int>(rader.indexOf(QString(), rubrik + 1 + mat + 1)) - rubrik - mat - 2;
        SCOPED_TRACE(f.valda.size());
        EXPECT_EQ(rubrik, f.rubrikrader);
        EXPECT_EQ(mat, f.livsmedelsrader);
        EXPECT_EQ(summa, f.rubrikrader);
        if (f.rubrikrader > 1 && f.valda.size() == 6) {
            EXPECT_EQ(rader[1], Mellan(50));
        }
    }
}

TEST_F(RapportTest, LangtKortnamnSkrivsHeltOchFlyttarKolumnerna) {
    Namnge(20, "Fettsyror", "Fettsyror g", 1);
    Namnge(21, "Kolh", "Kolh g", 1);
    Valj({20, 21});
    Lagg(0, 0, 1, "Smör", 10, {{5, 80}, {6, 3}});
    const QStringList rader = Rader({});
    EXPECT_EQ(rader[0], Fyll("Livsmedel", 50) + "Fettsyror   Kolh");
    EXPECT_EQ(rader[2], Fyll("Smör", 50) + "    8.0    0.3");
}

// Halves round away from zero; a content below -0.1 (unknown) is a dash.
TEST_F(RapportTest, VardenAvrundasOchOkandaBlirStreck) {
    Namnge(20, "Fett", "Fett g", 2);
    Namnge(21, "Kolh", "Kolh g", 0);
    Valj({19, 20, 21});
    Lagg(0, 0, 1, "Prov", 100, {{4, -0.1}, {5, 0.125}, {6, 2.5}});
    Lagg(0, 0, 2, "Okänt", 100, {{4, -0.11}, {5, -0.125}, {6, -2.5}});
    const QStringList rader = Rader({});
    EXPECT_EQ(rader[2], Fyll("Prov", 50) + "   -0.1   0.13      3");
    EXPECT_EQ(rader[5], Fyll("Okänt", 50) + "      -      -      -");
}

TEST_F(RapportTest, MangdradenOchPriset) {
    struct Fall {
        float gram, portion, kgpris;
        bool pris;
        QString vantat;
    };
    const Fall fall[]{
        {150, 30, 40, false, "5.00 dl = 150 gram"},
        {150, 0.9f, 40, false, "150 gram"},  // a portion of 0.9 g or less counts no units
        {1, 200, 40, false, "1 gram"},       // 0.005 units are none
        {500, 100, 30, true, Fyll("500 gram", 21) + "15,00 kr   (30,00 kr/kg)"},
        {1500, 100, 12.5f, true, Fyll("1500 gram", 21) + "18,75 kr   (12,50 kr/kg)"},
        {500, 100, 0.01f, true, "500 gram"},  // the kilogram price must exceed 0.01
        {0.3f, 100, 30, true, "0 gram"},     // 0.009 kr is no price
    };
    Valj({});
    for (const Fall& f : fall) {
        Lagg(0, 0, 1, "Mat", f.gram, {}, f.portion, "dl", f.kgpris);
        TUtskriftsval val;
        val.Pris = f.pris;
        EXPECT_EQ(Rader(val)[3], Fyll(f.vantat, 50)) << f.vantat.toStdString();
    }
}

TEST_F(RapportTest, SummaradMedPris) {
    Valj({15});
    Lagg(0, 0, 1, "Mat", 500, {{0, 100}}, 100, "st", 30);
    TUtskriftsval val;
    val.Pris = true;
    EXPECT_EQ(Rader(val)[5], Fyll("* Summa *            15.00 kr", 50) + "    500");
    val.Omfattning = 1;
    const QStringList dag = Rader(val);
    EXPECT_TRUE(dag.contains(Fyll("Frukost  " + Mellan(6) + "15.00 kr", 50) + "    500"));
    EXPECT_TRUE(dag.contains(Fyll("Summa" + Mellan(10) + "15.00 kr", 50) + "    500"));
    val.Omfattning = 2;
    const QStringList alla = Rader(val);
    EXPECT_TRUE(alla.contains(Fyll("Dag 1" + Mellan(11) + "15.00 kr", 50) + "    500"));
    EXPECT_TRUE(alla.contains(Fyll("Medelvärde" + Mellan(6) + "15.00 kr", 50) + "    500"));
}

// Compressed, a day lists its meals without sums or prices, whatever the
// price option; for one meal the option does not apply.
TEST_F(RapportTest, KomprimeradUtanSummorOchPris) {
    Valj({15});
    const QString lang = "Havregrynsgröt med mjölk och lingon, färdiglagad i kastrull, stor portion";
    Lagg(0, 0, 1, lang, 250, {{0, 400}}, 250, "portion", 20);
    Lagg(0, 2, 1, "Fisk", 150, {{0, 500}}, 0, "g", 90);
    TUtskriftsval val;
    val.Komprimerad = true;
    val.Pris = true;
    val.Fettsammansattning = false;
    val.Stapeldiagram = false;
    for (int omfattning : {1, 2}) {
        val.Omfattning = omfattning;
        const QStringList vantat{
            "*** Frukost   ***",
            lang.left(62) + "     1.0  " + "portion " + "   250 gram",
            "",
            "*** Middag    ***",
            Fyll("Fisk", 62) + "     0.0  " + Fyll("g", 8) + "   150 gram",
        };
        EXPECT_EQ(Rader(val), vantat);
        EXPECT_EQ(Rubriker(), QStringList({"Dag 1"}));
        EXPECT_EQ(rapport.Cirkelposter.size(), 1);
    }
    val.Omfattning = 0;
    EXPECT_EQ(Rader(val)[5], Fyll("* Summa *            5.00 kr", 50) + "   1000");
}

// The blank line after the last meal list opens the bars or the energy line.
TEST_F(RapportTest, KomprimeradDagDelarBlankraden) {
    Valj({15});
    Lagg(1, 3, 1, "Te", 200, {{0, 10}}, 200, "kopp");
    TUtskriftsval val;
    val.Komprimerad = true;
    val.Omfattning = 1;
    val.Stapeldiagram = false;
    QStringList rader = Rader(val, 1);
    EXPECT_EQ(rader.mid(1), QStringList({Fyll("Te", 62) + "     1.0  " + Fyll("kopp", 8) + "   200 gram", "",
                                         "Energifördelning: Protein   0%   Fett   0%     Kolhydrat   0%"}));
    val.Stapeldiagram = true;
    rader = Rader(val, 1);
    EXPECT_EQ(rader.mid(2, 3), QStringList({"", "", "Kvinnor    Dag 2"}));
}

TEST_F(RapportTest, MaltidUtanAndelGerTommaFalt) {
    Valj({15});
    Mjolk(0, 3);
    t->Installningar.Maltidsandel[3] = 0;
    EXPECT_TRUE(Rader({}, 0, 3).contains("!Energi 540 kJ ? & @"));
    t->Installningar.Maltidsandel[3] = 0.002f;
    EXPECT_TRUE(Rader({}, 0, 3).contains("!Energi 540 kJ ?3125&17@"));
}

TEST_F(RapportTest, DetaljnivaOchOmfattningValjerAvsnitt) {
    Valj({15});
    Mjolk(0, 0);
    Mjolk(0, 2);
    Mjolk(2, 1);
    Lagg(4, 0, 1, "Buljong", 100, {{0, 0.8}});  // 0.8 kJ: a day of the summary, without totals
    struct Fall {
        int omfattning, detalj;
        QStringList rubriker;
    };
    const Fall fall[]{
        {1, 0, {"Dag 1 Frukost  ", "Dag 1 Middag   ", "Dag 1"}},
        {1, 1, {"Dag 1 Frukost  ", "Dag 1 Middag   ", "Dag 1"}},
        {1, 2, {"Dag 1"}},
        {1, 3, {"Dag 1"}},
        {2, 1, {"Dag 1 Frukost  ", "Dag 1 Middag   ", "Dag 1", "Dag 3 Lunch    ", "Dag 3", "Dag 5", "Sammanställning"}},
        {2, 2, {"Dag 1", "Dag 3", "Dag 5", "Sammanställning"}},
        {2, 3, {"Sammanställning"}},
    };
    for (const Fall& f : fall) {
        TUtskriftsval val;
        val.Omfattning = f.omfattning;
        val.Detaljniva = f.detalj;
        Rader(val);
        EXPECT_EQ(Rubriker(), f.rubriker) << f.omfattning << " " << f.detalj;
    }
}

TEST_F(RapportTest, MaltidslistaUtanOchMedPris) {
    Valj({15});
    Lagg(0, 1, 1, "Pannkaka", 150, {{0, 800}}, 75, "st", 40);
    Lagg(0, 1, 2, "Sylt", 20, {{0, 600}}, 0.5f, "msk");
    TUtskriftsval val;
    val.Detaljniva = 1;
    EXPECT_EQ(Rader(val, 0, 1).mid(0, 5),
              QStringList({"Livsmedel                                          Antal  Sort     Gram", "",
                           Fyll("Pannkaka", 50) + " 2.00  " + Fyll("st", 9) + "   150",
                           Fyll("Sylt", 50) + " 0.00" + Mellan(11) + "    20",
                           ""}));
    val.Pris = true;
    EXPECT_EQ(Rader(val, 0, 1).mid(0, 7),
              QStringList({"Livsmedel                                             Gram      kr      kgpris", "",
                           Fyll("Pannkaka", 50) + "   150      6,00      40,00", Fyll("Sylt", 50) + "    20", "",
                           "Pris: 6.00 kr", ""}));
}

TEST_F(RapportTest, SammanstallningensRaderOchPeriodensStaplar) {
    Valj({15});
    Mjolk(0, 0);
    Lagg(1, 0, 1, "Bröd", 100, {{0, 1080}});
    TUtskriftsval val;
    val.Omfattning = 2;
    val.Detaljniva = 3;
    const QStringList rader = Rader(val);
    EXPECT_EQ(rader.mid(0, 6), QStringList({Fyll("   ", 50) + " Energi", "", Fyll("Dag 1", 50) + "    540", "",
                                            Fyll("Dag 2", 50) + "   1080", ""}));
    EXPECT_EQ(rader[6], Fyll("Medelvärde", 50) + "    810");
    EXPECT_TRUE(rader.contains("Kvinnor    Perioden"));
    EXPECT_TRUE(rader.contains("!Energi 810 kJ ?9&8640@"));
}

// A day without totals queues no pie; the sections after it keep their own.
TEST_F(RapportTest, VarjeAvsnittHarSinEgenCirkel) {
    Valj({15});
    Lagg(0, 0, 1, "Buljong", 100, {{0, 0.8}, {4, 0.01}});
    Lagg(1, 0, 1, "Kyckling", 100, {{0, 500}, {4, 20}});
    Lagg(1, 1, 1, "Olja", 10, {{0, 3700}, {5, 100}});
    TUtskriftsval val;
    val.Omfattning = 2;
    val.Detaljniva = 1;
    Rader(val);
    const QList<TRapportavsnitt> avsnitt = Rapportavsnitt(rapport);
    ASSERT_EQ(avsnitt.size(), 5);
    EXPECT_EQ(avsnitt[0].Rubrik, "Dag 1");
    EXPECT_FALSE(avsnitt[0].Cirkel.has_value());
    EXPECT_EQ(avsnitt[0].ForstaRad, 0);  // row 0 joins the first section
    EXPECT_EQ(avsnitt[1].Rubrik, "Dag 2 Frukost  ");
    ASSERT_TRUE(avsnitt[1].Cirkel.has_value());
    EXPECT_FLOAT_EQ(avsnitt[1].Cirkel->Prot, 100);
    ASSERT_TRUE(avsnitt[2].Cirkel.has_value());
    EXPECT_FLOAT_EQ(avsnitt[2].Cirkel->Fett, 100);
    EXPECT_NEAR(avsnitt[3].Cirkel->Prot, 100 * 34.0 / 71, 1e-3);
    EXPECT_EQ(avsnitt[4].Rubrik, "Sammanställning");
    int rader = 0;
    for (const TRapportavsnitt& a : avsnitt) rader += a.AntalRader;
    EXPECT_EQ(rader, rapport.Nastarad());
}

// Seven full days with every nutrient run far past the 3000 rows a buffer
// once held; nothing is cut.
TEST_F(RapportTest, HelVeckaIDetaljHallsHel) {
    for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n) t->Urval.Valda[n] = true;
    for (int d = 0; d < AntalDagar; ++d)
        for (int m = 0; m < AntalMaltider; ++m)
            for (int k = 1; k < AntalPlatser; ++k) Lagg(d, m, k, QStringLiteral("Mat %1-%2-%3").arg(d).arg(m).arg(k), 100, {{0, 100}});
    TUtskriftsval val;
    val.Omfattning = 2;
    const QStringList rader = Rader(val);
    // 812 foods of 9 value lines and a blank; 28 meals and 7 days.
    EXPECT_GT(rapport.Nastarad(), 3000);
    EXPECT_EQ(rader.filter(QRegularExpression("^Mat \\d-\\d-\\d+ ")).size(), 812);
    EXPECT_TRUE(rader.contains(Fyll("Mat 6-3-29", 50) + "    100" + QStringLiteral("    0.0").repeated(5)));
    EXPECT_EQ(rapport.Rapportbuffert.last().del2, "Sammanställning");
    EXPECT_TRUE(rader.last().startsWith("Energifördelning"));
    EXPECT_EQ(rapport.Cirkelposter.size(), 36);
}

TEST_F(RapportTest, Stapelrader) {
    struct Fall {
        QString rad;
        QString etikett, procent, rekommendation;
        QString procentetikett;
        int bredd;
    };
    const Fall fall[]{
        {"!Energi 540 kJ ?185&2160@", "Energi 540 kJ ", "185", "2160", "   185%", 370},
        {"!Energi 540 kJ ?186&2160@", "Energi 540 kJ ", "186", "2160", "-> 186%", 370},
        {"!Energi 540 kJ ?184&2160@", "Energi 540 kJ ", "184", "2160", "   184%", 368},
        {"!Energi 540 kJ ?1&2160@", "Energi 540 kJ ", "1", "2160", "   1%", 2},
        {"!Energi 540 kJ ? & @", "Energi 540 kJ ", " ", " ", "       -", 0},
        {"!Energi 0 kJ ?0&2160@", "Energi 0 kJ ", "0", "2160", "       -", 0},
        {"!Energi -5 kJ ?-3&2160@", "Energi -5 kJ ", "-3", "2160", "       -", 0},
    };
    for (const Fall& f : fall) {
        const TStapelrad s = LasStapelrad(f.rad);
        EXPECT_EQ(s.Etikett, f.etikett);
        EXPECT_EQ(s.Procenttext, f.procent);
        EXPECT_EQ(s.Rekommendation, f.rekommendation);
        EXPECT_EQ(Procentetikett(s), f.procentetikett) << f.rad.toStdString();
        EXPECT_EQ(Stapelbredd(s), f.bredd) << f.rad.toStdString();
    }
}

}  // namespace
