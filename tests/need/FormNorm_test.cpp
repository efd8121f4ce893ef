#include "need/FormNorm.h"

#include "platform/SkriptadeDialoger.h"
#include "stod/Fonstertest.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlTableModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class FormNormTest : public TFonstertest {
protected:
    void Starta() {
        TFonstertest::Starta();
        norm = program.FormNorm;
    }
    void Visa() {
        norm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(norm));
    }
    // The model row of the norm with the number.
    int Rad(int nr) {
        for (int r = 0; r < norm->DBISAMTableNorm->rowCount(); ++r)
            if (norm->DBISAMTableNorm->index(r, 0).data().toInt() == nr) return r;
        return -1;
    }
    void Klicka(int rad, int kolumn) {
        const QModelIndex index = norm->DBISAMTableNorm->index(rad, kolumn);
        norm->DBISAMDBGridNorm->scrollTo(index);
        QTest::mouseClick(norm->DBISAMDBGridNorm->viewport(), Qt::LeftButton, {},
                          norm->DBISAMDBGridNorm->visualRect(index).center());
    }
    bool Redigerbar() { return norm->DBISAMDBGridNorm->editTriggers() != QAbstractItemView::NoEditTriggers; }

    TFormNorm* norm = nullptr;
};

TEST_F(FormNormTest, StartenTarRad12SomBehovOchRubrik) {
    Starta();
    EXPECT_EQ(program.Form1->windowTitle(), "Norm: Kvinnor 15-18 år");
    EXPECT_EQ(t.Behov.Normtext, "Norm: Kvinnor 15-18 år");
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[EnergiKj], 9000);
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[Natrium], 2000);
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[Fett + 1], 0);  // an empty field
    EXPECT_EQ(t.Behov.Normtyp, "standardnorm");
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
}

TEST_F(FormNormTest, SaknadNormtabellGerMeddelandeOchBehovet100) {
    ASSERT_TRUE(QFile::remove(mapp.Fil("normer.db")));
    Starta();
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_TRUE(dialoger.Meddelanden[0].startsWith("Kan ej läsa normtabellen")) << dialoger.Meddelanden[0].toStdString();
    for (float behov : t.Behov.Dagsbehov) EXPECT_FLOAT_EQ(behov, 100);
    EXPECT_EQ(norm->DBISAMTableNorm, nullptr);
    EXPECT_NE(program.FormInst, nullptr);  // the start went on
}

TEST_F(FormNormTest, KolumnernasOrdningOchRubriker) {
    Starta();
    const QHeaderView* rubriker = norm->DBISAMDBGridNorm->horizontalHeader();
    QStringList synliga;
    for (int plats = 0; plats < rubriker->count(); ++plats) {
        const int kolumn = rubriker->logicalIndex(plats);
        if (!rubriker->isSectionHidden(kolumn))
            synliga << norm->DBISAMTableNorm->headerData(kolumn, Qt::Horizontal).toString();
    }
    ASSERT_EQ(synliga.size(), 2 + 5 + 44 + 1);
    EXPECT_EQ(synliga.mid(0, 8), QStringList({"Nr", "Norm", "kJ", "kcal", "Prot g", "Fett g", "Kolh g",
                                              QString::fromUtf8(Naringsfaltnamn[7])}));
    EXPECT_EQ(synliga.last(), QString::fromUtf8(Naringsfaltnamn[2]));
    EXPECT_FALSE(synliga.contains(QString::fromUtf8(Naringsfaltnamn[3])));  // Aska
    EXPECT_FALSE(synliga.contains("Grupp1"));
}

TEST_F(FormNormTest, KlickINrKolumnenValjerNormenOchProcentenFoljer) {
    Starta();
    TMaltidsrad& rad = t.Dagbok.Berakning[0][0][1];
    rad.Kod = "1001";
    rad.Gram = 200;
    rad.Naring[EnergiKj] = 500;
    rad.Naring[Protein] = 7;
    Visa();
    Klicka(Rad(11), 0);

    EXPECT_EQ(t.Behov.Normtext, "Norm: Kvinnor 11-14 år  8500 kJ/dag (2030 kcal/dag)");
    EXPECT_EQ(program.Form1->windowTitle(), t.Behov.Normtext);
    EXPECT_EQ(t.Behov.Normtyp, "standardnorm");
    const TResultat& r = t.Resultat;
    ASSERT_GT(r.Dagssumma[0][EnergiKj], 0);
    EXPECT_FLOAT_EQ(r.Dagsprocent[0][EnergiKj], 100 * r.Dagssumma[0][EnergiKj] / 8500);
    EXPECT_FLOAT_EQ(r.Dagsprocent[0][Protein], 100 * r.Dagssumma[0][Protein] / 70);

    t.Behov.Normtyp = "aktivnorm";
    Klicka(Rad(12), 15);
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[EnergiKj], 9000);
    EXPECT_EQ(t.Behov.Normtyp, "standardnorm");
    EXPECT_FLOAT_EQ(r.Dagsprocent[0][EnergiKj], 100 * r.Dagssumma[0][EnergiKj] / 9000);
}

