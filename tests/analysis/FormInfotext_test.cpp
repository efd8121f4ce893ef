#include "analysis/FormInfotext.h"

#include "platform/Textfil.h"
#include "platform/SkriptadeDialoger.h"
#include "stod/Fixtur.h"

#include <QButtonGroup>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class FormInfotextTest : public ::testing::Test {
protected:
    QString Fil() const { return QDir(mapp.path()).filePath("info.txt"); }
    QTemporaryDir mapp;
    SkriptadeDialoger dialoger;
    TInfotexter texter;
};

TEST_F(FormInfotextTest, LaddarVidStartVisarValdKodOchSparar) {
    SkrivBytes(Fil(), "M3 Bra\r\nM10 Fett\r\nM3 \r\nM3 mat\r\n");
    TFormInfotext editor(texter, dialoger, mapp.path(), nullptr);
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
    EXPECT_EQ(texter.Rader.size(), 4);
    EXPECT_EQ(editor.MemoText[2]->toPlainText(), "Bra\n\nmat");
    EXPECT_EQ(editor.MemoText[9]->toPlainText(), "Fett");
    EXPECT_EQ(editor.MemoText[0]->toPlainText(), "");
    EXPECT_EQ(editor.Textrutor->currentWidget(), editor.MemoText[0]);

    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    QTest::mouseClick(editor.RadioGroup1->button(31), Qt::LeftButton);
    EXPECT_EQ(editor.RadioGroup1->button(31)->text(), "Kalc högt");
    EXPECT_EQ(editor.Textrutor->currentWidget(), editor.MemoText[31]);
    editor.MemoText[31]->setPlainText("Mindre ost.");
    editor.MemoText[9]->clear();
    QTest::mouseClick(editor.ButtonSpara, Qt::LeftButton);
    EXPECT_EQ(LasFil(Fil()), QByteArray("M3 Bra\r\nM3 \r\nM3 mat\r\nM32 Mindre ost.\r\n"));
    EXPECT_EQ(texter.Rader, QStringList({"M3 Bra", "M3 ", "M3 mat", "M32 Mindre ost."}));
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
}

TEST_F(FormInfotextTest, SaknadFilOchSkrivfelSagsOchProgrammetGarVidare) {
    TFormInfotext editor(texter, dialoger, mapp.path(), nullptr);
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_TRUE(dialoger.Meddelanden[0].startsWith("Kan ej läsa tips-texterna"));
    EXPECT_TRUE(texter.Rader.isEmpty());

    ASSERT_TRUE(QDir(mapp.path()).mkdir("info.txt"));  // cannot be written over
    editor.MemoText[0]->setPlainText("Ät frukost.");
    editor.ButtonSpara->click();
    EXPECT_EQ(dialoger.Meddelanden.value(1), "Kan ej spara tips-texterna");
    EXPECT_EQ(texter.Rader, QStringList({"M1 Ät frukost."}));
}

TEST_F(FormInfotextTest, TipstexterKraverDetInbyggdaLosenordet) {
    SkrivBytes(Fil(), "");
    TFormInfotext editor(texter, dialoger, mapp.path(), nullptr);
    dialoger.SvaraText(std::nullopt);
    editor.Tipstexter1Click();
    dialoger.SvaraText(QStringLiteral("takpann1"));
    editor.Tipstexter1Click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"Fel lösenord!"}));
    dialoger.SvaraText(QStringLiteral("TakPann"));
    editor.Tipstexter1Click();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(dialoger.Visat.first(), "Ange TAKPANN lösenord");
}

}  // namespace
