#include "calc/FormSalt.h"
#include "calc/RaknaOm.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

using namespace matvarda;

namespace {

class FormSaltTest : public ::testing::Test {
protected:
    TTillstand t;
    TFormSalt salt{t.Resultat, nullptr};
};

TEST_F(FormSaltTest, MatarenVisarHelaGramOchTextenDagensSalt) {
    EXPECT_EQ(salt.MemoSalt->toPlainText(),
              "Kvinnor bör äta högst 6 gram salt per dag och män högst 7 gram.\n"
              "En ytterligare sänkning till 5-6 gram salt per dag är önskvärd.");
    EXPECT_EQ(salt.ProgressBarSalt->geometry(), QRect(62, 112, 500, 17));
    // The gauge and the text come from the salt logic; one case shows the wiring.
    t.Resultat.Saltetikett = QStringLiteral("Saltmängden denna dag är: ");
    t.Resultat.Saltgram = 3.5f;
    salt.FyllSalt();
    EXPECT_EQ(salt.ProgressBarSalt->value(), 4);
    EXPECT_EQ(salt.MemoSalt->toPlainText(),
              "Kvinnor bör minska intaget av salt till 6 gram per dag, män till 7 gram.\n"
              "Saltmängden denna dag är: 3.5 gram.");
}

TEST_F(FormSaltTest, VynDagarVisarPeriodensDagsmedel) {
    for (int d : {1, 3}) {
        TMaltidsrad& rad = t.Dagbok.Berakning[d][0][1];
        rad.Kod = QStringLiteral("1");
        rad.Gram = 100;
        rad.Naring[EnergiKj] = 500;
        rad.Naring[Natrium] = d * 1000;  // 2.5 and 7.5 g of salt
    }
    t.Dagbok.Visning = 2;
    RaknaOm(t);
    salt.FyllSalt();
    EXPECT_EQ(salt.ProgressBarSalt->value(), 5);
    EXPECT_TRUE(salt.MemoSalt->toPlainText().endsWith("\nDagsmedelvärdet salt är: 5.0 gram."));
}

}  // namespace
