#include "calc/Diagram.h"
#include "calc/RaknaOm.h"
#include "matvarda/FormDiagram.h"

#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace matvarda;

namespace {

class FormDiagramTest : public ::testing::Test {
protected:
    FormDiagramTest() {
        fonster.resize(600, 300);
        fonster.show();
        yta->setGeometry(0, 0, 500, 229);
    }
    void Valj(int antal) {
        t.Urval.Valda = {};
        for (int n = 15; n < 15 + antal; ++n) {
            t.Urval.Valda[n] = true;
            t.Katalog.NamnEnhet[n] = QStringLiteral("Ämne %1").arg(n);
        }
        RaknaOm(t);
    }
    void Atit(int plats, std::initializer_list<std::pair<int, float>> per100g) {
        TMaltidsrad& rad = t.Dagbok.Berakning[0][0][plats];
        rad.Kod = QString::number(plats);
        rad.Gram = 100;
        for (auto [i, v] : per100g) rad.Naring[i] = v;
    }
    bool Sidknappar() const { return yta->ButtonNasta->isVisible() && yta->ButtonForegaende->isVisible(); }

    TTillstand t;
    QWidget fonster;
    TDiagramyta* yta = new TDiagramyta(t, &fonster);
};

TEST_F(FormDiagramTest, RitaStapelFyllerStaplarnaOchCirklarnaForVyn) {
    Valj(2);
    Atit(1, {{EnergiKj, 100}, {Protein, 10}, {Fett, 1}});
    Atit(3, {{EnergiKj, 50}, {Alkohol, 10}});
    RaknaOm(t);
    EXPECT_EQ(yta->ChartStapel->Rubrik(), "Näring i % av behovet");
    yta->SattRubrik();
    yta->RitaStapel();
    EXPECT_EQ(yta->ChartStapel->Rubrik(), "Näring i % av behovet för Frukost DAG1");
    for (int s = 0; s < AntalStapelserier; ++s)
        EXPECT_EQ(yta->ChartStapel->Serie(s).size(), s == 0 || s == 2 ? 2 : 0) << s;
    // 100 kJ of a need of 100 in a quarter of the day.
    EXPECT_EQ(yta->ChartStapel->VisadeVarden(0), QList<double>({400, 0}));
    EXPECT_EQ(yta->ChartStapel->VisadeKategorier(), QStringList({"Ämne 15    150", "Ämne 16      0"}));
    EXPECT_EQ(yta->ChartEnergi->Serie(0).size(), 4);
    EXPECT_EQ(yta->ChartEnergiRek->Serie(0).last().Etikett, "Alko max");

    t.Dagbok.Visning = 2;
    RaknaOm(t);
    yta->RitaStapel();
    for (int s = 0; s < AntalStapelserier; ++s) EXPECT_EQ(yta->ChartStapel->Serie(s).size(), s == 0 ? 2 : 0) << s;
}

TEST_F(FormDiagramTest, SidstorlekenFoljerDiagrammetsHojd) {
    const struct {
        int hojd, antal, sida;
        bool knappar;
    } fall[] = {{229, 17, 7, true}, {224, 9, 7, true}, {229, 5, 5, false}, {300, 8, 8, false}};
    for (const auto& f : fall) {
        yta->setGeometry(0, 0, 500, f.hojd);
        Valj(f.antal);
        yta->SattSidstorlek();
        EXPECT_EQ(yta->ChartStapel->height(), f.hojd);
        EXPECT_EQ(yta->ChartStapel->PunkterPerSida(), f.sida) << f.hojd << " px, " << f.antal;
        EXPECT_EQ(Sidknappar(), f.knappar) << f.hojd << " px, " << f.antal;
    }
}

TEST_F(FormDiagramTest, SidknapparnaBladdrar) {
    Atit(1, {{EnergiKj, 100}});
    Valj(17);
    yta->SattSidstorlek();
    yta->RitaStapel();
    yta->ButtonNasta->click();
    yta->ButtonNasta->click();
    yta->ButtonNasta->click();
    yta->ChartStapel->Uppdatera();
    EXPECT_EQ(yta->ChartStapel->VisadeKategorier().first(), "Ämne 29      0");
    yta->ButtonForegaende->click();
    yta->ChartStapel->Uppdatera();
    EXPECT_EQ(yta->ChartStapel->VisadeKategorier().first(), "Ämne 22      0");
}

TEST_F(FormDiagramTest, EnergicirklarErsatterStaplarnaSidaVidSida) {
    Valj(17);
    yta->SattSidstorlek();
    ASSERT_TRUE(Sidknappar());
    EXPECT_TRUE(yta->ButtonStaplar->isChecked());
    EXPECT_FALSE(yta->ChartEnergi->isVisible());

    yta->ButtonEnergicirklar->click();
    EXPECT_FALSE(yta->ButtonStaplar->isChecked());
    EXPECT_FALSE(yta->ChartStapel->isVisible());
    EXPECT_FALSE(Sidknappar());
    EXPECT_TRUE(yta->ChartEnergi->isVisible());
    EXPECT_TRUE(yta->ChartEnergiRek->isVisible());
    EXPECT_EQ(yta->ChartEnergiRek->x(), yta->ChartEnergi->x() + yta->ChartEnergi->width() + 8);

    yta->setGeometry(0, 0, 400, 200);
    EXPECT_EQ(yta->ChartEnergiRek->x(), yta->ChartEnergi->x() + yta->ChartEnergi->width() + 8);
    EXPECT_EQ(yta->ChartEnergiRek->height(), 200);

    yta->ButtonStaplar->click();
    EXPECT_TRUE(yta->ChartStapel->isVisible());
    EXPECT_FALSE(yta->ChartEnergi->isVisible());
    EXPECT_TRUE(Sidknappar());
}

}  // namespace
