#include "admin/FormTab.h"

#include "platform/SkriptadeDialoger.h"
#include "print/FormForhandsvisning.h"
#include "stod/Arbetsmapp.h"
#include "stod/Fonstertest.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

const QString Las =
    QStringLiteral("För kunna skriva i tabellen måste du först klicka på knappen Ändra i livsmedelstabellen.");
const QString Ansvar = QStringLiteral("Obs! Nu är det du som har ansvaret, ändringar går inte att ångra.");
const QString Kj = QStringLiteral("Energi _kJ_ _kJ_");

class FormTabTest : public ::testing::Test {
protected:
    void SetUp() override {
        start.Tabellmapp = mapp.Sokvag();
        fonster = std::make_unique<TFormTab>(
            start, losenord, [this] { ++fyllningar; },
            [this](const TRapportlayout& layout) { prislistor.append(layout); },
            TOmgivning{dialoger, mapp.Sokvag(), [] {}}, nullptr);
        grid = fonster->DBISAMDBGrid1;
        modell = fonster->DBISAMTableLivs;
        ASSERT_NE(modell, nullptr);
    }
    void Visa() {
        fonster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fonster.get()));
    }
    void LasUpp() {
        dialoger.SvaraText(QStringLiteral("takpann"));
        fonster->Button1Click();
        dialoger.Meddelanden.clear();
    }
    QModelIndex Cell(const QString& kod, const QString& falt) {
        for (int r = 0; r < modell->rowCount(); ++r)
            if (modell->index(r, 0).data().toString() == kod) return modell->index(r, modell->fieldIndex(falt));
        ADD_FAILURE() << kod.toStdString();
        return {};
    }
    // Types into the cell as a user does: the current cell, its editor, the text.
    void Skriv(const QString& kod, const QString& falt, const QString& text) {
        const QModelIndex cell = Cell(kod, falt);
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* redigering = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
        ASSERT_NE(redigering, nullptr);
        redigering->setText(text);
    }
    void LamnaRaden() { grid->setCurrentIndex(modell->index(0, 0)); }
    // The stored row as another connection reads it.
    QVariant Lagrat(const QString& kod, const QString& falt) {
        Tabell annan(mapp.Sokvag(), "fodtab100");
        annan.Oppna();
        if (!annan.HittaNyckel(kod)) return QStringLiteral("saknas");
        return annan.Varde(annan.Faltposition(falt));
    }
    QString Namn(int rad) { return modell->index(rad, 1).data().toString(); }

    TProvmapp mapp;
    SkriptadeDialoger dialoger;
    TStartlage start;
    QString losenord = QStringLiteral("TAKPANN");
    int fyllningar = 0;
    QList<TRapportlayout> prislistor;
    std::unique_ptr<TFormTab> fonster;
    QTableView* grid = nullptr;
    TLivsmedelsmodell* modell = nullptr;
};

TEST_F(FormTabTest, SkapandetFyllerListanAvslutarUppstartenOchVisarKodordning) {
    EXPECT_EQ(fyllningar, 1);
    EXPECT_FALSE(start.Uppstart);
    EXPECT_EQ(fonster->windowTitle(), "Näring per 100 gram");
    EXPECT_EQ(modell->index(0, 0).data().toString(), "1001");
    EXPECT_EQ(modell->index(modell->rowCount() - 1, 1).data().toString(), "RESERV");
    EXPECT_FALSE(fonster->SpeedButton1->isChecked());
    EXPECT_FALSE(fonster->SpeedButton2->isChecked());
    EXPECT_FALSE(fonster->Button2->isHidden());
    EXPECT_TRUE(fonster->LabelText->isHidden());
    EXPECT_TRUE(fonster->ButtonTaBortAsterisk->isHidden());
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
    // The grid's first columns and their titles.
    const QHeaderView* rubriker = grid->horizontalHeader();
    QStringList forsta;
    for (int plats = 0; plats < 8; ++plats)
        forsta << modell->headerData(rubriker->logicalIndex(plats), Qt::Horizontal).toString();
    EXPECT_EQ(forsta, QStringList({"Kod", "Livsmedel", "Portstorlek", "Enhet", "Bildgrupp", "Utökad grupp", "kgpris", "kJ"}));
    EXPECT_TRUE(grid->isColumnHidden(modell->fieldIndex("Aska _g_")));
}

