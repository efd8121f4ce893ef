#include "need/Formnvval.h"

#include "platform/Textfil.h"
#include "matvarda/FormDiagram.h"
#include "stod/Fonstertest.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class FormnvvalTest : public TFonstertest {
protected:
    void Starta(const QByteArray& nvval) {
        SkrivBytes(mapp.Fil("nvval.txt"), nvval);
        TFonstertest::Starta();
        nv = program.Formnvval;
    }
    std::set<int> Markerade() {
        std::set<int> markerade;
        for (int n = 0; n <= SistaNaringsnummer; ++n)
            if (nv->Rutor[n] && nv->Rutor[n]->isChecked()) markerade.insert(n);
        return markerade;
    }
    std::set<int> Valda() {
        std::set<int> valda;
        for (int n = 0; n <= SistaNaringsnummer; ++n)
            if (t.Urval.Valda[n]) valda.insert(n);
        return valda;
    }

    Tformnvval* nv = nullptr;
};

TEST_F(FormnvvalTest, RutornaHarSinaNamnOchTexter) {
    Starta("");
    EXPECT_EQ(nv->Rutor[16]->objectName(), "cbox16");
    EXPECT_EQ(nv->Rutor[20]->objectName(), "Cbox20");
    EXPECT_EQ(nv->Rutor[20]->text(), "fett g");
    EXPECT_EQ(nv->Rutor[17]->text(), "vatten g");
    // Vitamin A and carotene are in micrograms.
    EXPECT_EQ(nv->Rutor[22]->text(), "retinol ug");
    EXPECT_EQ(nv->Rutor[24]->text(), "retinol ekv ug");
    EXPECT_EQ(nv->Rutor[18], nullptr);
    EXPECT_EQ(nv->windowTitle(), "Val av näringämnen");
}

// Descending order with Aska: Aska is chosen although no box shows it, and
// the next OK drops it and writes the numbers ascending.
TEST_F(FormnvvalTest, LaddningIValfriOrdningOchOkSkriverStigande) {
    Starta("21\r\n20\r\n19\r\n18\r\n16\r\n");
    EXPECT_EQ(Markerade(), std::set<int>({16, 19, 20, 21}));
    EXPECT_EQ(Valda(), std::set<int>({16, 18, 19, 20, 21}));
    EXPECT_EQ(t.Urval.AntalValda, 5);
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());

    nv->show();
    nv->Rutor[65]->setChecked(true);
    nv->Rutor[19]->setChecked(false);
    nv->Button1Click();
    EXPECT_EQ(LasFil(mapp.Fil("nvval.txt")), QByteArray("16\r\n20\r\n21\r\n65\r\n"));
    EXPECT_EQ(Valda(), std::set<int>({16, 20, 21, 65}));
    EXPECT_EQ(t.Urval.AntalValda, 4);
    EXPECT_TRUE(nv->isHidden());
}

TEST_F(FormnvvalTest, OkDelarStapeldiagrammetPaNytt) {
    Starta("15\r\n16\r\n19\r\n20\r\n21\r\n");
    program.Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(program.Form1.get()));
    const QtDiagram* staplar = program.Form1->Diagram->ChartStapel;
    nv->Rutor[15]->setChecked(false);
    nv->Rutor[16]->setChecked(false);
    nv->Button1Click();
    EXPECT_EQ(staplar->PunkterPerSida(), 3);
}

TEST_F(FormnvvalTest, OkUtanMarkeringSkriverTomFil) {
    Starta("15\r\n");
    nv->Rutor[15]->setChecked(false);
    nv->Button1Click();
    EXPECT_EQ(LasFil(mapp.Fil("nvval.txt")), QByteArray());
    EXPECT_EQ(t.Urval.AntalValda, 0);
}

TEST_F(FormnvvalTest, StangningsrutanTillamparIngenting) {
    Starta("15\r\n");
    nv->show();
    nv->Rutor[65]->setChecked(true);
    nv->close();
    EXPECT_EQ(Valda(), std::set<int>({15}));
    EXPECT_TRUE(nv->Rutor[65]->isChecked());
    nv->Button1Click();
    EXPECT_EQ(Valda(), std::set<int>({15, 65}));
}

TEST_F(FormnvvalTest, FelaktigRadEllerSaknadFilSagsOchStartenFortsatter) {
    Starta("16\r\n19\r\nett\r\n20\r\n");
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_TRUE(dialoger.Meddelanden[0].contains("Rad 3")) << dialoger.Meddelanden[0].toStdString();
    EXPECT_EQ(Valda(), std::set<int>({16, 19}));
    EXPECT_EQ(Markerade(), std::set<int>({16, 19}));
    EXPECT_NE(program.FormInst, nullptr);
}

TEST_F(FormnvvalTest, SaknadFilSagsOchIngetValjs) {
    ASSERT_TRUE(QFile::remove(mapp.Fil("nvval.txt")));
    SkapaFonstren(program);
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_TRUE(dialoger.Meddelanden[0].startsWith("Kan ej läsa valda näringsämnen"));
    EXPECT_EQ(t.Urval.AntalValda, 0);
    EXPECT_NE(program.FormInst, nullptr);
}

}  // namespace
