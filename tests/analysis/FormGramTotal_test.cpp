#include "analysis/FormGramTotal.h"

#include "calc/RaknaOm.h"
#include "platform/QtDiagram.h"

#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace matvarda;

namespace {

constexpr int ProteinNr = 19;

// Protein chosen before the window is made.
std::unique_ptr<TTillstand> MedProtein() {
    auto t = std::make_unique<TTillstand>();
    t->Katalog.NamnEnhet[ProteinNr] = QStringLiteral("Protein g");
    t->Katalog.Enhetsnamn[ProteinNr] = QStringLiteral("g");
    t->Urval.Valda[ProteinNr] = true;
    return t;
}

class FormGramTotalTest : public ::testing::Test {
protected:
    // Foods "Mat 1".."Mat n" of 10, 20, ... gram at breakfast of `dag`.
    void Ata(int antal, int dag = 0) {
        for (int i = 1; i <= antal; ++i) {
            TMaltidsrad& rad = t->Dagbok.Berakning[dag][0][i];
            rad.Kod = QStringLiteral("1");
            rad.Livsmedel = QStringLiteral("Mat %1").arg(i);
            rad.Gram = 10.0f * i;
            rad.Naring[EnergiKj] = 100;
            rad.Naring[Protein] = 10;
        }
        RaknaOm(*t);
    }
    void Visa() {
        gram.resize(600, 500);
        gram.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&gram));
        // Room for 11 bars: 308 / 28.
        gram.ChartKallor->setFixedHeight(308);
        QTest::qWait(20);
    }
    std::unique_ptr<TTillstand> t = MedProtein();
    TFormGramTotal gram{*t, nullptr};
};

TEST_F(FormGramTotalTest, ValOchOmfangFyllerDiagrammet) {
    EXPECT_EQ(gram.windowTitle(), "Varifrån kommer näringen.");
    ASSERT_EQ(gram.ListBoxNv->count(), 2);
    EXPECT_EQ(gram.ListBoxNv->item(0)->text(), "Vikt");
    EXPECT_EQ(gram.ListBoxNv->currentRow(), 0);
    Ata(2);
    Ata(1, 4);
    Visa();
    gram.VisaNaringskallor();
    EXPECT_EQ(gram.windowTitle(), "Livsmedelsvikt");
    EXPECT_EQ(gram.ChartKallor->VisadeKategorier(), QStringList({"Mat 2    20", "Mat 1    10"}));

    QTest::mouseClick(gram.ListBoxNv->viewport(), Qt::LeftButton, {},
                      gram.ListBoxNv->visualItemRect(gram.ListBoxNv->item(1)).center());
    EXPECT_EQ(gram.windowTitle(), "Protein g");
    EXPECT_EQ(gram.ChartKallor->VisadeKategorier(), QStringList({"Mat 2 (20g)      2g", "Mat 1 (10g)      1g"}));
    QTest::mouseClick(gram.RadioAllaDagar, Qt::LeftButton);
    EXPECT_EQ(gram.ChartKallor->VisadeKategorier(), QStringList({"Mat 2 (20g)      2g", "Mat 1 (20g)      2g"}));
}

// 12 bars would leave one on a second page of 11, 23 one on a third.
TEST_F(FormGramTotalTest, SidstorlekenUndvikerEnEnsamStapelSist) {
    Visa();
    for (const int antal : {12, 23}) {
        Ata(antal);
        gram.VisaNaringskallor();
        EXPECT_EQ(gram.ChartKallor->PunkterPerSida(), 10) << antal;
        EXPECT_TRUE(gram.ButtonNer->isVisible()) << antal;
    }
    QTest::mouseClick(gram.ButtonNer, Qt::LeftButton);
    QTest::mouseClick(gram.ButtonNer, Qt::LeftButton);
    QTest::mouseClick(gram.ButtonNer, Qt::LeftButton);
    gram.ChartKallor->Uppdatera();
    EXPECT_EQ(gram.ChartKallor->Sida(), 2);
    EXPECT_EQ(gram.ChartKallor->VisadeKategorier().mid(0, 3), QStringList({"Mat 3    30", "Mat 2    20", "Mat 1    10"}));
    QTest::mouseClick(gram.ButtonUpp, Qt::LeftButton);
    EXPECT_EQ(gram.ChartKallor->Sida(), 1);

    t->Dagbok.Berakning = {};
    Ata(11);
    gram.VisaNaringskallor();
    EXPECT_EQ(gram.ChartKallor->PunkterPerSida(), 11);
    EXPECT_FALSE(gram.ButtonNer->isVisible());
}

}  // namespace
