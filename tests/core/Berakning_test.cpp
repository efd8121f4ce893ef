#include "core/Berakning.h"
#include "platform/SkriptadeDialoger.h"

#include <gtest/gtest.h>

using namespace matvarda;

namespace {

TDagbok IfylldDagbok() {
    TDagbok dagbok;
    auto& rad = dagbok.Berakning[2][1][5];
    rad.Kod = "2001";
    rad.Livsmedel = "Äpple";
    rad.Gram = 150;
    rad.Enhet1 = "dl";
    rad.Port1 = 60;
    rad.Naring[0] = 220;
    dagbok.AktuellDag = 2;
    dagbok.AktuellMaltid = 1;
    dagbok.Maltidsnamn = "Lunch";
    dagbok.Andrad = true;
    return dagbok;
}

bool AllaTomma(const TDagbok& dagbok) {
    for (const auto& dag : dagbok.Berakning)
        for (const auto& maltid : dag)
            for (const auto& rad : maltid)
                if (!ArTom(rad) || rad.Gram != 0 || !rad.Enhet1.isEmpty() || rad.Port1 != 0 || rad.Naring[0] != 0)
                    return false;
    return true;
}

TEST(NyBerakning, TommerAllaMaltiderOchStallerMarkorenPaFrukostDag1) {
    for (const Svar svar : {Svar::Ja, Svar::Nej}) {
        TDagbok dagbok = IfylldDagbok();
        SkriptadeDialoger dialoger;
        dialoger.Svara(svar);
        int sparningar = 0;
        EXPECT_TRUE(NyBerakning(dagbok, dialoger, [&] { return ++sparningar > 0; }));
        EXPECT_EQ(sparningar, svar == Svar::Ja ? 1 : 0);
        EXPECT_EQ(dialoger.Visat, QStringList({"Vill du spara pågående beräkning innan ny startas?"}));
        EXPECT_TRUE(AllaTomma(dagbok));
        EXPECT_EQ(dagbok.AktuellDag, 0);
        EXPECT_EQ(dagbok.AktuellMaltid, 0);
        EXPECT_EQ(dagbok.Maltidsnamn, "Frukost");
        EXPECT_FALSE(dagbok.Andrad);
    }
}

TEST(NyBerakning, AvbrytLamnarAlltOrort) {
    TDagbok dagbok = IfylldDagbok();
    SkriptadeDialoger dialoger;
    dialoger.Svara(Svar::Avbryt);
    EXPECT_FALSE(NyBerakning(dagbok, dialoger, [] { ADD_FAILURE(); return true; }));
    EXPECT_EQ(dagbok.Berakning[2][1][5].Kod, "2001");
    EXPECT_EQ(dagbok.AktuellDag, 2);
    EXPECT_EQ(dagbok.Maltidsnamn, "Lunch");
    EXPECT_TRUE(dagbok.Andrad);
}

TEST(NyBerakning, JaUtanLyckadSparningBeharBerakningen) {
    TDagbok dagbok = IfylldDagbok();
    SkriptadeDialoger dialoger;
    dialoger.Svara(Svar::Ja);
    EXPECT_FALSE(NyBerakning(dagbok, dialoger, [] { return false; }));
    EXPECT_EQ(dagbok.Berakning[2][1][5].Kod, "2001");
    EXPECT_TRUE(dagbok.Andrad);
}

TEST(NyBerakning, OandradBerakningFragarInget) {
    TDagbok dagbok = IfylldDagbok();
    dagbok.Andrad = false;
    SkriptadeDialoger dialoger;
    EXPECT_TRUE(NyBerakning(dagbok, dialoger, {}));
    EXPECT_TRUE(dialoger.Visat.isEmpty());
    EXPECT_TRUE(AllaTomma(dagbok));
}

}  // namespace
