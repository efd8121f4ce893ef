#include "core/Livsmedel.h"
#include "platform/Fel.h"
#include "matvarda/Form1.h"
#include "matvarda/FormBild.h"
#include "matvarda/FormTypfilter.h"
#include "platform/SkriptadeDialoger.h"
#include "stod/Arbetsmapp.h"
#include "stod/Fonstertest.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class Form1Test : public TFonstertest {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        Starta();
    }
    void TearDown() override {
        TFonstertest::TearDown();
        QLocale::setDefault(QLocale::c());
    }

    QString Cell(int slot, int kolumn) { return form->StringGridMaltid->item(slot - 1, kolumn)->text(); }
    QStringList Lista() {
        QStringList namn;
        for (int i = 0; i < form->ListBoxLivs->count(); ++i) namn << form->ListBoxLivs->item(i)->text();
        return namn;
    }
    void Enter(int slot, int kolumn, const QString& text) {
        form->StringGridMaltid->setCurrentCell(slot - 1, kolumn);
        form->StringGridMaltid->item(slot - 1, kolumn)->setText(text);
        QTest::keyClick(form->StringGridMaltid, Qt::Key_Return);
    }

};

TEST_F(Form1Test, StartenListarGronsakernaOchAvslutarUppstarten) {
    EXPECT_EQ(Lista(), QStringList({"Gurka", "Tomat", "Ärtor gröna"}));
    EXPECT_FALSE(t.Start.Uppstart);
    EXPECT_EQ(t.Livsmedel.AntalLivsmedel, 10);
    EXPECT_EQ(t.Katalog.NamnEnhet[19], "Protein g");
    EXPECT_EQ(form->ComboBoxDag->itemText(0), "Dag1");
    // The start lists the vegetables by their picture group.
    EXPECT_EQ(form->ComboBoxSLVgrupp->placeholderText(), "Livsmedelsgrupper, utökat");
    EXPECT_EQ(form->ComboBoxSLVgrupp->count(), 5);
}

TEST_F(Form1Test, DubbelklickLaggerInLivsmedletMedSummor) {
    form->VisaBildgrupp("Mjölk,ost");
    EXPECT_EQ(form->ComboBoxSLVgrupp->placeholderText(), "Livsmedelsgrupper, utökat");
    ASSERT_EQ(Lista(), QStringList({"Mjölk", "Ost"}));
    form->ListBoxLivs->setCurrentRow(0);
    emit form->ListBoxLivs->itemDoubleClicked(form->ListBoxLivs->item(0));
    EXPECT_EQ(Cell(1, 0), "Mjölk");
    EXPECT_EQ(Cell(1, 1), "1,0");
    EXPECT_EQ(Cell(1, 2), "glas");
    EXPECT_EQ(Cell(1, 3), "200");
    EXPECT_EQ(Cell(1, 4), "12,50");
    EXPECT_EQ(form->EditPris->text(), " Pris Frukost: 2,50 kr");
    EXPECT_FLOAT_EQ(t.Resultat.Dagssumma[0][0], 500);
    EXPECT_EQ(form->ComboBoxDag->itemText(0), "DAG1");
    EXPECT_TRUE(form->Maltidsknappar->button(0)->font().bold());
    EXPECT_FALSE(form->Maltidsknappar->button(1)->font().bold());
    EXPECT_TRUE(t.Dagbok.Andrad);
    EXPECT_FALSE(t.Start.ForstaTillagg);
    EXPECT_FALSE(form->LabelHogerklick->isHidden());
}

