#include "need/Norm.h"

#include "stod/Fixtur.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace matvarda {
namespace {

using test::Provnorm;

TEST(Standardbehov, TarRad12ElseForstaRadenINyckelordning) {
    struct {
        const char* Namn;
        QVector<Provnorm> Rader;
        QString Normtext;
        float Kj;
    } const fallen[]{
        {"med rad 12",
         {{3, "Barn 4-6 år", {{0, 6000}}}, {12, "Kvinnor 15-18 år", {{0, 9000}, {1, 2150}}}, {20, "Män", {{0, 11000}}}},
         "Norm: Kvinnor 15-18 år",
         9000},
        {"utan rad 12", {{20, "Män", {{0, 11000}}}, {5, "Barn 7-10 år", {{0, 7500}}}}, "Norm: Barn 7-10 år", 7500},
    };
    for (const auto& fall : fallen) {
        SCOPED_TRACE(fall.Namn);
        QTemporaryDir mapp;
        test::SkapaNormtabell(mapp.path(), fall.Rader);
        Tabell normer(mapp.path(), "normer");
        TBehov behov;
        behov.Normtyp = "aktivnorm";
        SattStandardbehov(normer, behov);
        EXPECT_EQ(behov.Normtext, fall.Normtext);
        EXPECT_FLOAT_EQ(behov.Dagsbehov[EnergiKj], fall.Kj);
        EXPECT_EQ(behov.Normtyp, "aktivnorm");
    }
}

TEST(Standardbehov, TomtFaltGerNollOchAllaFaltenLases) {
    QTemporaryDir mapp;
    test::SkapaNormtabell(mapp.path(), {{12, "Grupp", {{0, 8000}, {4, 60}, {50, 55}}}});
    Tabell normer(mapp.path(), "normer");
    TBehov behov;
    SattStandardbehov(normer, behov);
    EXPECT_FLOAT_EQ(behov.Dagsbehov[4], 60);
    EXPECT_FLOAT_EQ(behov.Dagsbehov[50], 55);
    EXPECT_FLOAT_EQ(behov.Dagsbehov[1], 0);
}

TEST(Standardbehov, SaknadEllerTomTabellKastarOchBehovetStar) {
    QTemporaryDir saknas;
    QTemporaryDir tom;
    test::SkapaNormtabell(tom.path(), {});
    for (const QString& mapp : {saknas.path(), tom.path()}) {
        Tabell normer(mapp, "normer");
        TBehov behov;
        EXPECT_THROW(SattStandardbehov(normer, behov), Fel);
        EXPECT_FLOAT_EQ(behov.Dagsbehov[EnergiKj], 100);
        EXPECT_TRUE(behov.Normtext.isEmpty());
    }
}

TEST(ValjNorm, NormtextMedAvrundadEnergiOchKortatNamn) {
    struct {
        QString Namn;
        float Kj;
        float Kcal;
        QString Normtext;
    } const fallen[]{
        {"Barn", 8000, 1900, "Norm: Barn  8000 kJ/dag (1900 kcal/dag)"},
        {"Barn", 7999.5f, 1899.4f, "Norm: Barn  8000 kJ/dag (1899 kcal/dag)"},
        {"Barn", 7998.5f, 1899.5f, "Norm: Barn  7999 kJ/dag (1900 kcal/dag)"},
        {QString(100, 'x'), 0, 0, "Norm: " + QString(80, 'x') + "  0 kJ/dag (0 kcal/dag)"},
    };
    for (const auto& fall : fallen) {
        SCOPED_TRACE(fall.Normtext.toStdString());
        QTemporaryDir mapp;
        test::SkapaNormtabell(mapp.path(), {{1, fall.Namn, {{0, fall.Kj}, {1, fall.Kcal}, {4, 70}}}});
        Tabell normer(mapp.path(), "normer");
        normer.Oppna();
        normer.Forsta();
        TBehov behov;
        behov.Normtyp = "aktivnorm";
        ValjNorm(LasNormrad(normer), behov);
        EXPECT_EQ(behov.Normtext, fall.Normtext);
        EXPECT_EQ(behov.Normtyp, "standardnorm");
        EXPECT_FLOAT_EQ(behov.Dagsbehov[4], 70);
    }
}

}  // namespace
}  // namespace matvarda
