#include "analysis/Livsmedelsgrupper.h"

#include <gtest/gtest.h>

using namespace matvarda;

namespace {

void Ata(TDagbok& dagbok, int dag, int maltid, int plats, const QString& kod, float gram) {
    TMaltidsrad& rad = dagbok.Berakning[dag][maltid][plats];
    rad.Kod = kod;
    rad.Gram = gram;
}

TEST(Livsmedelsgrupp, ForstaTeckenetAvKoden) {
    const struct {
        const char* kod;
        int grupp;
    } fall[] = {{"1001", 1}, {"2", 2}, {"9999", 9}, {"0123", 10}, {"A12", 10}, {"Ö1", 10}, {"", 10}, {" 1", 10}};
    for (const auto& f : fall) EXPECT_EQ(Livsmedelsgrupp(f.kod), f.grupp) << f.kod;
}

TEST(Gruppgram, AktuellaDagensRaderPerGrupp) {
    TDagbok dagbok;
    dagbok.AktuellDag = 2;
    Ata(dagbok, 2, 1, 1, "1001", 150);
    Ata(dagbok, 2, 2, 29, "1500", 50);
    Ata(dagbok, 2, 0, 3, "A001", 30);
    Ata(dagbok, 2, 3, 1, "0450", 12.7f);
    Ata(dagbok, 2, 3, 2, "9001", 330);
    Ata(dagbok, 1, 0, 1, "1001", 1000);  // another day
    TMaltidsrad& tom = dagbok.Berakning[2][0][4];
    tom.Gram = 500;  // an empty slot, whatever it holds
    const TSerie staplar = Gruppstaplar(Gruppgram(dagbok));
    ASSERT_EQ(staplar.size(), 10);
    EXPECT_EQ(staplar[0].Varde, 200);
    EXPECT_EQ(staplar[0].Etikett, "Grönsaker 200 g");
    EXPECT_EQ(staplar[8].Etikett, "Drycker 330 g");
    EXPECT_FLOAT_EQ(staplar[9].Varde, 42.7f);
    EXPECT_EQ(staplar[9].Etikett, "Okänt 43 g");
    for (int g = 1; g < 8; ++g) EXPECT_EQ(staplar[g].Varde, 0) << g;
}

TEST(Gruppstaplar, TomDagGerTioStaplarAvNollGram) {
    const QStringList etiketter{"Grönsaker 0 g",     "Frukt, bär 0 g",    "Potatis, rotfrukter 0 g", "Mjölk, ost 0 g",
                                "Kött, fisk, ägg 0 g", "Bröd, spannmål 0 g", "Matfett, olja 0 g",       "Godis mm 0 g",
                                "Drycker 0 g",       "Okänt 0 g"};
    const TSerie staplar = Gruppstaplar(Gruppgram(TDagbok{}));
    ASSERT_EQ(staplar.size(), 10);
    for (int g = 0; g < 10; ++g) {
        EXPECT_EQ(staplar[g].Varde, 0);
        EXPECT_EQ(staplar[g].Etikett, etiketter[g]);
    }
}

TEST(Gruppknapptext, StjarnaNarSokningenBegransas) {
    EXPECT_EQ(Gruppknapptext(true), "Vilka grupper äter du av? *");
    EXPECT_EQ(Gruppknapptext(false), "Vilka grupper äter du av?");
}

}  // namespace