// Every key shows the message once and still moves the read-only grid.
TEST_F(FormTabTest, TangentILastGridGerMeddelandetOchFlyttarAnda) {
    Visa();
    grid->setCurrentIndex(modell->index(0, 1));
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(dialoger.Meddelanden, QStringList({Las, Las}));
    EXPECT_EQ(grid->currentIndex().row(), 2);
    QTest::keyClick(grid, Qt::Key_A);
    EXPECT_EQ(dialoger.Meddelanden.size(), 3);
    EXPECT_EQ(grid->indexWidget(grid->currentIndex()), nullptr);
}

TEST_F(FormTabTest, OrdningsknapparnaOchPrislistansKnapp) {
    Visa();
    fonster->SpeedButton2->click();
    EXPECT_TRUE(fonster->Button2->isHidden());
    EXPECT_TRUE(fonster->SpeedButton2->isChecked());
    EXPECT_FALSE(fonster->SpeedButton1->isChecked());
    QStringList namn;
    for (int r = 0; r < modell->rowCount(); ++r) namn << Namn(r);
    EXPECT_EQ(namn, QStringList({"Fisksoppa", "Gurka", "Mjölk", "Ost", "RESERV", "Soppa på ärtor", "Tomat", "Äpple",
                                 "Ärtor gröna", "Ärtsoppa"}));
    EXPECT_EQ(grid->currentIndex().row(), 0);

    grid->setCurrentIndex(modell->index(5, 0));
    fonster->SpeedButton1->click();
    EXPECT_FALSE(fonster->Button2->isHidden());
    EXPECT_TRUE(fonster->SpeedButton1->isChecked());
    EXPECT_FALSE(fonster->SpeedButton2->isChecked());
    EXPECT_EQ(Namn(0), "Gurka");
    EXPECT_EQ(grid->currentIndex().row(), 0);
    // Pressing the button that is down keeps it down.
    fonster->SpeedButton1->click();
    EXPECT_TRUE(fonster->SpeedButton1->isChecked());
}

TEST_F(FormTabTest, LosenordetLaserUppUtanFlerMeddelanden) {
    losenord = QStringLiteral("HEMLIG");
    dialoger.SvaraText(QStringLiteral("takpann"));
    fonster->Button1Click();
    EXPECT_EQ(dialoger.Meddelanden, QStringList{"Fel lösenord!"});
    EXPECT_TRUE(fonster->LabelText->isHidden());
    dialoger.SvaraText(std::nullopt);
    fonster->Button1Click();
    EXPECT_EQ(dialoger.Meddelanden.size(), 1);

    dialoger.SvaraText(QStringLiteral("Hemlig"));
    fonster->Button1Click();
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"Fel lösenord!", Ansvar}));
    EXPECT_FALSE(fonster->LabelText->isHidden());
    EXPECT_TRUE(fonster->LabelText->text().startsWith("När du ändrat på en rad"));
    EXPECT_FALSE(fonster->ButtonTaBortAsterisk->isHidden());
    EXPECT_FALSE(fonster->Button1->isHidden());

    Visa();
    const QModelIndex kod = Cell("1002", "Livsmedel");
    grid->setCurrentIndex(kod);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClicks(grid, "K");  // opens the cell with the key typed
    auto* redigering = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    ASSERT_NE(redigering, nullptr);
    QTest::keyClicks(redigering, "visttomat");
    EXPECT_EQ(redigering->text(), "Kvisttomat");
    EXPECT_EQ(dialoger.Meddelanden.size(), 2);
}

