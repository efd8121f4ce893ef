#include "need/FormAktskapa.h"

#include "platform/Textfil.h"
#include "platform/SkriptadeDialoger.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;

namespace {

class FormAktskapaTest : public ::testing::Test {
protected:
    FormAktskapaTest() {
        test::SkrivBytes(fil, "Aktivitet\r\nBMR-faktor\r\nSova\r\n0.95\r\nCykla\r\n6,8\r\nSimma\r\n6\r\nL\xf6pa\r\n9.8\r\n");
    }

    QTemporaryDir mapp;
    QString fil = mapp.filePath("aktiv.txt");
    SkriptadeDialoger dialoger;
    TAktivitetskatalog katalog;
};

TEST_F(FormAktskapaTest, LaddarKatalogenOchSparasEfterLosenordet) {
    TFormAktskapa form(katalog, dialoger, mapp.path(), nullptr);
    EXPECT_EQ(form.windowTitle(), "Aktiviteter med BMR-faktor.");
    EXPECT_EQ(katalog[4], (TAktivitetspost{"Löpa", "9.8"}));
    EXPECT_EQ(form.StringGrid1->horizontalHeaderItem(0)->text(), "Aktivitet");
    EXPECT_EQ(form.StringGrid1->item(3, 0)->text(), "Löpa");
    EXPECT_EQ(form.StringGrid1->rowCount(), 299);
    EXPECT_EQ(form.StringGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(form.ButtonSpara->isHidden());

    dialoger.SvaraText(QStringLiteral("takpan"));
    form.ButtonAndra->click();
    dialoger.SvaraText(std::nullopt);
    form.ButtonAndra->click();
    EXPECT_EQ(dialoger.Meddelanden, QStringList{"Fel lösenord!"});
    EXPECT_TRUE(form.ButtonSpara->isHidden());
    dialoger.SvaraText(QStringLiteral("takPANN"));
    form.ButtonAndra->click();
    EXPECT_NE(form.StringGrid1->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(form.ButtonSpara->isHidden());
    EXPECT_FALSE(form.LabelAndra->isHidden());
    EXPECT_TRUE(form.ButtonAndra->isHidden());

    form.StringGrid1->item(1, 0)->setText(QStringLiteral("Gå"));  // two letters: saved empty
    form.StringGrid1->item(298, 0)->setText(QStringLiteral("Åka skidor"));
    form.StringGrid1->item(298, 1)->setText(QStringLiteral("7"));
    form.ButtonSpara->click();
    EXPECT_EQ(dialoger.Meddelanden.last(), "Aktivitetslistan sparad");
    const auto rader = LasTextrader(fil);
    ASSERT_TRUE(rader);
    ASSERT_EQ(rader->size(), 600);
    EXPECT_EQ(rader->mid(0, 6), (QStringList{"Aktivitet", "BMR-faktor", "Sova", "0.95", "", ""}));
    EXPECT_EQ(rader->mid(598), (QStringList{"Åka skidor", "7"}));
    EXPECT_EQ(form.StringGrid1->item(1, 0)->text(), "");
    EXPECT_EQ(katalog[2], TAktivitetspost{});
    EXPECT_EQ(katalog[299], (TAktivitetspost{"Åka skidor", "7"}));
}

TEST_F(FormAktskapaTest, SaknadFilGerTomKatalogOchMisslyckadSparningSagsUt) {
    const QString saknas = mapp.filePath("saknas");
    TFormAktskapa form(katalog, dialoger, saknas, nullptr);
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_TRUE(dialoger.Meddelanden[0].startsWith("Kan ej läsa aktivitetstabellen "));
    EXPECT_TRUE(dialoger.Meddelanden[0].contains(QDir::toNativeSeparators(saknas + "/aktiv.txt")));
    EXPECT_EQ(katalog[1], TAktivitetspost{});
    dialoger.SvaraText(QStringLiteral("TAKPANN"));
    form.ButtonAndra->click();
    form.StringGrid1->item(0, 0)->setText(QStringLiteral("Sova"));
    form.ButtonSpara->click();
    ASSERT_EQ(dialoger.Meddelanden.size(), 2);
    EXPECT_TRUE(dialoger.Meddelanden[1].startsWith("Kan ej spara aktivitetstabellen "));
}

}  // namespace
