#include "need/FormAktiv.h"

#include "calc/RaknaOm.h"
#include "platform/Textfil.h"
#include "platform/QtDiagram.h"
#include "platform/SkriptadeDialoger.h"
#include "print/FormUt.h"
#include "stod/Fixtur.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace matvarda;

namespace {

QStringList Rad(const QTableWidget* tabell, int rad) {
    QStringList celler;
    for (int k = 0; k < tabell->columnCount(); ++k) celler << tabell->item(rad, k)->text();
    return celler;
}

class FormAktivTest : public ::testing::Test {
protected:
    FormAktivTest() {
        test::SkapaNormtabell(mapp.path(), {{3, "Män 19-30 år", {{23, 2303}}}, {12, "Kvinnor 15-18 år", {{23, 2312}}}});
        form.show();
    }

    // The catalogue is there before the window that picks from it.
    static std::unique_ptr<TTillstand> Provtillstand(const QString& mapp) {
        auto t = std::make_unique<TTillstand>();
        t->Start.Berakningsmapp = mapp;
        t->Aktivitetskatalog[0] = {"Aktivitet", "BMR-faktor"};
        t->Aktivitetskatalog[1] = {"Sova", "0.95"};
        t->Aktivitetskatalog[2] = {"Promenad", "1,5"};
        t->Aktivitetskatalog[3] = {"Gå", "3"};
        t->Aktivitetskatalog[4] = {"Cykla", "4"};
        return t;
    }

    void Valj(const QString& namn) {
        const auto traffar = form.ListBoxAktiv->findItems(namn, Qt::MatchExactly);
        ASSERT_EQ(traffar.size(), 1);
        form.ListBoxAktiv->setCurrentItem(traffar.first());
    }

    void LaggTill(const QString& namn) {
        Valj(namn);
        form.ButtonOK->click();
    }

    QAction* Menyval(const QString& text) {
        for (QAction* val : form.Meny->actions()) {
            if (val->text() == text) return val;
            if (!val->menu()) continue;
            for (QAction* under : val->menu()->actions())
                if (under->text() == text) return under;
        }
        return nullptr;
    }

    void Skriv(QLineEdit* falt, const QString& text) {
        falt->selectAll();
        QTest::keyClicks(falt, text);
    }

    QTemporaryDir mapp;
    std::unique_ptr<TTillstand> tillstand = Provtillstand(mapp.path());
    TTillstand& t = *tillstand;
    SkriptadeDialoger dialoger;
    int omrakningar = 0;
    QStringList utskrift;
    int visadeTabeller = 0;
    TFormAktiv form{t,
                    dialoger,
                    mapp.path(),
                    [this] {
                        RaknaOm(t);
                        ++omrakningar;
                    },
                    [this](const QStringList& rader) { utskrift = rader; },
                    [this] { ++visadeTabeller; },
                    nullptr};
};

TEST_F(FormAktivTest, VisarStandardpersonenUtanAttAndraBehovet) {
    EXPECT_EQ(form.windowTitle(), "Dina aktiviteter");
    EXPECT_EQ(form.EditAge->text(), "15");
    EXPECT_EQ(form.Editkg->text(), "55");
    EXPECT_TRUE(form.RadioKvinna->isChecked());
    EXPECT_TRUE(form.RadioKcal->isChecked());
    EXPECT_EQ(form.EditBMR->text(), "1417");
    EXPECT_EQ(form.LabelBMR->text(), "Grundförbrukn. kcal");
    EXPECT_EQ(form.EditTot->text(), "0");
    EXPECT_EQ(form.EditMinKvar->text(), "1440");
    QStringList namn;
    for (int i = 0; i < form.ListBoxAktiv->count(); ++i) namn << form.ListBoxAktiv->item(i)->text();
    EXPECT_EQ(namn, (QStringList{"Cykla", "Promenad", "Sova"}));
    EXPECT_EQ(t.Behov.Normtyp, "standardnorm");
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[EnergiKj], 100);
    EXPECT_EQ(omrakningar, 0);
    EXPECT_FALSE(form.StringGridAktiv->isHidden());
    EXPECT_TRUE(form.StringGridAktivKj->isHidden());
}

