#include "print/Rapportargument.h"

#include "stod/Fixtur.h"

#include <gtest/gtest.h>

using namespace matvarda;

namespace {

QStringList Ord(const QString& text) { return text.split(' ', Qt::SkipEmptyParts); }

TEST(RapportargumentTest, StandardvalOchFilerna) {
    const TRapportargument a = LasRapportargument(Ord("a.dbok b.dbok -o ut"));
    ASSERT_EQ(a.Fel, "");
    const TRapportkommando& k = a.Kommando;
    EXPECT_EQ(k.Berakningar, QStringList({"a.dbok", "b.dbok"}));
    EXPECT_EQ(k.Ut, "ut");
    EXPECT_EQ(k.Val.Omfattning, 2);
    EXPECT_EQ(k.Val.Detaljniva, 0);
    EXPECT_FALSE(k.Val.Pris);
    EXPECT_FALSE(k.Val.Komprimerad);
    EXPECT_TRUE(k.Val.Stapeldiagram);
    EXPECT_TRUE(k.Val.Fettsammansattning);
    EXPECT_TRUE(k.Cirklar);
    EXPECT_EQ(k.Dag, 0);
    EXPECT_EQ(k.Maltid, 0);
    EXPECT_EQ(k.Typ, "");
}

TEST(RapportargumentTest, VarjeValSattsAvSinFlagga) {
    const TRapportargument a = LasRapportargument(
        Ord("--omfattning maltid --detalj 3 --dag 7 --maltid mellanmal --pris --komprimerad --utan-staplar "
            "--utan-energifordelning --utan-cirklar --typ txt -o ut v.dbok --rubrik Vecka"));
    ASSERT_EQ(a.Fel, "");
    const TRapportkommando& k = a.Kommando;
    EXPECT_EQ(k.Val.Omfattning, 0);
    EXPECT_EQ(k.Val.Detaljniva, 3);
    EXPECT_EQ(k.Dag, 6);
    EXPECT_EQ(k.Maltid, 3);
    EXPECT_TRUE(k.Val.Pris);
    EXPECT_TRUE(k.Val.Komprimerad);
    EXPECT_FALSE(k.Val.Stapeldiagram);
    EXPECT_FALSE(k.Val.Fettsammansattning);
    EXPECT_FALSE(k.Cirklar);
    EXPECT_EQ(k.Typ, "txt");
    EXPECT_EQ(k.Rubrik, "Vecka");
    EXPECT_EQ(LasRapportargument(Ord("--omfattning dag --dag 1 --maltid frukost v -o u")).Kommando.Val.Omfattning, 1);
}

TEST(RapportargumentTest, FelSagsPaSvenska) {
    const std::pair<const char*, const char*> fall[]{
        {"v.dbok", "Ange var rapporten ska skrivas med -o."},
        {"-o ut", "Ange minst en beräkning (.dbok)."},
        {"v.dbok -o", "-o behöver ett värde."},
        {"--dag 0 v -o u", "Ogiltigt värde för --dag: 0"},
        {"--dag 8 v -o u", "Ogiltigt värde för --dag: 8"},
        {"--dag tre v -o u", "Ogiltigt värde för --dag: tre"},
        {"--detalj 4 v -o u", "Ogiltigt värde för --detalj: 4"},
        {"--maltid brunch v -o u", "Ogiltigt värde för --maltid: brunch"},
        {"--omfattning vecka v -o u", "Ogiltigt värde för --omfattning: vecka"},
        {"--typ doc v -o u", "Okänd filtyp: doc"},
        {"--farg v -o u", "Okänt val: --farg"},
    };
    for (const auto& [argument, fel] : fall) EXPECT_EQ(LasRapportargument(Ord(argument)).Fel, fel) << argument;
    EXPECT_TRUE(LasRapportargument(Ord("--help")).Kommando.Hjalp);
    EXPECT_EQ(LasRapportargument(Ord("--help")).Fel, "");
}

}  // namespace
