#include "platform/Textfil.h"
#include "files/Recept.h"
#include "platform/SkriptadeDialoger.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

using namespace matvarda;
using namespace matvarda::test;

namespace {

// Record bytes placed by hand from the layout table.
class TPostbytes {
public:
    TPostbytes() : byte_(532, '\0') {}
    TPostbytes& Text(int plats, const QByteArray& text) {
        byte_[plats] = static_cast<char>(text.size());
        std::memcpy(byte_.data() + plats + 1, text.constData(), text.size());
        return *this;
    }
    TPostbytes& Langd(int plats, unsigned char langd) {
        byte_[plats] = static_cast<char>(langd);
        return *this;
    }
    TPostbytes& Singel(int plats, float varde) {
        quint32 bitar;
        std::memcpy(&bitar, &varde, 4);
        for (int i = 0; i < 4; ++i) byte_[plats + i] = static_cast<char>((bitar >> (8 * i)) & 0xFF);
        return *this;
    }
    TPostbytes& Fyll(int fran, int till, char varde) {
        for (int i = fran; i < till; ++i) byte_[i] = varde;
        return *this;
    }
    const QByteArray& Bytes() const { return byte_; }

private:
    QByteArray byte_;
};

TMaltidsrad Provrad() {
    TMaltidsrad rad;
    rad.Kod = "A12345678901234567890Z";  // all 22 characters
    rad.Livsmedel = "Ärtsoppa med fläsk";
    rad.Enhet = "portion";
    rad.Portion = 300;
    rad.Enhet1 = "dl";
    rad.Port1 = 105.5f;
    rad.Enhet2 = "liter";
    rad.Port2 = 1050;
    rad.Enhet3 = "msk";
    rad.Port3 = 15.25f;
    rad.Enhet4 = "kastrull på 16 t";
    rad.Port4 = -1;
    rad.Gram = 450;
    rad.Kgpris = 35.5f;
    rad.Tillagg = "åäö€x";
    for (int k = 0; k < AntalNaringsamnen; ++k) rad.Naring[k] = 1000.0f + k;
    return rad;
}

TPostbytes Provbytes() {
    TPostbytes b;
    b.Text(0, "A12345678901234567890Z").Text(23, "\xC4rtsoppa med fl\xE4sk").Text(104, "portion").Singel(124, 300);
    b.Text(128, "dl").Singel(148, 105.5f).Text(152, "liter").Singel(172, 1050);
    b.Text(176, "msk").Singel(196, 15.25f).Text(200, "kastrull p\xE5 16 t").Singel(220, -1);
    b.Singel(224, 450).Singel(228, 35.5f).Text(232, "\xE5\xE4\xF6\x80x");
    for (int k = 0; k < 51; ++k) b.Singel(244 + 4 * k, 1000.0f + k);
    return b;
}

void ForvantaLika(const TMaltidsrad& a, const TMaltidsrad& b) {
    EXPECT_EQ(a.Kod, b.Kod);
    EXPECT_EQ(a.Livsmedel, b.Livsmedel);
    EXPECT_EQ(a.Enhet, b.Enhet);
    EXPECT_EQ(a.Portion, b.Portion);
    EXPECT_EQ(a.Enhet1, b.Enhet1);
    EXPECT_EQ(a.Port1, b.Port1);
    EXPECT_EQ(a.Enhet2, b.Enhet2);
    EXPECT_EQ(a.Port2, b.Port2);
    EXPECT_EQ(a.Enhet3, b.Enhet3);
    EXPECT_EQ(a.Port3, b.Port3);
    EXPECT_EQ(a.Enhet4, b.Enhet4);
    EXPECT_EQ(a.Port4, b.Port4);
    EXPECT_EQ(a.Gram, b.Gram);
    EXPECT_EQ(a.Kgpris, b.Kgpris);
    EXPECT_EQ(a.Tillagg, b.Tillagg);
    EXPECT_EQ(a.Naring, b.Naring);
}

TEST(Receptpost, FaltenLiggerDarLayoutenSagerOchRestenArNoll) {
    EXPECT_EQ(Receptpost(Provrad()), Provbytes().Bytes());
    TPostbytes tom;
    tom.Text(0, "0");
    EXPECT_EQ(Receptpost(TMaltidsrad{}), tom.Bytes());
}

TEST(Receptpost, LasesFaltForFaltOchIgnorerarDetSomInteTolkas) {
    // Bytes outside the fields and past each text's length are not read.
    TPostbytes b = Provbytes();
    b.Fyll(121, 124, '\x7F').Fyll(238, 244, '\x55').Fyll(448, 532, '\x33');
    b.Fyll(23 + 1 + 18, 23 + 81, 'z');
    ForvantaLika(LasReceptpost(b.Bytes()), Provrad());
}

TEST(Receptpost, LangdOverFaltetOchTalSomInteArTalLasesSakert) {
    TPostbytes b;
    b.Fyll(0, 532, 'q');
    b.Langd(0, 255).Langd(23, 81).Langd(104, 17).Langd(232, 200);
    b.Singel(124, std::numeric_limits<float>::quiet_NaN());
    b.Singel(224, std::numeric_limits<float>::infinity());
    b.Singel(228, -std::numeric_limits<float>::infinity());
    b.Singel(244, std::numeric_limits<float>::quiet_NaN());
    b.Singel(244 + 4 * 50, 7.5f);
    const TMaltidsrad rad = LasReceptpost(b.Bytes());
    EXPECT_EQ(rad.Kod, QString(22, 'q'));
    EXPECT_EQ(rad.Livsmedel, QString(80, 'q'));
    EXPECT_EQ(rad.Enhet, QString(16, 'q'));
    EXPECT_EQ(rad.Tillagg, QString(5, 'q'));
    EXPECT_EQ(rad.Portion, 0);
    EXPECT_EQ(rad.Gram, 0);
    EXPECT_EQ(rad.Kgpris, 0);
    EXPECT_EQ(rad.Naring[0], 0);
    EXPECT_EQ(rad.Naring[50], 7.5f);
}

TEST(Receptfil, Post0OchPackadeRaderOchBaraHelaPosterLases) {
    TMaltid maltid{};
    for (const int k : {1, 2, 5}) {
        maltid[k] = Provrad();
        maltid[k].Kod = QString::number(k);
    }
    const QByteArray fil = Receptfil(maltid);
    ASSERT_EQ(fil.size(), 4 * 532);
    EXPECT_EQ(fil.left(532), Receptpost(TMaltidsrad{}));
    EXPECT_EQ(fil.mid(3 * 532), Receptpost(maltid[5]));

    const auto rader = LasReceptfil(fil + QByteArray(531, '\1'));
    ASSERT_EQ(rader.size(), 3u);
    EXPECT_EQ(rader[2].Kod, "5");
    EXPECT_TRUE(LasReceptfil(fil.left(532)).empty());
    EXPECT_TRUE(LasReceptfil(QByteArray(100, '\0')).empty());
}

TEST(LaggTillRecept, FyllerTommaPlatserUtanAttSkrivaOverOchRaknarDeSomInteFick) {
    const struct {
        std::vector<int> fyllda;
        int recept;
        std::vector<int> vantadePlatser;
        int ejPlats;
    } fall[] = {
        {{}, 3, {1, 2, 3}, 0},
        {{1, 2, 3, 4}, 2, {5, 6}, 0},
        {{1, 3, 4}, 3, {2, 5, 6}, 0},
        {{2, 29}, 2, {1, 3}, 0},
        {[] { std::vector<int> v; for (int k = 1; k <= 28; ++k) v.push_back(k); return v; }(), 3, {29}, 2},
        {[] { std::vector<int> v; for (int k = 1; k <= 29; ++k) v.push_back(k); return v; }(), 1, {}, 1},
    };
    for (const auto& f : fall) {
        TMaltid maltid{};
        for (const int k : f.fyllda) maltid[k].Kod = "mat";
        std::vector<TMaltidsrad> recept(f.recept);
        for (int i = 0; i < f.recept; ++i) recept[i].Kod = QStringLiteral("r%1").arg(i);
        EXPECT_EQ(LaggTillRecept(maltid, recept), f.ejPlats);
        for (const int k : f.fyllda) EXPECT_EQ(maltid[k].Kod, "mat");
        for (size_t i = 0; i < f.vantadePlatser.size(); ++i)
            EXPECT_EQ(maltid[f.vantadePlatser[i]].Kod, QStringLiteral("r%1").arg(i)) << f.vantadePlatser[i];
    }
}

class ReceptTest : public ::testing::Test {
protected:
    void SetUp() override {
        t->Start.Berakningsmapp = mapp.path();
        t->Dagbok.AktuellDag = 3;
        t->Dagbok.AktuellMaltid = 2;
    }
    QString Fil(const QString& namn) const { return QDir(mapp.path()).filePath(namn); }
    TMaltid& Maltid() { return t->Dagbok.AktuellaMaltiden(); }