TEST_F(Form1Test, SlappPaRad3InfogarILunchMedFemLivsmedel) {
    form->ValjMaltid(1);
    for (const char* namn : {"Gurka", "Tomat", "Äpple", "Mjölk", "Ost"}) LaggTill(namn);
    form->VisaBildgrupp("Övrigt");
    ASSERT_EQ(Lista(), QStringList({"Fisksoppa", "Soppa på ärtor", "Ärtsoppa"}));

    QMimeData data;
    data.setData(TLivsmedelslistbox::Mimetyp, "2");
    QWidget* yta = form->StringGridMaltid->viewport();
    const QPoint pa = form->StringGridMaltid->visualItemRect(form->StringGridMaltid->item(2, 0)).center();
    // Shift proposes a move; the line must stay in the list all the same.
    QDragEnterEvent in(pa, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(yta, &in);
    QDropEvent slapp(pa, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(yta, &slapp);
    EXPECT_EQ(slapp.dropAction(), Qt::CopyAction);
    EXPECT_EQ(form->ListBoxLivs->model()->supportedDragActions(), Qt::CopyAction);
    EXPECT_EQ(Lista().size(), 3);

    QStringList namn;
    for (int slot = 1; slot <= 6; ++slot) namn << Cell(slot, 0);
    EXPECT_EQ(namn, QStringList({"Gurka", "Tomat", "Ärtsoppa", "Äpple", "Mjölk", "Ost"}));
    EXPECT_EQ(t.Dagbok.AktuellRad, 3);

    QMimeData annat;
    annat.setText("4001");  // only the food list's lines are taken
    QDropEvent fel(pa, Qt::CopyAction, &annat, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(yta, &fel);
    EXPECT_EQ(Cell(3, 0), "Ärtsoppa");
    EXPECT_EQ(Cell(7, 0), "");
}

TEST_F(Form1Test, OkUtanMarkeratLivsmedelLaggerInteTill) {
    form->VisaBildgrupp("Mjölk,ost");
    form->ListBoxLivs->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    ASSERT_TRUE(form->ListBoxLivs->selectedItems().isEmpty());
    QPushButton* ok = form->ButtonOk;
    ok->click();
    EXPECT_EQ(Cell(1, 0), "");
    form->ListBoxLivs->setCurrentRow(1);
    ok->click();
    EXPECT_EQ(Cell(1, 0), "Ost");
}

TEST_F(Form1Test, EnterIAntalOchGramOchSparradKolumn) {
    LaggTill("Äpple");
    Enter(1, 1, "2,5");
    EXPECT_EQ(Cell(1, 3), "300");
    EXPECT_EQ(Cell(1, 1), "2,5");
    Enter(1, 3, "60");
    EXPECT_EQ(Cell(1, 1), "0,5");
    Enter(1, 0, "Päron");
    EXPECT_EQ(dialoger.Meddelanden.last(), "Du kan inte ändra i denna kolumn");
    EXPECT_EQ(Cell(1, 0), "Äpple");
}

TEST_F(Form1Test, OkaMinskaOchTaBortRad) {
    LaggTill("Äpple");
    LaggTill("Ost");
    form->StringGridMaltid->setCurrentCell(0, 0);
    form->ButtonOkaClick();
    EXPECT_EQ(Cell(1, 3), "132");
    Enter(1, 3, "10");
    dialoger.Svara(Svar::Ja);
    form->ButtonMinskaClick();
    EXPECT_EQ(dialoger.Visat.last(), "Vill du ta bort denna rad?");
    EXPECT_EQ(Cell(1, 0), "Ost");
    form->StringGridMaltid->setCurrentCell(0, 0);
    form->ButtonTaBortClick();
    EXPECT_EQ(Cell(1, 0), "");
    EXPECT_EQ(form->ComboBoxDag->itemText(0), "dag1");
}

TEST_F(Form1Test, HogerklickVisarEnheterOchValjerEnhet) {
    LaggTill("Äpple");
    const QPoint pa = form->StringGridMaltid->visualItemRect(form->StringGridMaltid->item(0, 0)).center();
    emit form->StringGridMaltid->customContextMenuRequested(pa);
    ASSERT_FALSE(form->ListBoxVikter->isHidden());
    QStringList rader;
    for (int i = 0; i < form->ListBoxVikter->count(); ++i) rader << form->ListBoxVikter->item(i)->text();
    EXPECT_EQ(rader, QStringList({"Äpple", "60  g/dl", "9   g/msk", "3   g/tsk", "15  g/klyfta"}));
    const bool andrad = t.Dagbok.Andrad;
    form->ListBoxViktenClick(2);
    EXPECT_TRUE(form->ListBoxVikter->isHidden());
    EXPECT_EQ(Cell(1, 2), "msk");
    EXPECT_EQ(Cell(1, 3), "9");
    EXPECT_EQ(t.Dagbok.Andrad, andrad);
}

TEST_F(Form1Test, PrisandringSkrivsTillTabellenOchMisslyckasTemporart) {
    LaggTill("Tomat");
    Enter(1, 4, "33,5");
    EXPECT_EQ(Cell(1, 4), "33,50");
    ASSERT_TRUE(HamtaLivsmedel(program.Tabeller.Fodtab100, "1002"));
    EXPECT_EQ(program.Tabeller.Fodtab100.Text("kgpris"), "33,5");
    program.Tabeller.Fodtab100.Stang();
    Enter(1, 4, "40");
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"Priserna ändras endast temporärt."}));
    EXPECT_EQ(Cell(1, 4), "40,00");
}