TEST_F(FormTabTest, AndringSparasNarRadenLamnasOchReservradFylls) {
    LasUpp();
    Visa();
    Skriv("1002", Kj, " 81,5");
    QTest::keyClick(grid->indexWidget(grid->currentIndex()), Qt::Key_Tab);
    EXPECT_DOUBLE_EQ(Lagrat("1002", Kj).toDouble(), 80);  // still on the row
    LamnaRaden();
    EXPECT_DOUBLE_EQ(Lagrat("1002", Kj).toDouble(), 81.5);
    EXPECT_EQ(Cell("1002", Kj).data().toString(), QLocale().toString(81.5));

    Skriv("B001", "Livsmedel", "Kålrot");
    Skriv("B001", "kgpris", "18,90");
    Skriv("B001", "Grupp2", "Grönsaker");
    Skriv("B001", "port1", "");
    QTest::keyClick(grid->indexWidget(grid->currentIndex()), Qt::Key_Up);
    EXPECT_EQ(Lagrat("B001", "Livsmedel"), "Kålrot");
    EXPECT_EQ(Lagrat("B001", "kgpris"), "18,90");
    EXPECT_EQ(Lagrat("B001", "Grupp2"), "Grönsaker");
    EXPECT_TRUE(Lagrat("B001", "port1").isNull());
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
}

TEST_F(FormTabTest, OlasbartTalVagrasOchSparasForstRattat) {
    LasUpp();
    Visa();
    Skriv("4001", "Livsmedel", "Mjölk, lätt");
    Skriv("4001", Kj, "tolv");
    LamnaRaden();
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_TRUE(dialoger.Meddelanden[0].contains("\"tolv\" i kolumnen kJ")) << dialoger.Meddelanden[0].toStdString();
    EXPECT_EQ(Cell("4001", Kj).data().toString(), "tolv");
    EXPECT_EQ(Lagrat("4001", "Livsmedel"), "Mjölk");
    EXPECT_DOUBLE_EQ(Lagrat("4001", Kj).toDouble(), 250);
    // Another order would read the table again: refused while the row waits.
    fonster->SpeedButton2->click();
    EXPECT_EQ(dialoger.Meddelanden.size(), 2);
    EXPECT_FALSE(fonster->SpeedButton2->isChecked());
    EXPECT_EQ(Cell("4001", Kj).data().toString(), "tolv");

    // Mended, and stored when the window is hidden.
    Skriv("4001", Kj, "260");
    fonster->hide();
    EXPECT_EQ(dialoger.Meddelanden.size(), 2);
    EXPECT_EQ(Lagrat("4001", "Livsmedel"), "Mjölk, lätt");
    EXPECT_DOUBLE_EQ(Lagrat("4001", Kj).toDouble(), 260);
}

TEST_F(FormTabTest, LastTabellSagsOchAndringenBlirKvar) {
    LasUpp();
    Visa();
    QSqlQuery(fonster->DBISAMTableLivs->database())
        .exec("CREATE TRIGGER las BEFORE UPDATE ON fodtab100 BEGIN SELECT RAISE(ABORT, 'skrivskyddad'); END");
    Skriv("2001", "Livsmedel", "Äpple, rött");
    LamnaRaden();
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_TRUE(dialoger.Meddelanden[0].startsWith("Kan ej spara raden i livsmedelstabellen"));
    EXPECT_EQ(Cell("2001", "Livsmedel").data().toString(), "Äpple, rött");
    QSqlQuery(fonster->DBISAMTableLivs->database()).exec("DROP TRIGGER las");
    EXPECT_TRUE(fonster->SparaRaden());
    EXPECT_EQ(Lagrat("2001", "Livsmedel"), "Äpple, rött");
}

TEST_F(FormTabTest, SistaAndringenSparasNarFonstretForsvinner) {
    LasUpp();
    Visa();
    Skriv("A003", "Livsmedel", "Ärtsoppa, hemlagad");
    fonster.reset();
    EXPECT_EQ(Lagrat("A003", "Livsmedel"), "Ärtsoppa, hemlagad");
}