    QTemporaryDir mapp;
    std::unique_ptr<TTillstand> t = std::make_unique<TTillstand>();
    SkriptadeDialoger dialoger;
};

TEST_F(ReceptTest, SparaOchHamtaUnderAnnatTillagg) {
    Maltid()[1] = Provrad();
    Maltid()[4] = Provrad();
    Maltid()[4].Kod = "4";
    dialoger.SvaraText(Fil("soppa.txt"));
    SparaRecept(*t, dialoger);
    EXPECT_EQ(dialoger.Visat, QStringList({"Spara recept", "Receptet är sparat."}));
    EXPECT_EQ(QFile(Fil("soppa.recept")).size(), 3 * 532);
    EXPECT_FALSE(t->Dagbok.Andrad);

    t->Dagbok.AktuellMaltid = 0;
    Maltid()[1].Kod = "mat";
    dialoger.SvaraText(Fil("soppa.dbok"));
    EXPECT_TRUE(HamtaRecept(*t, dialoger));
    EXPECT_TRUE(t->Dagbok.Andrad);
    EXPECT_EQ(Maltid()[1].Kod, "mat");
    ForvantaLika(Maltid()[2], Provrad());
    EXPECT_EQ(Maltid()[3].Kod, "4");
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"Receptet är sparat."}));
}

