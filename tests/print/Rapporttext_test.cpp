#include "print/Rapporttext.h"

#include "stod/Fixtur.h"

#include <gtest/gtest.h>

using namespace matvarda;

namespace {

TEST(RapporttextTest, RubrikPerAvsnittSidmatningMellanOchLasbaraStaplar) {
    TRapport r;
    r.Rapportbuffert = {{"del1", "del2"},
                        {"Livsmedel", "Dag 1 Frukost  "},
                        {"", "Dag 1 Frukost  "},
                        {"!Energi 540 kJ ?186&2160@", "Dag 1 Frukost  "},
                        {"Summa", "Dag 1"},
                        {"!Fett 0.0 g ? & @", "Dag 1"}};
    r.ForstaRubrik = "Dag 1 Frukost  ";
    const QStringList vantat{
        "Dag 1 Frukost  ",
        "Livsmedel",
        "",
        QString("Energi 540 kJ ").leftJustified(70) + "-> 186%     2160",
        QString(QChar(12)),
        "Dag 1",
        "Summa",
        QString("Fett 0.0 g ").leftJustified(70) + "       -    " + " ",
    };
    EXPECT_EQ(Rapporttext(r), vantat);
}

// The percent and the recommendation stand under "%av rek." and "Rek.".
TEST(RapporttextTest, StapelradensKolumnerFoljerSkallinjen) {
    const QString skala = "                                50%           100%          150%       %av rek.     Rek.";
    const QString rad = LasbarStapelrad("!Protein 70.0 g ?117&60@");
    EXPECT_EQ(rad.indexOf("117%"), skala.indexOf("%av rek.") + 2);
    EXPECT_EQ(rad.indexOf("60", 72), skala.indexOf("Rek.") - 2);
}

}  // namespace
