// Round trips over random content: what the program saves, it opens again
// unchanged (grams as the calculation file keeps them, whole numbers).
// Seeded, so a failure comes back with the same case number.

#include "admin/Installningar.h"
#include "analysis/Infotext.h"
#include "files/Berakningsfil.h"
#include "files/Recept.h"
#include "need/Aktivitetsfil.h"
#include "need/Norm.h"
#include "platform/Textfil.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <tuple>

using namespace matvarda;

namespace {

constexpr int Fall = 300;

class Slump {
public:
    explicit Slump(unsigned fro) : motor_(fro) {}
    int Heltal(int minst, int storst) { return std::uniform_int_distribution<int>(minst, storst)(motor_); }
    bool Ibland(int avAntal) { return Heltal(1, avAntal) == 1; }
    float Tal(float storst) { return std::uniform_real_distribution<float>(-storst, storst)(motor_); }
    // Windows-1252 text without line ends: the edges of the printable
    // ranges, Swedish letters and the characters the formats use.
    QString Text(int storstaLangd, const QString& utan = {}) {
        static const QString tecken = QStringLiteral(" !*,./0129@AZaz~&\"\u00A0\u00C5\u00C4\u00D6\u00E5\u00E4\u00F6\u00FF\u20AC\u2030");
        QString text;
        for (int i = Heltal(0, storstaLangd); i > 0; --i) {
            const QChar c = tecken[Heltal(0, static_cast<int>(tecken.size()) - 1)];
            if (!utan.contains(c)) text += c;
        }
        return text;
    }
    QString Kod() { return QString::number(Heltal(1, 999999)); }

private:
    std::mt19937 motor_;
};

TEST(Turochretur, BerakningsfilGerSammaDagbok) {
    Slump slump(20240301);
    for (int fall = 0; fall < Fall; ++fall) {
        SCOPED_TRACE(fall);
        auto berakning = std::make_unique<TBerakning>();
        std::vector<TFilrad> vantat;
        for (int d = 0; d < AntalDagar; ++d)
            for (int m = 0; m < AntalMaltider; ++m) {
                // Used rows come back packed from slot 1, in slot order.
                int plats = 1;
                for (int k = 1; k < AntalPlatser; ++k) {
                    if (!slump.Ibland(6)) continue;
                    TMaltidsrad& rad = (*berakning)[d][m][k];
                    rad.Kod = slump.Kod();
                    rad.Gram = slump.Tal(5000);
                    rad.Portion = slump.Tal(1000);
                    rad.Enhet = slump.Text(EnhetBredd, "&");
                    rad.Tillagg = slump.Text(TillaggBredd);
                    vantat.push_back({d, m, plats++, rad.Kod, Heltalstext(rad.Gram), Heltalstext(rad.Portion),
                                      rad.Enhet, rad.Tillagg});
                }
            }
        const QString datum = slump.Text(10);
        const TBerakningsfil fil = LasBerakningsrader(Berakningsrader(*berakning, datum));
        EXPECT_FALSE(fil.Aldre);
        EXPECT_EQ(fil.Datum, datum);
        ASSERT_EQ(fil.Rader.size(), vantat.size());
        for (size_t i = 0; i < vantat.size(); ++i) {
            const TFilrad& a = fil.Rader[i];
            const TFilrad& b = vantat[i];
            ASSERT_EQ(std::tie(a.Dag, a.Maltid, a.Plats, a.Kod, a.Gram, a.Portion, a.Enhet, a.Tillagg),
                      std::tie(b.Dag, b.Maltid, b.Plats, b.Kod, b.Gram, b.Portion, b.Enhet, b.Tillagg))
                << i;
        }
    }
}

TEST(Turochretur, ReceptGerSammaByte) {
    Slump slump(532);
    for (int fall = 0; fall < Fall; ++fall) {
        SCOPED_TRACE(fall);
        TMaltid maltid;
        for (int k = 1; k < AntalPlatser; ++k) {
            if (!slump.Ibland(3)) continue;
            TMaltidsrad& rad = maltid[k];
            rad.Kod = slump.Kod();
            rad.Livsmedel = slump.Text(LivsmedelBredd);
            for (QString* enhet : {&rad.Enhet, &rad.Enhet1, &rad.Enhet2, &rad.Enhet3, &rad.Enhet4})
                *enhet = slump.Text(EnhetBredd);
            for (float* tal : {&rad.Portion, &rad.Port1, &rad.Port2, &rad.Port3, &rad.Port4, &rad.Gram, &rad.Kgpris})
                *tal = slump.Tal(1e6f);
            rad.Tillagg = slump.Text(TillaggBredd);
            for (float& varde : rad.Naring) varde = slump.Tal(1e4f);
        }
        const QByteArray byte = Receptfil(maltid);
        TMaltid oppnad;
        ASSERT_EQ(LaggTillRecept(oppnad, LasReceptfil(byte)), 0);
        ASSERT_EQ(Receptfil(oppnad), byte);
    }
}

class TurochreturFil : public ::testing::Test {
protected:
    QString Fil(const QString& namn) const { return QDir(mapp.path()).filePath(namn); }
    QTemporaryDir mapp;
    Slump slump{1440};
};

TEST_F(TurochreturFil, AktivitetslistaGerSammaLista) {
    for (int fall = 0; fall < Fall; ++fall) {
        SCOPED_TRACE(fall);
        TAktivitetslista lista;
        lista.Alder = slump.Text(4);
        lista.Vikt = slump.Text(6);
        lista.Kon = slump.Heltal(Kvinna, Man);
        for (int r = 1; r <= AntalAktivitetsrader; ++r)
            if (slump.Ibland(2)) lista.Rader[r] = {slump.Text(40) + 'x', slump.Text(5), slump.Text(5), {}, {}};
        ASSERT_TRUE(SparaAktivitetslista(Fil("a.akt"), lista));
        TAktivitetslista oppnad;
        ASSERT_TRUE(LasAktivitetslista(Fil("a.akt"), oppnad));
        EXPECT_EQ(std::tie(oppnad.Alder, oppnad.Vikt, oppnad.Kon), std::tie(lista.Alder, lista.Vikt, lista.Kon));
        ASSERT_EQ(oppnad.Rader, lista.Rader);
    }
}

TEST_F(TurochreturFil, TipstexterGerSammaTexter) {
    for (int fall = 0; fall < Fall; ++fall) {
        SCOPED_TRACE(fall);
        TKodtexter kodtexter;
        for (QStringList& texter : kodtexter)
            for (int i = slump.Heltal(0, 3); i > 0; --i) texter << slump.Text(60);
        TInfotexter lagrade;
        ASSERT_TRUE(SparaInfotexter(Fil("info.txt"), kodtexter, lagrade));
        TInfotexter oppnade;
        ASSERT_TRUE(LasInfotexter(Fil("info.txt"), oppnade));
        ASSERT_EQ(Kodtexter(oppnade), kodtexter);
    }
}

TEST_F(TurochreturFil, InstallningarGerSammaCeller) {
    for (int fall = 0; fall < Fall; ++fall) {
        SCOPED_TRACE(fall);
        TInstallningstexter texter;
        for (QString& cell : texter) cell = slump.Text(8);
        ASSERT_TRUE(SkrivParafil(Fil("matvarda.para"), texter));
        ASSERT_EQ(LasParafil(Fil("matvarda.para")), texter);
    }
}

}  // namespace