TEST_F(Form1Test, KopieraLunchDag1TillMiddagDag3) {
    form->ValjMaltid(1);
    LaggTill("Gurka");
    LaggTill("Ost");
    form->KopieraMaltid1Click();
    EXPECT_EQ(dialoger.Meddelanden.last(), "Måltiden är nu lagrad och kan klistras in i en annan måltid.");
    form->ComboBoxDag->setCurrentIndex(2);
    form->ValjMaltid(2);
    EXPECT_EQ(Cell(1, 0), "");
    form->KlistraInMaltid1Click();
    EXPECT_EQ(Cell(1, 0), "Gurka");
    EXPECT_EQ(Cell(2, 0), "Ost");
    EXPECT_EQ(form->ComboBoxDag->itemText(2), "DAG3");
    EXPECT_EQ(t.Dagbok.Berakning[0][1][2].Kod, "4002");
}

TEST_F(Form1Test, CtrlSSokerNamnBorjanForstOavsettSkiftlage) {
    QAction* sok = nullptr;
    for (QAction* a : form->actions())
        if (a->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_S)) sok = a;
    ASSERT_NE(sok, nullptr);
    dialoger.SvaraText(QString("ÄRT"));
    sok->trigger();
    EXPECT_EQ(dialoger.Visat, QStringList({"Skriv ett ord att söka på (t.ex. soppa)", "Sökord+ENTER"}));
    EXPECT_EQ(Lista(), QStringList({"Ärtor gröna", "Ärtsoppa", "Soppa på ärtor"}));
    dialoger.SvaraText(QString("soppa"));
    sok->trigger();
    EXPECT_EQ(Lista(), QStringList({"Soppa på ärtor", "Fisksoppa", "Ärtsoppa"}));
    dialoger.SvaraText(std::nullopt);
    sok->trigger();
    EXPECT_EQ(Lista().size(), 3);
}

TEST_F(Form1Test, TypfiltretSmalnarListanEnterLaggerInEscapeGerTillbakaListan) {
    TTypfilterfalt* falt = form->EditTypfilter;
    EXPECT_EQ(falt->accessibleName(), "Sök i listan");
    QTest::keyClicks(falt, QString("ÄRT sopp"));
    EXPECT_EQ(Lista(), QStringList({"Soppa på ärtor", "Ärtsoppa"}));
    QTest::keyClick(falt, Qt::Key_Down);
    QTest::keyClick(falt, Qt::Key_Down);  // stays on the last line
    QTest::keyClick(falt, Qt::Key_Return);
    EXPECT_EQ(Cell(1, 0), "Ärtsoppa");

    QTest::keyClick(falt, Qt::Key_Escape);
    EXPECT_EQ(falt->text(), "");
    ASSERT_EQ(Lista(), QStringList({"Gurka", "Tomat", "Ärtor gröna"}));
    form->ListBoxLivs->setCurrentRow(2);
    form->LaggTillLivsmedel(0, false);
    EXPECT_EQ(Cell(2, 0), "Ärtor gröna");
}

TEST_F(Form1Test, TomtFaltGerTillbakaListanOchAnnanSokningAvslutarTypningen) {
    TTypfilterfalt* falt = form->EditTypfilter;
    QTest::keyClicks(falt, "OST");
    EXPECT_EQ(Lista(), QStringList({"Ost"}));
    for (int i = 0; i < 3; ++i) QTest::keyClick(falt, Qt::Key_Backspace);
    EXPECT_EQ(Lista(), QStringList({"Gurka", "Tomat", "Ärtor gröna"}));

    QTest::keyClicks(falt, "k");
    EXPECT_EQ(Lista(), QStringList({"Fisksoppa", "Gurka", "Mjölk"}));
    form->VisaBildgrupp("Frukt,bär");
    EXPECT_EQ(falt->text(), "");
    QTest::keyClick(falt, Qt::Key_Escape);
    EXPECT_EQ(Lista(), QStringList({"Äpple"}));
}