TEST_F(FormAktivTest, MannenMedEnTimmesPromenadIKcalOchKj) {
    form.RadioMan->click();
    Skriv(form.EditAge, "30");
    Skriv(form.Editkg, "70");
    EXPECT_EQ(form.EditBMR->text(), "1750");
    LaggTill("Promenad");
    form.MinutKnappar[2]->click();  // +30min
    EXPECT_EQ(Rad(form.StringGridAktiv, 0), (QStringList{"Promenad", "0.61", "60", "37"}));
    EXPECT_EQ(form.EditTot->text(), "37");
    EXPECT_EQ(form.EditMinKvar->text(), "1380");
    EXPECT_EQ(t.Rubrik, "Norm: Man 30 år, 70 kg.  7475 kJ/dag (1787 kcal/dag)");
    EXPECT_EQ(t.Behov.Normtyp, "aktivnorm");
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[23], 2303);
    EXPECT_NEAR(t.Behov.Dagsbehov[Protein], 65.96, 0.005);
    EXPECT_GT(omrakningar, 0);

    form.RadioKj->click();
    EXPECT_TRUE(form.StringGridAktiv->isHidden());
    EXPECT_FALSE(form.StringGridAktivKj->isHidden());
    EXPECT_EQ(Rad(form.StringGridAktivKj, 0), (QStringList{"Promenad", "3", "60", "155"}));
    EXPECT_EQ(form.StringGridAktivKj->horizontalHeaderItem(3)->text(), "+kJ");
    EXPECT_EQ(form.LabelBMR->text(), "Grundförbrukn. kJ");
    EXPECT_EQ(form.LabelTot->text(), "Aktivitet kJ");
    EXPECT_EQ(form.EditBMR->text(), "7322");
    EXPECT_EQ(form.StringGridAktivKj->currentRow(), 0);

    t.Dagbok.AktuellDag = 1;
    t.Resultat.Dagssumma[1][EnergiKj] = 6000;
    form.VisaEnergidiagram();
    form.ChartAktiv->Uppdatera();
    EXPECT_EQ(form.ChartAktiv->Rubrik(), "Dagens Intag och förbrukning av energi.");
    EXPECT_EQ(form.ChartAktiv->VisadeKategorier(), (QStringList{"Förbrukn.", "Intag"}));
    const QList<double> grund = form.ChartAktiv->VisadeVarden(0);
    ASSERT_EQ(grund.size(), 2);
    EXPECT_NEAR(grund[0], 7322, 0.01);
    EXPECT_EQ(grund[1], 6000);
    EXPECT_NEAR(form.ChartAktiv->VisadeVarden(1)[0], 36.6 * 4.184, 0.01);
}

TEST_F(FormAktivTest, AktuellRadenDelasOchStegasOchTasBort) {
    LaggTill("Sova");
    LaggTill("Promenad");
    LaggTill("Cykla");
    EXPECT_EQ(form.AktuellRad(), 3);
    form.StringGridAktiv->setCurrentCell(1, 2);
    EXPECT_EQ(form.AktuellRad(), 2);
    EXPECT_EQ(form.StringGridAktivKj->currentRow(), 1);
    form.MinutKnappar[5]->click();  // -30min: 30 gives 0 and the row stays
    form.MinutKnappar[3]->click();  // -5min
    EXPECT_EQ(Rad(form.StringGridAktiv, 1)[2], "0");
    EXPECT_EQ(Rad(form.StringGridAktiv, 1)[3], "0");
    EXPECT_EQ(form.EditMinKvar->text(), "1380");
    form.ButtonTaBort->click();
    EXPECT_EQ(Rad(form.StringGridAktiv, 1)[0], "Cykla");
    EXPECT_EQ(Rad(form.StringGridAktiv, 2), (QStringList{"", "", "", ""}));
    EXPECT_EQ(form.EditMinKvar->text(), "1380");
    // Steps on an empty row change nothing.
    form.StringGridAktiv->setCurrentCell(5, 0);
    const int fore = omrakningar;
    form.MinutKnappar[0]->click();
    EXPECT_EQ(omrakningar, fore);
}