TEST_F(ReceptTest, TomtReceptSatterAndradOchFulltMaltidMeddelar) {
    dialoger.SvaraText(Fil("tomt"));
    SparaRecept(*t, dialoger);
    EXPECT_EQ(QFile(Fil("tomt.recept")).size(), 532);
    dialoger.SvaraText(Fil("tomt.recept"));
    EXPECT_TRUE(HamtaRecept(*t, dialoger));
    EXPECT_TRUE(t->Dagbok.Andrad);
    for (int k = 0; k < AntalPlatser; ++k) EXPECT_TRUE(ArTom(Maltid()[k]));

    for (int k = 1; k < AntalPlatser; ++k) Maltid()[k].Kod = "mat";
    SkrivBytes(Fil("tre.recept"), Receptpost({}) + Receptpost(Provrad()) + Receptpost(Provrad()) + Receptpost(Provrad()));
    Maltid()[7] = TMaltidsrad{};
    dialoger.Meddelanden.clear();
    dialoger.SvaraText(Fil("tre.recept"));
    EXPECT_TRUE(HamtaRecept(*t, dialoger));
    EXPECT_EQ(Maltid()[7].Kod, Provrad().Kod);
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"2 av receptets rader fick inte plats i måltiden."}));
}

TEST_F(ReceptTest, SaknadFilOchAvbrytGorIngenting) {
    dialoger.SvaraText(Fil("saknas.recept"));
    EXPECT_FALSE(HamtaRecept(*t, dialoger));
    dialoger.SvaraText(std::nullopt);
    EXPECT_FALSE(HamtaRecept(*t, dialoger));
    EXPECT_FALSE(t->Dagbok.Andrad);
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());

    dialoger.SvaraText(Fil("saknas/x"));
    SparaRecept(*t, dialoger);
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"Kan ej spara beräkningen"}));
}

TEST_F(ReceptTest, SparaFragarInnanReceptetErsatts) {
    SkrivBytes(Fil("soppa.recept"), "gammal");
    dialoger.SvaraText(Fil("soppa"));
    dialoger.Svara(Svar::Nej);
    dialoger.SvaraText(std::nullopt);
    SparaRecept(*t, dialoger);
    EXPECT_EQ(LasFil(Fil("soppa.recept")), QByteArray("gammal"));
    EXPECT_EQ(dialoger.Visat[1], Fil("soppa.recept") + " finns redan.\nVill du ersätta den?");
}

}  // namespace