TEST_F(FormNormTest, UpplasningTarLosenordetFranFilen) {
    SkrivBytes(mapp.Fil("losenord.txt"), "hemlig\r\n");
    Starta();
    dialoger.SvaraText(std::nullopt);
    dialoger.SvaraText(QStringLiteral("TAKPANN"));
    dialoger.SvaraText(QStringLiteral("Hemlig"));
    norm->Button1Click();
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
    norm->Button1Click();
    EXPECT_EQ(dialoger.Meddelanden, QStringList{"Fel lösenord!"});
    EXPECT_FALSE(Redigerbar());
    EXPECT_FALSE(norm->Button1->isHidden());
    EXPECT_TRUE(norm->LabelRod->isHidden());
    norm->Button1Click();
    EXPECT_TRUE(Redigerbar());
    EXPECT_TRUE(norm->Button1->isHidden());
    EXPECT_FALSE(norm->LabelRod->isHidden());
}

// Tab moves on within the row without storing; leaving the row stores it.
// The need changes only on the next click.
TEST_F(FormNormTest, AndringSparasNarRadenLamnas) {
    Starta();
    dialoger.SvaraText(QStringLiteral("takpann"));
    norm->Button1Click();
    Visa();
    QTableView* grid = norm->DBISAMDBGridNorm;
    const QModelIndex kj = norm->DBISAMTableNorm->index(Rad(12), 14);
    grid->setCurrentIndex(kj);
    grid->edit(kj);
    auto* falt = grid->findChild<QLineEdit*>();
    ASSERT_NE(falt, nullptr);
    falt->setText(" 9100,5");
    QTest::keyClick(falt, Qt::Key_Tab);

    const auto lagratKj = [&] {
        Tabell normer(mapp.Sokvag(), "normer");
        normer.Oppna();
        return normer.HittaNyckel(12) ? normer.Flyttal(14) : -1.0;
    };
    EXPECT_DOUBLE_EQ(lagratKj(), 9000);
    grid->setCurrentIndex(norm->DBISAMTableNorm->index(Rad(11), 14));
    EXPECT_DOUBLE_EQ(lagratKj(), 9100.5);
    EXPECT_FLOAT_EQ(t.Behov.Dagsbehov[EnergiKj], 9000);
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
}

TEST_F(FormNormTest, NyRadFarNastaNummerOchSparas) {
    Starta();
    dialoger.SvaraText(QStringLiteral("TAKPANN"));
    norm->Button1Click();
    Visa();
    QTableView* grid = norm->DBISAMDBGridNorm;
    grid->setCurrentIndex(norm->DBISAMTableNorm->index(Rad(12), 1));
    QTest::keyClick(grid, Qt::Key_Down);
    ASSERT_EQ(norm->DBISAMTableNorm->rowCount(), 3);
    norm->DBISAMTableNorm->setData(norm->DBISAMTableNorm->index(2, 1), "Nya gruppen");
    grid->setCurrentIndex(norm->DBISAMTableNorm->index(0, 1));

    Tabell normer(mapp.Sokvag(), "normer");
    normer.Oppna();
    ASSERT_TRUE(normer.HittaNyckel(13));
    EXPECT_EQ(normer.Text("Norm"), "Nya gruppen");
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
}

#ifdef MATVARDA_LEVERERAD_DATA
// The start on the delivered working folder takes norm row 12.
TEST(FormNormLeverans, StartenVisarRad12OchProcentAvDess) {
    QTemporaryDir mapp;
    const QDir leverans(QStringLiteral(MATVARDA_LEVERERAD_DATA));
    for (const QString& fil : leverans.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(leverans.filePath(fil), QDir(mapp.path()).filePath(fil))) << fil.toStdString();
    SkriptadeDialoger dialoger;
    TProgram program(mapp.path(), dialoger);
    SkapaFonstren(program);
    TTillstand& t = *program.Tillstand;
    EXPECT_EQ(program.Form1->windowTitle(), "Norm: Kvinnor 15-18 år");
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty()) << dialoger.Meddelanden.join('\n').toStdString();

    TMaltidsrad& rad = t.Dagbok.Berakning[0][0][1];
    rad.Kod = "1";
    rad.Gram = 100;
    rad.Naring[EnergiKj] = 1000;
    program.RaknaOm();
    ASSERT_GT(t.Resultat.Dagssumma[0][EnergiKj], 0);
    EXPECT_FLOAT_EQ(t.Resultat.Dagsprocent[0][EnergiKj], 100 * t.Resultat.Dagssumma[0][EnergiKj] / 10166);
}
#endif

}  // namespace
