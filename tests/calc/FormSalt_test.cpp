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
    const struct {
        float gram;
        int lage;
        const char* rad;
    } fall[] = {{2.5f, 2, "Saltmängden denna dag är: 2.5 gram."},
                {3.5f, 4, "Saltmängden denna dag är: 3.5 gram."},
                {6.4f, 6, "Saltmängden denna dag är: 6.4 gram."},
                {27.0f, 20, "Saltmängden denna dag är: 27.0 gram."}};
    t.Resultat.Saltetikett = QStringLiteral("Saltmängden denna dag är: ");
    for (const auto& f : fall) {
        t.Resultat.Saltgram = f.gram;
        salt.FyllSalt();
        EXPECT_EQ(salt.ProgressBarSalt->value(), f.lage) << f.gram;
        EXPECT_EQ(salt.MemoSalt->toPlainText(),
                  "Kvinnor bör minska intaget av salt till 6 gram per dag, män till 7 gram.\n" + QString::fromUtf8(f.rad));
    }
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