TEST_F(Form1Test, VyknapparnaFargarMaltiderOchPrisraden) {
    LaggTill("Mjölk");
    form->ValjVisning(1);
    EXPECT_EQ(form->Maltidsknappar->button(1)->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    EXPECT_EQ(form->EditPris->text(), " Pris DAG1: 2,50 kr");
    EXPECT_EQ(form->StringGridMaltid->item(0, 0)->foreground().color(), QColor(Qt::black));
    form->ValjVisning(0);
    EXPECT_EQ(form->Maltidsknappar->button(1)->palette().color(QPalette::ButtonText),
              QApplication::palette().color(QPalette::ButtonText));
    EXPECT_EQ(form->StringGridMaltid->item(0, 0)->foreground().color(), QColor(0, 0, 255));
}

TEST_F(Form1Test, StangningAvOandradBerakningFragarInget) {
    form->show();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(dialoger.Visat.isEmpty());
}

TEST_F(Form1Test, StangningAvAndradBerakningKanAvbrytas) {
    form->show();
    LaggTill("Gurka");
    dialoger.Svara(Svar::Avbryt);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialoger.Visat.last(), "Vill du spara pågående beräkning?");
    EXPECT_EQ(Cell(1, 0), "Gurka");
    dialoger.Svara(Svar::Nej);
    EXPECT_TRUE(form->close());
}

TEST_F(Form1Test, NyBerakningTommerEfterFraga) {
    LaggTill("Gurka");
    form->ValjMaltid(2);
    dialoger.Svara(Svar::Nej);
    form->NyBerakning1Click();
    EXPECT_EQ(dialoger.Visat.last(), "Vill du spara pågående beräkning innan ny startas?");
    EXPECT_EQ(t.Dagbok.AktuellMaltid, 0);
    EXPECT_TRUE(form->Maltidsknappar->button(0)->isChecked());
    EXPECT_EQ(form->ComboBoxDag->itemText(0), "dag1");
    const QPoint pa = form->StringGridMaltid->visualItemRect(form->StringGridMaltid->item(4, 0)).center();
    emit form->StringGridMaltid->customContextMenuRequested(pa);
    EXPECT_EQ(form->ListBoxVikter->count(), 1);
    EXPECT_EQ(form->ListBoxVikter->item(0)->text(), "");
}

TEST_F(Form1Test, BildensOmradenGerSinGrupp) {
    QStringList grupper;
    QObject::connect(form->Bild, &TBildgrupper::GruppKlickad, [&](const QString& g) { grupper << g; });
    form->Bild->resize(212, 196);
    QTest::mouseClick(form->Bild, Qt::LeftButton, {}, QPoint(30, 130));
    QTest::mouseClick(form->Bild, Qt::LeftButton, {}, QPoint(100, 40));
    QTest::mouseClick(form->Bild, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(grupper, QStringList({"Mjölk,ost", "Grönsaker"}));
    form->Bild->resize(424, 392);  // scaled twice
    QTest::mouseClick(form->Bild, Qt::LeftButton, {}, QPoint(60, 260));
    EXPECT_EQ(grupper.last(), "Mjölk,ost");
}

TEST(Form1Start, TrasigNamnfilStopparStarten) {
    TProvmapp mapp;
    SkrivBytes(mapp.Fil("nvnamn.txt"), "15 Energi kJ,0\r\n\r\n");
    SkriptadeDialoger dialoger;
    TProgram program(mapp.Sokvag(), dialoger);
    try {
        SkapaFonstren(program);
        FAIL();
    } catch (const Fel& fel) {
        EXPECT_EQ(fel.Meddelande(), "Fel i namnfilen nvnamn.txt");
    }
}

TEST(Form1Start, InitdirPekarUtTabellmappen) {
    TProvmapp mapp;
    QDir(mapp.Sokvag()).mkdir("tabeller");
    SkapaLivsmedelstabell(mapp.Fil("tabeller"), "fodtab100", {{"7001", "Smör", "Fett", "Matfett", "msk", 10, "90"}});
    SkapaLivsmedelstabell(mapp.Fil("tabeller"), "fodtab2005", {});
    SkrivBytes(mapp.Fil("initdir.txt"), "berakningar\r\ntabeller\r\n");
    SkriptadeDialoger dialoger;
    TProgram program(mapp.Sokvag(), dialoger);
    SkapaFonstren(program);
    EXPECT_EQ(program.Tillstand->Livsmedel.AntalLivsmedel, 1);
    EXPECT_TRUE(program.Tillstand->Start.Berakningsmapp.endsWith("berakningar"));
}

TEST(Form1Start, SaknadLivsmedelstabellGerTabellensFel) {
    TProvmapp mapp;
    QFile::remove(mapp.Fil("fodtab2005.db"));
    SkriptadeDialoger dialoger;
    TProgram program(mapp.Sokvag(), dialoger);
    EXPECT_THROW(SkapaFonstren(program), Fel);
}

}  // namespace