TEST_F(FormAktivTest, FullTabellSagerIfranOchAndrarInget) {
    for (int r = 0; r < AntalAktivitetsrader; ++r) LaggTill("Cykla");
    EXPECT_EQ(Rad(form.StringGridAktiv, 38)[0], "Cykla");
    EXPECT_EQ(form.EditMinKvar->text(), "270");
    const auto rader = t.Aktiviteter.Rader;
    LaggTill("Sova");
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_TRUE(dialoger.Meddelanden[0].startsWith("Tabellen är full"));
    EXPECT_EQ(t.Aktiviteter.Rader, rader);
    form.ListBoxAktiv->setCurrentRow(-1);
    form.ButtonOK->click();  // nothing chosen
    EXPECT_EQ(dialoger.Meddelanden.size(), 1);
}

TEST_F(FormAktivTest, AktivitetslistanSparasOchHamtasGenomMenyn) {
    LaggTill("Sova");
    LaggTill("Promenad");
    form.StringGridAktiv->setCurrentCell(0, 0);
    form.ButtonTaBort->click();
    LaggTill("Cykla");  // rows 1 and 2: Promenad, Cykla
    form.StringGridAktiv->setCurrentCell(0, 0);
    form.MinutKnappar[1]->click();
    dialoger.SvaraText(mapp.filePath("dag.txt"));
    Menyval("Spara aktivitetslista")->trigger();
    const QString fil = mapp.filePath("dag.akt");
    const auto rader = LasTextrader(fil);
    ASSERT_TRUE(rader);
    EXPECT_EQ(rader->mid(0, 9), (QStringList{"15", "55", "0", "Promenad", "45", "1,5", "Cykla", "30", "4"}));

    Skriv(form.EditAge, "40");
    form.StringGridAktiv->setCurrentCell(0, 0);
    form.ButtonTaBort->click();
    dialoger.SvaraText(fil);
    Menyval("Hämta aktivitetslista")->trigger();
    EXPECT_EQ(form.EditAge->text(), "15");
    EXPECT_EQ(Rad(form.StringGridAktiv, 0), (QStringList{"Promenad", "0.49", "45", "22"}));
    EXPECT_EQ(Rad(form.StringGridAktiv, 1)[0], "Cykla");
    EXPECT_EQ(t.Behov.Normtext, "Kvinna 15 år, 55 kg.  6391 kJ/dag (1528 kcal/dag)");

    test::SkrivBytes(mapp.filePath("fel.akt"), "30\r\n70\r\n2\r\nSova\r\n60\r\n1\r\n");
    dialoger.SvaraText(mapp.filePath("fel.akt"));
    Menyval("Hämta aktivitetslista")->trigger();
    EXPECT_EQ(dialoger.Meddelanden, QStringList{"Kan ej öppna aktivitetslistan"});
    EXPECT_EQ(form.EditAge->text(), "15");
    EXPECT_EQ(Rad(form.StringGridAktiv, 1)[0], "Cykla");

    dialoger.SvaraText(mapp.filePath("saknas/dag.akt"));
    Menyval("Spara aktivitetslista")->trigger();
    EXPECT_EQ(dialoger.Meddelanden.last(), "Kan ej spara aktiviteterna.");
}

TEST_F(FormAktivTest, UtskriftFyllerForhandsvisningen) {
    TFormUt formUt(dialoger, nullptr);
    TFormAktiv utskrivande(t, dialoger, mapp.path(), [] {}, [&](const QStringList& r) { formUt.VisaUtskrift(r); },
                           [] {}, nullptr);
    t.Aktiviteter.Rader[1] = {"Promenad", "1,5", "60", "0.49", "29"};
    dialoger.SvaraText(std::nullopt);
    utskrivande.UtskriftClick();
    EXPECT_FALSE(formUt.isVisible());
    dialoger.SvaraText(QStringLiteral("Min dag"));
    utskrivande.UtskriftClick();
    EXPECT_EQ(dialoger.Visat, (QStringList{"Rubrik till utskriften", "Ange en rubrik till din utskrift ",
                                           "Rubrik till utskriften", "Ange en rubrik till din utskrift "}));
    EXPECT_TRUE(formUt.isVisible());
    const QString datum = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_EQ(formUt.Rader(),
              (QStringList{"Min dag   " + datum, "", "AKTIVITETSLISTA för Kvinna 15 år  55 kg", "",
                           "Aktivitet                                  +kcal/min  Minuter      +kcal", "",
                           "Promenad                                        0.49       60         29", "",
                           "Grundförbrukn. kcal   1417", "Aktivitet kcal  0"}));

    Menyval("Aktivitetstabell")->trigger();
    EXPECT_EQ(visadeTabeller, 1);
}

}  // namespace
