#include "analysis/Infotext.h"

#include "platform/Textfil.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;

namespace {

int Index(const char* kod) {
    for (int i = 0; i < AntalInfokoder; ++i)
        if (Infokoder[i].Kod == QLatin1String(kod)) return i;
    return -1;
}

TEST(Infokoder, TrettiotvaKoderMedBlanktEfterIOrdning) {
    EXPECT_EQ(Infokoder[0].Kod, "M1 ");
    EXPECT_EQ(Infokoder[0].Etikett, "Energi mkt låg");
    EXPECT_EQ(Infokoder[8].Kod, "M9 ");
    EXPECT_EQ(Infokoder[9].Kod, "M10 ");
    EXPECT_EQ(Infokoder[9].Etikett, "Fett lågt");
    EXPECT_EQ(Infokoder[20].Etikett, "C mkt lågt");
    EXPECT_EQ(Infokoder[31].Kod, "M32 ");
    EXPECT_EQ(Infokoder[31].Etikett, "Kalc högt");
}

TEST(Kodrader, RaderSomBorjarMedKodenUtanKoden) {
    const TInfotexter texter{{"M1 Ett", "M10 Tio", "M1Utan blank", "M1", "Ingen kod", "M3 Tre a", "M1 ", "m1 liten",
                              " M1 indragen", "M3 Tre b", "M32 Sist"}};
    const struct {
        const char* kod;
        QStringList rader;
    } fall[] = {
        {"M1 ", {"Ett", ""}},  // not "M10 Tio", "M1Utan blank" or "M1"
        {"M10 ", {"Tio"}},
        {"M3 ", {"Tre a", "Tre b"}},
        {"M32 ", {"Sist"}},
        {"M2 ", {}},
    };
    for (const auto& f : fall) EXPECT_EQ(Kodrader(texter, f.kod), f.rader) << f.kod;
}

class InfotextFil : public ::testing::Test {
protected:
    QString Fil() const { return QDir(mapp.path()).filePath("info.txt"); }
    QTemporaryDir mapp;
};

// Lines of one code spread over the file come together in file order; lines
// without a code are gone after a save; an empty line stays a line holding
// the code alone.
TEST_F(InfotextFil, LasOchSparaSamlarKodernasRaderIKodordning) {
    test::SkrivBytes(Fil(), "M3 F\xF6rsta\r\nUtan kod\r\nM10 Fett\nM1Ingen blank\r\nM3 \r\nM1 Energi\r\nM3 Andra\r\n");
    TInfotexter texter;
    ASSERT_TRUE(LasInfotexter(Fil(), texter));
    const TKodtexter kodtexter = Kodtexter(texter);
    EXPECT_EQ(kodtexter[Index("M1 ")], QStringList({"Energi"}));
    EXPECT_EQ(kodtexter[Index("M3 ")], QStringList({"Första", "", "Andra"}));
    EXPECT_EQ(kodtexter[Index("M10 ")], QStringList({"Fett"}));
    for (const int tom : {Index("M2 "), Index("M11 "), Index("M32 ")}) EXPECT_TRUE(kodtexter[tom].isEmpty());

    ASSERT_TRUE(SparaInfotexter(Fil(), kodtexter, texter));
    EXPECT_EQ(LasFil(Fil()), QByteArray("M1 Energi\r\nM3 F\xF6rsta\r\nM3 \r\nM3 Andra\r\nM10 Fett\r\n"));
    EXPECT_EQ(texter.Rader, QStringList({"M1 Energi", "M3 Första", "M3 ", "M3 Andra", "M10 Fett"}));
    TInfotexter igen;
    ASSERT_TRUE(LasInfotexter(Fil(), igen));
    EXPECT_EQ(Kodtexter(igen), kodtexter);
}

TEST_F(InfotextFil, SaknadFilGerTomtLager) {
    TInfotexter texter{{"M1 gammal"}};
    EXPECT_FALSE(LasInfotexter(Fil(), texter));
    EXPECT_TRUE(texter.Rader.isEmpty());
    EXPECT_TRUE(InfotexterSaknas(Fil()).startsWith("Kan ej läsa tips-texterna i filen "));
    EXPECT_TRUE(InfotexterSaknas(Fil()).contains("info.txt"));
}

TEST_F(InfotextFil, SkrivfelGerFalsktOchLagretHallerDeNyaRaderna) {
    ASSERT_TRUE(QDir(mapp.path()).mkdir("info.txt"));  // cannot be written over
    TKodtexter kodtexter;
    kodtexter[Index("M32 ")] = {"Ny"};
    TInfotexter texter{{"M1 gammal"}};
    EXPECT_FALSE(SparaInfotexter(Fil(), kodtexter, texter));
    EXPECT_EQ(texter.Rader, QStringList({"M32 Ny"}));
    EXPECT_TRUE(QFileInfo(Fil()).isDir());
}

}  // namespace
