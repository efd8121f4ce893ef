#include "files/Berakningsfil.h"
#include "stod/Fixtur.h"

#include <gtest/gtest.h>

using namespace matvarda;

namespace {

QStringList Huvud(const QString& datum) {
    QStringList rader{"100", datum, "flera maltider"};
    for (int i = 0; i < 9; ++i) rader << "reserv";
    return rader;
}

QStringList Avslut(int dag, int maltid) { return {QStringLiteral("*%1/%2").arg(dag).arg(maltid)}; }

TMaltidsrad Rad(const QString& kod, float gram, float portion, const QString& enhet, const QString& tillagg = {}) {
    TMaltidsrad rad;
    rad.Kod = kod;
    rad.Gram = gram;
    rad.Portion = portion;
    rad.Enhet = enhet;
    rad.Tillagg = tillagg;
    return rad;
}

TEST(Berakningsrader, TomBerakningArTolvHuvudraderOch28Avslut) {
    const TBerakning tom{};
    QStringList vantat = Huvud("2024-03-01");
    for (int d = 0; d < 7; ++d)
        for (int m = 0; m < 4; ++m) vantat << Avslut(d, m);
    const QStringList rader = Berakningsrader(tom, "2024-03-01");
    EXPECT_EQ(rader.size(), 40);
    EXPECT_EQ(rader, vantat);
}

TEST(Berakningsrader, GramOchPortionAvrundasHalvorBortFranNoll) {
    const struct {
        float gram, portion;
        const char* enhet;
        const char* tillagg;
        const char* radB;
    } fall[] = {
        {0.4f, 2.5f, "dl", "", "0/3@dl"},
        {12.5f, 2.4f, "st", "ab", "13/2@st&ab"},
        {0.5f, 1.5f, "g", "", "1/2@g"},
        {150, 30, "dl", "", "150/30@dl"},
        {2.49f, 98.5f, "", "", "2/99@"},
    };
    for (const auto& f : fall) {
        TBerakning berakning{};
        berakning[0][0][1] = Rad("2001", f.gram, f.portion, f.enhet, f.tillagg);
        const QStringList rader = Berakningsrader(berakning, "d");
        ASSERT_EQ(rader.size(), 42);
        EXPECT_EQ(rader[12], "2001");
        EXPECT_EQ(rader[13], f.radB) << f.radB;
        EXPECT_EQ(rader[14], "*0/0");
    }
}

TEST(Berakningsrader, RaderPackasOchLasesTillbakaIFoljd) {
    TBerakning berakning{};
    auto& middag = berakning[6][2];
    middag[1] = Rad("1001", 10, 1, "st");
    middag[2] = Rad("1002", 20, 1, "st");
    middag[5] = Rad("1003", 50, 1, "st");
    // A slot holding a number but no food is not saved.
    middag[3].Gram = 40;
    berakning[6][3][SistaPlats] = Rad("4001", 200, 200, "glas");
    const QStringList rader = Berakningsrader(berakning, "d");
    QStringList vantat = Huvud("d");
    for (int d = 0; d < 7; ++d)
        for (int m = 0; m < 4; ++m) {
            if (d == 6 && m == 2) vantat << "1001" << "10/1@st" << "1002" << "20/1@st" << "1003" << "50/1@st";
            if (d == 6 && m == 3) vantat << "4001" << "200/200@glas";
            vantat << Avslut(d, m);
        }
    EXPECT_EQ(rader, vantat);

    const TBerakningsfil fil = LasBerakningsrader(rader);
    EXPECT_FALSE(fil.Aldre);
    EXPECT_EQ(fil.Datum, "d");
    ASSERT_EQ(fil.Rader.size(), 4u);
    const struct {
        int dag, maltid, plats;
        const char* kod;
    } platser[] = {{6, 2, 1, "1001"}, {6, 2, 2, "1002"}, {6, 2, 3, "1003"}, {6, 3, 1, "4001"}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(fil.Rader[i].Dag, platser[i].dag);
        EXPECT_EQ(fil.Rader[i].Maltid, platser[i].maltid);
        EXPECT_EQ(fil.Rader[i].Plats, platser[i].plats);
        EXPECT_EQ(fil.Rader[i].Kod, platser[i].kod);
    }
}

TEST(LasBerakningsrader, RadBDelasVidForstaSnedstreckSnabelOchOchtecken) {
    const struct {
        const char* radB;
        const char* gram;
        std::optional<QString> portion, enhet;
        const char* tillagg;
    } fall[] = {
        {"150", "150", std::nullopt, std::nullopt, ""},
        {"150/30@dl&ab", "150", "30", "dl", "ab"},
        {"150/30@dl", "150", "30", "dl", ""},
        {"150/30@a&b&c", "150", "30", "a", "b&c"},
        {"150/30@g/dl@x", "150", "30", "g/dl@x", ""},
        {"150/30@", "150", "30", "", ""},
        {"150/30", "150", "30", std::nullopt, ""},
        {"12,5/2", "12,5", "2", std::nullopt, ""},
    };
    for (const auto& f : fall) {
        QStringList rader = Huvud("d");
        rader << "2001" << f.radB;
        const TBerakningsfil fil = LasBerakningsrader(rader);
        ASSERT_EQ(fil.Rader.size(), 1u) << f.radB;
        const TFilrad& rad = fil.Rader[0];
        EXPECT_EQ(rad.Gram, f.gram) << f.radB;
        EXPECT_EQ(rad.Portion, f.portion) << f.radB;
        EXPECT_EQ(rad.Enhet, f.enhet) << f.radB;
        EXPECT_EQ(rad.Tillagg, f.tillagg) << f.radB;
    }
}

TEST(LasBerakningsrader, MerAn29ParBehallerDe29ForstaOchNastaMaltidStarIFas) {
    QStringList rader = Huvud("d");
    for (int k = 1; k <= 31; ++k) rader << QString::number(1000 + k) << "1";
    rader << "*0/0" << "5001" << "2" << "*0/1";
    const TBerakningsfil fil = LasBerakningsrader(rader);
    ASSERT_EQ(fil.Rader.size(), 30u);
    EXPECT_EQ(fil.Rader[28].Plats, SistaPlats);
    EXPECT_EQ(fil.Rader[28].Kod, "1029");
    EXPECT_EQ(fil.Rader[29].Maltid, 1);
    EXPECT_EQ(fil.Rader[29].Plats, 1);
    EXPECT_EQ(fil.Rader[29].Kod, "5001");
}

TEST(LasBerakningsrader, FilSomTarSlutITidLamnarResten) {
    QStringList rader = Huvud("d");
    rader << "*0/0" << "2001" << "150/30@dl" << "0" << "5" << "4001";
    const TBerakningsfil fil = LasBerakningsrader(rader);
    ASSERT_EQ(fil.Rader.size(), 2u);
    EXPECT_EQ(fil.Rader[0].Maltid, 1);
    EXPECT_EQ(fil.Rader[0].Plats, 1);
    // The "0" row keeps its slot empty; the last code has lost its line B.
    EXPECT_EQ(fil.Rader[1].Plats, 3);
    EXPECT_EQ(fil.Rader[1].Kod, "4001");
    EXPECT_EQ(fil.Rader[1].Gram, "");
    EXPECT_TRUE(LasBerakningsrader({"100"}).Rader.empty());
}

TEST(LasBerakningsrader, AnnanForstaRadArAldreLayoutMedPlats0Till29) {
    QStringList rader;
    for (int i = 0; i < 7 * 4 * 30; ++i) rader << "0" << "0";
    // Day 1, meal 2, slot 4; and the last slot of all.
    const int par = (1 * 4 + 2) * 30 + 4;
    rader[2 * par] = "1234";
    rader[2 * par + 1] = "75,5";
    rader[rader.size() - 2] = "4001";
    rader.last() = "200";
    const TBerakningsfil fil = LasBerakningsrader(rader);
    EXPECT_TRUE(fil.Aldre);
    ASSERT_EQ(fil.Rader.size(), 2u);
    EXPECT_EQ(fil.Rader[0].Dag, 1);
    EXPECT_EQ(fil.Rader[0].Maltid, 2);
    EXPECT_EQ(fil.Rader[0].Plats, 4);
    EXPECT_EQ(fil.Rader[0].Gram, "75,5");
    EXPECT_FALSE(fil.Rader[0].Enhet.has_value());
    EXPECT_EQ(fil.Rader[1].Dag, 6);
    EXPECT_EQ(fil.Rader[1].Maltid, 3);
    EXPECT_EQ(fil.Rader[1].Plats, SistaPlats);

    // A short legacy file ends the reading instead of naming empty codes.
    EXPECT_TRUE(LasBerakningsrader({"0", "0", "1234"}).Aldre);
    EXPECT_EQ(LasBerakningsrader({"0", "0", "1234"}).Rader.size(), 1u);
    EXPECT_TRUE(LasBerakningsrader({}).Rader.empty());
    // A code in slot 0 is passed over; slot 1 still reads.
    const TBerakningsfil plats0 = LasBerakningsrader({"1234", "50", "4001", "60"});
    ASSERT_EQ(plats0.Rader.size(), 1u);
    EXPECT_EQ(plats0.Rader[0].Kod, "4001");
    EXPECT_EQ(plats0.Rader[0].Plats, 1);
}

TEST(Normrader, SkrivsMedTreDecimalerOchLasesTillbaka) {
    TBehov behov;
    behov.Normtyp = "standardnorm";
    behov.Normtext = "Norm: Kvinnor 15-18 år  9000 kJ/dag (2150 kcal/dag)";
    for (int k = 0; k < AntalNaringsamnen; ++k) behov.Dagsbehov[k] = 0.5f * k;
    behov.Dagsbehov[0] = 8400;
    behov.Dagsbehov[50] = 0.0626f;
    const QStringList rader = Normrader(behov);
    ASSERT_EQ(rader.size(), 63);
    EXPECT_EQ(rader.mid(0, 10), QStringList(10, "reserv"));
    EXPECT_EQ(rader[10], "standardnorm");
    EXPECT_EQ(rader[11], behov.Normtext);
    EXPECT_EQ(rader[12], "8400.000");
    EXPECT_EQ(rader[13], "0.500");
    EXPECT_EQ(rader[62], "0.063");

    TBehov last;
    EXPECT_EQ(LasNormrader(rader, last), "standardnorm");
    EXPECT_EQ(last.Normtext, behov.Normtext);
    EXPECT_EQ(last.Dagsbehov[0], 8400);
    EXPECT_EQ(last.Dagsbehov[13], 6.5f);
    EXPECT_FLOAT_EQ(last.Dagsbehov[50], 0.063f);
}

TEST(Normrader, KortFilGerNollOchLangNormtextKapas) {
    QStringList rader(10, "reserv");
    rader << "aktivnorm" << QString(100, 'x') << "2500,5";
    TBehov behov;
    EXPECT_EQ(LasNormrader(rader, behov), "aktivnorm");
    EXPECT_EQ(behov.Normtyp, "aktivnorm");
    EXPECT_EQ(behov.Normtext, QString(80, 'x'));
    EXPECT_EQ(behov.Dagsbehov[0], 2500.5f);
    EXPECT_EQ(behov.Dagsbehov[1], 0);
    EXPECT_EQ(behov.Dagsbehov[50], 0);
}

}  // namespace
