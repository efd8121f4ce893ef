#include "admin/Installningar.h"

#include "platform/Textfil.h"
#include "stod/Fixtur.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <tuple>

namespace matvarda {
namespace {

TEST(Installningar, StandardtexternaGerStandardvardena) {
    TInstallningar tillampat;
    tillampat.Maltidsandel.fill(0);
    tillampat.Idealfordelning = {};
    const TInstallningstexter texter = Installningstexter(TInstallningar{});
    EXPECT_EQ(QStringList(texter.begin(), texter.end()),
              QStringList({"25", "30", "30", "15", "15", "30", "55", "12.5", "7.5", "10"}));
    TillampaInstallningar(texter, tillampat);
    const TInstallningar standard;
    EXPECT_EQ(tillampat.Maltidsandel, standard.Maltidsandel);
    const auto& i = tillampat.Idealfordelning;
    const auto& s = standard.Idealfordelning;
    EXPECT_EQ(std::tie(i.Protein, i.Fett, i.Kolhydrat, i.Mattat, i.Enkelomattat, i.Fleromattat),
              std::tie(s.Protein, s.Fett, s.Kolhydrat, s.Mattat, s.Enkelomattat, s.Fleromattat));
}

TEST(Installningar, ParafilMedKommaBlankOchBokstaver) {
    QTemporaryDir mapp;
    const QString fil = QDir(mapp.path()).filePath("matvarda.para");
    test::SkrivBytes(fil, "20\r\n 30\r\nabc\r\n12,5\r\n16\r\n31\r\n53\r\n11\r\n9,5\r\n 8\r\n");
    const auto texter = LasParafil(fil);
    ASSERT_TRUE(texter);
    EXPECT_EQ((*texter)[1], " 30");
    TInstallningar inst;
    TillampaInstallningar(*texter, inst);
    EXPECT_FLOAT_EQ(inst.Maltidsandel[0], 0.20f);
    EXPECT_FLOAT_EQ(inst.Maltidsandel[1], 0.30f);
    EXPECT_FLOAT_EQ(inst.Maltidsandel[2], 0);
    EXPECT_FLOAT_EQ(inst.Maltidsandel[3], 0.125f);
    const auto& i = inst.Idealfordelning;
    EXPECT_FLOAT_EQ(i.Protein, 16);
    EXPECT_FLOAT_EQ(i.Fett, 31);
    EXPECT_FLOAT_EQ(i.Kolhydrat, 53);
    EXPECT_FLOAT_EQ(i.Enkelomattat, 11);
    EXPECT_FLOAT_EQ(i.Fleromattat, 9.5f);
    EXPECT_FLOAT_EQ(i.Mattat, 8);
}

TEST(Installningar, KortParafilGerTommaCellerOchNoll) {
    QTemporaryDir mapp;
    const QString fil = QDir(mapp.path()).filePath("matvarda.para");
    test::SkrivBytes(fil, "25\n30\n");
    const auto texter = LasParafil(fil);
    ASSERT_TRUE(texter);
    EXPECT_EQ((*texter)[2], "");
    EXPECT_EQ((*texter)[9], "");
    TInstallningar inst;
    TillampaInstallningar(*texter, inst);
    EXPECT_FLOAT_EQ(inst.Maltidsandel[1], 0.30f);
    EXPECT_FLOAT_EQ(inst.Maltidsandel[2], 0);
    EXPECT_FLOAT_EQ(inst.Idealfordelning.Mattat, 0);
}

TEST(Installningar, SaknadParafilLasesInte) {
    QTemporaryDir mapp;
    EXPECT_FALSE(LasParafil(QDir(mapp.path()).filePath("matvarda.para")));
}

TEST(Installningar, TioCellerSkrivsSomTyptaIRadordning) {
    QTemporaryDir mapp;
    const QString fil = QDir(mapp.path()).filePath("matvarda.para");
    TInstallningstexter texter = Installningstexter(TInstallningar{});
    texter[0] = "20";
    texter[3] = " 20";
    texter[7] = "12,5";
    ASSERT_TRUE(SkrivParafil(fil, texter));
    EXPECT_EQ(LasFil(fil), QByteArray("20\r\n30\r\n30\r\n 20\r\n15\r\n30\r\n55\r\n12,5\r\n7.5\r\n10\r\n"));
}

}  // namespace
}  // namespace matvarda
