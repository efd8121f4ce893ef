#include "analysis/FormToppen.h"

#include "platform/SkriptadeDialoger.h"
#include "stod/Fixtur.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

QStringList Rader(const QListWidget& lista) {
    QStringList rader;
    for (int i = 0; i < lista.count(); ++i) rader << lista.item(i)->text();
    return rader;
}

void Klicka(QListWidget& lista, int rad) {
    QTest::mouseClick(lista.viewport(), Qt::LeftButton, {}, lista.visualItemRect(lista.item(rad)).center());
}

TEST(FormToppen, KlickPaNaringsamneOchVisningByggerListan) {
    QTemporaryDir mapp;
    SkapaLivsmedelstabell(mapp.path(), "fodtab100",
                          {{"1", "Ost", "", "", "skiva", 150, "", {{Protein, 12.5}}},
                           {"2", "Salt", "", "", "krm", 0.4, "", {{Protein, 20}}}});
    Tabell fodtab100(mapp.path(), "fodtab100");
    fodtab100.Oppna();
    TNaringskatalog katalog;
    for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n) katalog.NamnEnhet[n] = QStringLiteral("N%1").arg(n);
    katalog.Enhetsnamn[19] = QStringLiteral("g");
    SkriptadeDialoger dialoger;
    TFormToppen toppen(katalog, fodtab100, dialoger, nullptr);
    toppen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&toppen));
    EXPECT_EQ(toppen.windowTitle(), "Topplistan");
    ASSERT_EQ(toppen.ListBox1->count(), 49);
    EXPECT_EQ(toppen.ListBox1->item(2)->text(), "N19");
    EXPECT_TRUE(toppen.ListBoxSynlig->count() == 0);

    Klicka(*toppen.ListBox1, 2);
    EXPECT_EQ(toppen.LabelMangd->text(), "Mängd per portion");
    EXPECT_EQ(Rader(*toppen.ListBoxSynlig), QStringList({"     18.75 g Ost (150 g)"}));

    QTest::mouseClick(toppen.RadioPer100gram, Qt::LeftButton);
    EXPECT_EQ(toppen.LabelMangd->text(), "Mängd per 100 gram");
    EXPECT_EQ(Rader(*toppen.ListBoxSynlig), QStringList({"     20.00 g Salt", "     12.50 g Ost"}));
    EXPECT_EQ(toppen.RadioPerPortion->text(), "Per porttion");
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
}

TEST(FormToppen, TabellfelGerMeddelande) {
    QTemporaryDir mapp;
    SkapaLivsmedelstabell(mapp.path(), "fodtab100", {});
    Tabell fodtab100(mapp.path(), "fodtab100");  // never opened
    TNaringskatalog katalog;
    SkriptadeDialoger dialoger;
    TFormToppen toppen(katalog, fodtab100, dialoger, nullptr);
    toppen.ListBox1->setCurrentRow(0);
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_TRUE(dialoger.Meddelanden[0].startsWith("Kan ej läsa livsmedelstabellen.")) << dialoger.Meddelanden[0].toStdString();
    EXPECT_EQ(toppen.ListBoxSynlig->count(), 0);
}

}  // namespace