TEST_F(FormTabTest, VerktygenAsteriskExportOchImport) {
    LasUpp();
    Visa();
    Skriv("4002", "Livsmedel", "*Ost*");
    ASSERT_TRUE(fonster->SparaRaden());
    fonster->ButtonTaBortAsterisk->click();
    EXPECT_EQ(dialoger.Meddelanden, QStringList{"1 livsmedel har fått * borttagen"});
    EXPECT_EQ(Cell("4002", "Livsmedel").data().toString(), "Ost*");

    const QString fil = mapp.Fil("fodtab.txt");
    dialoger.SvaraText(fil);
    fonster->ButtonSkapaTxtfil->click();
    EXPECT_EQ(dialoger.ForeslagnaNamn, QStringList{"fodtab.txt"});
    EXPECT_EQ(dialoger.Meddelanden.last(), "Klart");
    Skriv("4002", "Livsmedel", "Ost, ändrad");
    Skriv("4002", Kj, "1");
    dialoger.SvaraText(fil);
    fonster->ButtonLasTextfil->click();  // stores the row, then reads the file over it
    EXPECT_EQ(dialoger.Meddelanden.last(), "Klart");
    EXPECT_EQ(Lagrat("4002", "Livsmedel"), "Ost*");
    EXPECT_DOUBLE_EQ(Lagrat("4002", Kj).toDouble(), 1400);
    EXPECT_EQ(Cell("4002", "Livsmedel").data().toString(), "Ost*");

    // Cancel in the file dialog does nothing.
    const int meddelanden = dialoger.Meddelanden.size();
    dialoger.SvaraText(std::nullopt);
    fonster->ButtonLasTextfil->click();
    EXPECT_EQ(dialoger.Meddelanden.size(), meddelanden);
}

// The lines of a price list page, name and price, as they stand.
QStringList Prisrader(const TRapportsida& sida) {
    QStringList rader;
    for (const TTextpost& post : sida.Texter) {
        if (post.Typsnitt == Rapporttypsnitt::Titel || post.Ruta.top() < Ovrigmarginal + 40) continue;
        if (post.Ruta.left() < Vanstermarginal + 100) rader << post.Text;
        else rader.last() += '=' + post.Text;
    }
    return rader;
}

// The price list shows the table as stored, the open edit included, in the
// grid's order, without the unused reserve row.
TEST_F(FormTabTest, PrislistanVisasMedRadenSomRedigeras) {
    LasUpp();
    Visa();
    Skriv("4001", "kgpris", "13,90");
    fonster->Button2->click();
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
    EXPECT_EQ(Lagrat("4001", "kgpris"), "13,90");
    ASSERT_EQ(prislistor.size(), 1);
    ASSERT_EQ(prislistor[0].Sidor.size(), 1);
    EXPECT_EQ(Prisrader(prislistor[0].Sidor[0]),
              QStringList({"Gurka=25", "Tomat=30", "Ärtor gröna=40", "Äpple=25", "Mjölk=13,90", "Ost=120",
                           "Ärtsoppa=35", "Fisksoppa=60", "Soppa på ärtor=50"}));

    // A refused row stops the list until it is mended.
    Skriv("4001", Kj, "tolv");
    fonster->Button2->click();
    EXPECT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_EQ(prislistor.size(), 1);
}

class FormTabIProgrammet : public TFonstertest {};

TEST_F(FormTabIProgrammet, MenynVisarTabellfonstret) {
    Starta();
    ASSERT_NE(program.FormTab, nullptr);
    EXPECT_FALSE(t.Start.Uppstart);
    QAction* meny = nullptr;
    for (QAction* atgard : form->menuBar()->actions())
        if (atgard->text() == "Livsmedelstabell") meny = atgard;
    ASSERT_NE(meny, nullptr);
    meny->trigger();
    EXPECT_TRUE(program.FormTab->isVisible());
    EXPECT_EQ(program.FormTab->DBISAMTableLivs->rowCount(), 10);
}

TEST_F(FormTabIProgrammet, PrislistanVisasIRapportensForhandsvisning) {
    Starta();
    program.FormTab->Button2->click();
    TFormForhandsvisning* visning = program.FormForhandsvisning;
    EXPECT_TRUE(visning->isVisible());
    EXPECT_EQ(visning->Layout().Namn, "prislista");
    ASSERT_EQ(visning->AntalSidor(), 1);
    EXPECT_EQ(visning->Layout().Sidor[0].Texter[0].Text, "Pris per kg");
    EXPECT_EQ(visning->Layout().Sidor[0].Texter[1].Text, Rapportdatum());
    // Saved from the preview under the list's own name.
    dialoger.SvaraText(mapp.Fil("priser"));
    visning->ButtonSparaPdf->click();
    EXPECT_EQ(dialoger.ForeslagnaNamn, QStringList({"prislista.pdf"}));
    EXPECT_TRUE(QFile::exists(mapp.Fil("priser.pdf")));
}

}  // namespace
