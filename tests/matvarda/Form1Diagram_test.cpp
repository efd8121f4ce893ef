#include "calc/Diagram.h"
#include "calc/FormSalt.h"
#include "calc/Formsiffror.h"
#include "matvarda/FormDiagram.h"
#include "matvarda/Maltidsrader.h"
#include "stod/Fonstertest.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

// The charts, the salt window and the numbers window in the running program.
class Form1DiagramTest : public TFonstertest {
protected:
    void SetUp() override {
        Starta();
        form->show();
        QCoreApplication::processEvents();
    }
    void Lagg(const QString& namn, float gram) {
        LaggTill(namn);
        const int rad = t.Dagbok.AktuellRad;
        form->StringGridMaltid->setCurrentCell(rad - 1, KolumnGram);
        form->StringGridMaltidKeyPress(rad - 1, KolumnGram, QString::number(gram));
    }
    QString Siffra(int rad, int kolumn) const {
        return program.Formsiffror->StringGridSiffror->item(rad, kolumn)->text();
    }

};

TEST_F(Form1DiagramTest, KnapparnaOvanDiagrammetIOrdning) {
    QStringList knappar;
    for (int i = 0; i < form->LayoutDiagramknappar->count(); ++i)
        if (auto* knapp = qobject_cast<QPushButton*>(form->LayoutDiagramknappar->itemAt(i)->widget()))
            knappar << knapp->text();
    EXPECT_EQ(knappar, QStringList({"Staplar", "Energicirklar", "Näringen i siffror", "Måltid", "Dag", "Dagar", "Salt"}));
}

TEST_F(Form1DiagramTest, SidstorlekenFoljerDiagrammetsHojdNarFonstretVisasOchAndras) {
    QtDiagram& staplar = *form->Diagram->ChartStapel;
    EXPECT_EQ(staplar.PunkterPerSida(), Sidstorlek(staplar.height(), t.Urval.AntalValda));
    form->resize(900, 760);
    QCoreApplication::processEvents();
    EXPECT_EQ(staplar.PunkterPerSida(), Sidstorlek(staplar.height(), t.Urval.AntalValda));
}

TEST_F(Form1DiagramTest, StaplarnaOchRubrikenFoljerVyn) {
    Lagg("Ost", 100);
    QtDiagram& staplar = *form->Diagram->ChartStapel;
    EXPECT_EQ(staplar.Rubrik(), "Näring i % av behovet för Frukost DAG1");
    EXPECT_EQ(staplar.Serie(0).size(), 4);
    EXPECT_TRUE(staplar.Serie(1).isEmpty());

    form->Visningsknappar->button(1)->click();
    EXPECT_EQ(staplar.Rubrik(), "Näring i % av behovet för hela DAG1");
    for (int s = 0; s < 4; ++s) EXPECT_EQ(staplar.Serie(s).size(), 4) << s;

    form->Diagram->ButtonEnergicirklar->click();
    EXPECT_EQ(form->Diagram->ChartEnergi->Skivetiketter().size(), 3);
}

TEST_F(Form1DiagramTest, SaltetFyllsVidVarjeOmrakningAvenNarFonstretArDolt) {
    // 427 g of cheese with 600 mg sodium per 100 g: 6.4 g of salt.
    Lagg("Ost", 427);
    EXPECT_FALSE(program.FormSalt->isVisible());
    EXPECT_EQ(program.FormSalt->ProgressBarSalt->value(), 6);
    EXPECT_TRUE(program.FormSalt->MemoSalt->toPlainText().endsWith("Saltmängden denna dag är: 6.4 gram."));
    form->ButtonSalt->click();
    EXPECT_TRUE(program.FormSalt->isVisible());
    EXPECT_TRUE(program.FormSalt->isWindow());
    EXPECT_EQ(program.FormSalt->parentWidget(), form);
}

TEST_F(Form1DiagramTest, SiffrornaFyllsNarFonstretVisasOchVidKlickIMaltiden) {
    Lagg("Ost", 100);
    Lagg("Mjölk", 200);
    EXPECT_TRUE(Siffra(1, 0).isEmpty());

    form->ButtonSiffror->click();
    EXPECT_TRUE(program.Formsiffror->isVisible());
    EXPECT_EQ(Siffra(0, 1), "Mjölk  200 gram");
    EXPECT_EQ(Siffra(1, 0), "Energi kJ");
    EXPECT_EQ(Siffra(1, 1), "500");
    EXPECT_EQ(Siffra(1, 2), "  1900");

    QTableWidget& grid = *form->StringGridMaltid;
    const QRect rad1 = grid.visualItemRect(grid.item(0, KolumnLivsmedel));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, rad1.center());
    EXPECT_EQ(Siffra(0, 1), "Ost  100 gram");
    EXPECT_EQ(Siffra(1, 1), "1400");

    program.Formsiffror->hide();
    Lagg("Gurka", 100);
    EXPECT_EQ(Siffra(1, 2), "  1900");
}

}  // namespace
