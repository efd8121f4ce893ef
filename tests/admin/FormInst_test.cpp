#include "admin/FormInst.h"

#include "platform/Textfil.h"
#include "stod/Fonstertest.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class FormInstTest : public TFonstertest {
protected:
    void Starta() {
        TFonstertest::Starta();
        inst = program.FormInst;
    }
    QStringList Celler(QTableWidget* grid) {
        QStringList celler;
        for (int r = 0; r < grid->rowCount(); ++r) celler << grid->item(r, 1)->text();
        return celler;
    }
    void Andra() {
        dialoger.SvaraText(QStringLiteral("takpann"));
        inst->Button2Click();
        ASSERT_TRUE(inst->StringGrid1->isEnabled());
    }

    TFormInst* inst = nullptr;
};

TEST_F(FormInstTest, UtanParafilVisasStandardvardenaLasta) {
    Starta();
    EXPECT_EQ(Celler(inst->StringGrid1), QStringList({"25", "30", "30", "15"}));
    EXPECT_EQ(Celler(inst->StringGrid2), QStringList({"15", "30", "55", "12.5", "7.5", "10"}));
    EXPECT_EQ(inst->StringGrid1->horizontalHeaderItem(1)->text(), "% av dagbehovet");
    EXPECT_EQ(inst->StringGrid2->item(3, 0)->text(), "Enkelomättat fett");
    EXPECT_FALSE(inst->StringGrid1->isEnabled());
    EXPECT_FALSE(inst->StringGrid2->isEnabled());
    EXPECT_TRUE(inst->Button1->isHidden());
    EXPECT_EQ(inst->LabelPrisPassword->text(), "Priser kan ändras.");
    EXPECT_FLOAT_EQ(t.Installningar.Maltidsandel[3], 0.15f);
    EXPECT_FALSE(t.Installningar.PriserLasta);
}

TEST_F(FormInstTest, ParafilLasesVidStartenSomTypt) {
    SkrivBytes(mapp.Fil("matvarda.para"), "20\r\n 30\r\nxx\r\n12,5\r\n16\r\n31\r\n53\r\n11\r\n9\r\n8\r\n");
    Starta();
    // How each cell reads is the settings logic's; the window shows them as
    // typed and applies them.
    EXPECT_EQ(Celler(inst->StringGrid1), QStringList({"20", " 30", "xx", "12,5"}));
    EXPECT_FLOAT_EQ(t.Installningar.Maltidsandel[3], 0.125f);
}

TEST_F(FormInstTest, AndraKraverTakpannAvenMedEgetLosenord) {
    SkrivBytes(mapp.Fil("losenord.txt"), "hemlig\r\n");
    Starta();
    dialoger.SvaraText(QStringLiteral("hemlig"));
    inst->Button2Click();
    EXPECT_EQ(dialoger.Meddelanden, QStringList{"Fel lösenord!"});
    EXPECT_FALSE(inst->StringGrid1->isEnabled());
    Andra();
    EXPECT_TRUE(inst->StringGrid2->isEnabled());
    EXPECT_FALSE(inst->Button1->isHidden());
}

TEST_F(FormInstTest, VerkstallTillamparOchSkriverTioRader) {
    Starta();
    Andra();
    const char* andelar[] = {"20", "30", "30", "20"};
    for (int r = 0; r < 4; ++r) inst->StringGrid1->item(r, 1)->setText(andelar[r]);
    inst->StringGrid2->item(5, 1)->setText("11,5");
    inst->Button1Click();
    EXPECT_EQ(LasFil(mapp.Fil("matvarda.para")), QByteArray("20\r\n30\r\n30\r\n20\r\n15\r\n30\r\n55\r\n12.5\r\n7.5\r\n11,5\r\n"));
    const std::array<float, 4> vantat{0.2f, 0.3f, 0.3f, 0.2f};
    EXPECT_EQ(t.Installningar.Maltidsandel, vantat);
    EXPECT_FLOAT_EQ(t.Installningar.Idealfordelning.Mattat, 11.5f);
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
}

TEST_F(FormInstTest, SkrivfelVidVerkstallSagsOchVardenaGaller) {
    ASSERT_TRUE(QDir(mapp.Sokvag()).mkdir("matvarda.para"));  // cannot be written over
    Starta();
    Andra();
    inst->StringGrid1->item(0, 1)->setText("40");
    inst->Button1Click();
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_TRUE(dialoger.Meddelanden[0].startsWith("Kan ej spara inställningarna"));
    EXPECT_FLOAT_EQ(t.Installningar.Maltidsandel[0], 0.4f);
}

TEST_F(FormInstTest, JaUtanPrisfilSkaparIngenFil) {
    Starta();
    t.Installningar.PriserLasta = true;
    dialoger.SvaraText(QStringLiteral("TAKPANN"));
    inst->ButtonJaClick();
    EXPECT_FALSE(t.Installningar.PriserLasta);
    EXPECT_EQ(inst->LabelPrisPassword->text(), "Priser kan ändras");
    EXPECT_FALSE(QFile::exists(mapp.Fil("prisPassword.txt")));
}

TEST_F(FormInstTest, NejOchOmstartLaserPriserna) {
    Starta();
    dialoger.SvaraText(QStringLiteral("takpann"));
    inst->ButtonNejClick();
    EXPECT_TRUE(t.Installningar.PriserLasta);
    EXPECT_EQ(LasFil(mapp.Fil("prisPassword.txt")), QByteArray("password=ja\r\n"));

    TProgram omstart(mapp.Sokvag(), dialoger);
    SkapaFonstren(omstart);
    EXPECT_TRUE(omstart.Tillstand->Installningar.PriserLasta);
    EXPECT_EQ(omstart.FormInst->LabelPrisPassword->text(), "Priser kan ej ändras");

    dialoger.SvaraText(QStringLiteral("TAKPANN"));
    omstart.FormInst->ButtonJaClick();
    EXPECT_EQ(LasFil(mapp.Fil("prisPassword.txt")), QByteArray("password=nej\r\n"));
}

// "JA" takes the configured password, "NEJ" only TAKPANN.
TEST_F(FormInstTest, JaOchNejTarOlikaLosenord) {
    SkrivBytes(mapp.Fil("losenord.txt"), "hemlig\r\n");
    Starta();
    dialoger.SvaraText(QStringLiteral("HEMLIG"));
    inst->ButtonNejClick();
    dialoger.SvaraText(QStringLiteral("TAKPANN"));
    inst->ButtonJaClick();
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"Fel lösenord!", "Fel lösenord!"}));
    dialoger.SvaraText(QStringLiteral("TAKPANN"));
    inst->ButtonNejClick();
    EXPECT_TRUE(t.Installningar.PriserLasta);
    dialoger.SvaraText(QStringLiteral("hemlig"));
    inst->ButtonJaClick();
    EXPECT_FALSE(t.Installningar.PriserLasta);
    EXPECT_EQ(dialoger.Meddelanden.size(), 2);
}

}  // namespace
