#include "core/Naringsamnen.h"
#include "platform/Fel.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

// LasTal reads the same and tells the unreadable texts apart from a real 0.
TEST(TextTillTal, LaserDecimalkommaOchGer0ForAlltAnnat) {
    const struct {
        const char* text;
        float varde;
        bool lasbart;
    } fall[] = {{"  12,5", 12.5f, true}, {"12.5", 12.5f, true}, {"1,5,0", 0.0f, false}, {"", 0.0f, false},
                {"12 ", 0.0f, false},    {"abc", 0.0f, false},  {"-3,25", -3.25f, true}, {"1e2", 100.0f, true},
                {"inf", 0.0f, false},    {"0x10", 0.0f, false}, {",5", 0.5f, true},      {"-", 0.0f, false},
                {"0", 0.0f, true},       {"  ", 0.0f, false},   {"1e39", 0.0f, false},   {"-1e39", 0.0f, false},
                {"3,4e38", 3.4e38f, true}};
    for (const auto& f : fall) {
        const QString text = QString::fromUtf8(f.text);
        EXPECT_FLOAT_EQ(TextTillTal(text), f.varde) << f.text;
        EXPECT_EQ(LasTal(text).has_value(), f.lasbart) << f.text;
        if (f.lasbart) {
            EXPECT_FLOAT_EQ(*LasTal(text), f.varde) << f.text;
        }
    }
}

TEST(VisaVarde, AvrundarTillDecimalernaOchHogerjusterarTill6) {
    TNaringskatalog katalog;
    katalog.Decimaler[20] = 2;
    EXPECT_EQ(VisaVarde(3.14159, 20, katalog), "  3.14");
    EXPECT_EQ(VisaVarde(12345.6, 20, katalog), "12345.60");
    EXPECT_EQ(VisaVarde(7.6, 15, katalog), "     8");
}

TEST(DosTillWindows, ByterDeNioBokstavernaOchInget) {
    EXPECT_EQ(DosTillWindows("\x8E\x8F\x99\x84\x86\x94\xF8\x8A\x82"), "\xC4\xC5\xD6\xE4\xE5\xF6\xB0\xE8\xE9");
    EXPECT_EQ(DosTillWindows("K\xF6tt \xE5"), "K\xF6tt \xE5");
}

class LasNaringsnamnTest : public ::testing::Test {
protected:
    QString Fil(const QByteArray& innehall) {
        const QString fil = QDir(mapp.path()).filePath("nvnamn.txt");
        SkrivBytes(fil, innehall);
        return fil;
    }
    QTemporaryDir mapp;
    TNaringskatalog katalog;
};

TEST_F(LasNaringsnamnTest, LaserNamnEnhetOchDecimaler) {
    LasNaringsnamn(Fil("* kommentar \x94\r\n15 Energi kJ,0\r\n25 D vitamin mcg,1\r\n 7 J\x84rn mg,2 extra\r\n"
                       "36 J\x84rn mg,2\r\n"),
                   katalog);
    EXPECT_EQ(katalog.Kortnamn[15], "Energi");
    EXPECT_EQ(katalog.Enhetsnamn[15], "kJ");
    EXPECT_EQ(katalog.NamnEnhet[15], "Energi kJ");
    EXPECT_EQ(katalog.Decimaler[15], 0);
    EXPECT_EQ(katalog.Kortnamn[25], "D");
    EXPECT_EQ(katalog.Enhetsnamn[25], "vi");
    EXPECT_EQ(katalog.NamnEnhet[25], "D vitamin mc");
    EXPECT_EQ(katalog.Decimaler[7], 2);
    EXPECT_EQ(katalog.NamnEnhet[36], "Järn mg");
}

TEST_F(LasNaringsnamnTest, BaraKommentarerLaddarIngenting) {
    LasNaringsnamn(Fil("* en\n* tv\xE5\n"), katalog);
    for (int n = 0; n <= SistaNaringsnummer; ++n) {
        EXPECT_TRUE(katalog.NamnEnhet[n].isEmpty());
        EXPECT_EQ(katalog.Decimaler[n], 0);
    }
}

TEST_F(LasNaringsnamnTest, TrasigRadGerFelINamnfilen) {
    const QByteArray fall[] = {"15 Energi kJ,0\r\n\r\n",  // blank line at the end
                               "99 Okand g,1\r\n",        // number outside the catalogue
                               "7  Energi kJ,0\r\n",      // digit then space
                               "15 Energi kJ\r\n",        // no comma
                               "15 Energi kJ,x\r\n",      // no digit after the comma
                               "15 Energi kJ,\r\n"};
    for (const QByteArray& innehall : fall) {
        try {
            LasNaringsnamn(Fil(innehall), katalog);
            ADD_FAILURE() << innehall.constData();
        } catch (const Fel& fel) {
            EXPECT_EQ(fel.Meddelande(), "Fel i namnfilen nvnamn.txt");
        }
    }
}

TEST_F(LasNaringsnamnTest, SaknadFilNamnerFilen) {
    try {
        LasNaringsnamn(QDir(mapp.path()).filePath("nvnamn.txt"), katalog);
        FAIL();
    } catch (const Fel& fel) {
        EXPECT_TRUE(fel.Meddelande().contains("nvnamn.txt"));
        EXPECT_TRUE(fel.Meddelande().startsWith("Kan ej"));
    }
}
