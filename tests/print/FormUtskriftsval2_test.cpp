#include "print/FormUtskriftsval2.h"

#include "calc/RaknaOm.h"
#include "platform/SkriptadeDialoger.h"
#include "print/FormForhandsvisning.h"
#include "stod/Fixtur.h"
#include "stod/Fonstertest.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class FormUtskriftsval2Test : public ::testing::Test {
protected:
    FormUtskriftsval2Test() {
        t->Katalog.Kortnamn[15] = "Energi";
        t->Katalog.NamnEnhet[15] = "Energi kJ";
        t->Urval.Valda[15] = true;
        TMaltidsrad& rad = t->Dagbok.Berakning[2][1][1];
        rad.Kod = "1";
        rad.Livsmedel = "Gröt";
        rad.Gram = 250;
        rad.Naring = Naringar({{0, 400}, {4, 3}});
        t->Dagbok.AktuellDag = 2;
        t->Dagbok.AktuellMaltid = 1;
        t->Start.Berakningsmapp = mapp.path();
        RaknaOm(*t);
        form.show();
    }

    void Klicka(QAbstractButton* knapp) { QTest::mouseClick(knapp, Qt::LeftButton, {}, QPoint(5, 5)); }

    std::unique_ptr<TTillstand> t = std::make_unique<TTillstand>();
    QTemporaryDir mapp;
    SkriptadeDialoger dialoger;
    std::optional<TRapportlayout> visad;
    TFormUtskriftsval2 form{*t, TOmgivning{dialoger, mapp.path(), {}},
                            [this](const TRapportlayout& layout) { visad = layout; }, nullptr};
};

TEST_F(FormUtskriftsval2Test, StartlagetOchReglernaMellanRutorna) {
    EXPECT_EQ(form.windowTitle(), "Välj typ av utskrift");
    EXPECT_EQ(form.RadioGroup1->title(), "Vad ska skrivas ut?");
    EXPECT_EQ(form.Omfattningsknappar->checkedId(), 0);
    EXPECT_EQ(form.Detaljknappar->checkedId(), 0);
    EXPECT_EQ(form.Detaljknappar->button(3)->text(), "Endast periodsumma");
    EXPECT_TRUE(form.CheckBoxDiagram->isChecked());
    EXPECT_TRUE(form.CheckBoxFettsammansattning->isChecked());
    EXPECT_FALSE(form.CheckBoxPris->isChecked());
    EXPECT_FALSE(form.CheckBoxKomprimerad->isChecked());
    EXPECT_FALSE(form.CheckBox1->isChecked());
    EXPECT_FALSE(form.CheckBoxCirkeldiagram->isChecked());
    EXPECT_FALSE(form.CheckBoxCirkeldiagram->isEnabled());
    EXPECT_FALSE(form.RadioGroup3->isEnabled());
    EXPECT_EQ(form.EditRubrik->text(), "");

    Klicka(form.CheckBox1);
    EXPECT_TRUE(form.RadioGroup3->isEnabled());
    EXPECT_TRUE(form.CheckBoxCirkeldiagram->isEnabled());
    EXPECT_TRUE(form.CheckBoxCirkeldiagram->isChecked());
    Klicka(form.CheckBox1);
    EXPECT_FALSE(form.CheckBoxCirkeldiagram->isChecked());
    EXPECT_FALSE(form.CheckBoxCirkeldiagram->isEnabled());
    EXPECT_FALSE(form.RadioGroup3->isEnabled());

    // Greyed out by the compressed report, the price keeps its tick.
    Klicka(form.CheckBoxPris);
    Klicka(form.CheckBoxKomprimerad);
    EXPECT_FALSE(form.CheckBoxPris->isEnabled());
    EXPECT_TRUE(form.CheckBoxPris->isChecked());
    EXPECT_TRUE(form.Utskriftsval().Pris);
    Klicka(form.CheckBoxKomprimerad);
    EXPECT_TRUE(form.CheckBoxPris->isEnabled());
}

// Without file output the preview shows the current meal, never with pies.
TEST_F(FormUtskriftsval2Test, SkrivVisarAktuellMaltidIForhandsvisningen) {
    form.EditRubrik->setText("Vecka 12");
    Klicka(form.CheckBox1);
    Klicka(form.CheckBox1);
    Klicka(form.ButtonSkriv);
    ASSERT_TRUE(visad.has_value());
    ASSERT_EQ(visad->Innehall.size(), 1);
    EXPECT_EQ(visad->Innehall[0].Rubrik, "Dag 3 Lunch    ");
    EXPECT_TRUE(visad->Sidor[0].Cirklar.isEmpty());
    bool rubrik = false;
    for (const TTextpost& text : visad->Sidor[0].Texter) rubrik |= text.Text == "Vecka 12";
    EXPECT_TRUE(rubrik);
    EXPECT_TRUE(dialoger.Visat.isEmpty());
}

TEST_F(FormUtskriftsval2Test, TillFilSkrivsPdfMedCirklarDirekt) {
    Klicka(form.CheckBox1);
    form.Omfattningsknappar->button(2)->setChecked(true);
    const QString fil = mapp.filePath("vecka");
    dialoger.SvaraText(fil);
    Klicka(form.ButtonSkriv);
    EXPECT_FALSE(visad.has_value());
    EXPECT_EQ(dialoger.ForeslagnaNamn, QStringList({"Matvarda utskrift.pdf"}));
    ASSERT_TRUE(QFile::exists(fil + ".pdf"));
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());

    // Cancelled, nothing is written or shown.
    dialoger.SvaraText(std::nullopt);
    Klicka(form.ButtonSkriv);
    EXPECT_EQ(dialoger.ObesvaradeSvar(), 0);
    EXPECT_FALSE(visad.has_value());
}

}  // namespace

namespace {

class UtskriftIProgrammetTest : public TFonstertest {};

// "Arkiv", "Utskrift" shows the window; "Skriv" shows the current meal in
// the preview.
TEST_F(UtskriftIProgrammetTest, MenynVisarValetOchSkrivVisarForhandsvisningen) {
    Starta();
    LaggTill("Gurka");
    QAction* utskrift = nullptr;
    for (QAction* atgard : Meny("Arkiv")->actions())
        if (atgard->text() == "Utskrift") utskrift = atgard;
    ASSERT_TRUE(utskrift);
    utskrift->trigger();
    ASSERT_TRUE(program.FormUtskriftsval2->isVisible());
    QTest::mouseClick(program.FormUtskriftsval2->ButtonSkriv, Qt::LeftButton);
    TFormForhandsvisning* visning = program.FormForhandsvisning;
    ASSERT_TRUE(visning->isVisible());
    EXPECT_EQ(visning->ListBoxInnehall->item(0)->text(), "Dag 1 Frukost  ");
    EXPECT_FALSE(SokIRapport(visning->Layout(), "Gurka").isEmpty());
}

}  // namespace
