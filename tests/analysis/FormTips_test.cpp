#include "analysis/FormTips.h"

#include "calc/RaknaOm.h"
#include "platform/SkriptadeDialoger.h"
#include "print/Skrivartext.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace matvarda;

namespace {

TEST(FormTips, MatTipsVisarRadenForAktuellDagNarPeriodenHarMat) {
    auto t = std::make_unique<TTillstand>();
    t->Infotexter.Rader = {"M1 Ät mer.", "M3 Bra!"};
    SkriptadeDialoger dialoger;
    TFormTips tips(t->Resultat, t->Dagbok, t->Infotexter, dialoger, nullptr);
    EXPECT_EQ(tips.windowTitle(), "Goda råd");
    EXPECT_EQ(tips.UtskriftButton->text(), "Till skrivare");

    tips.MatTips1Click();
    EXPECT_EQ(dialoger.Meddelanden, QStringList({"När du har fyllt i vad du ätit visas här goda råd om maten."}));
    EXPECT_FALSE(tips.isVisible());

    TMaltidsrad& rad = t->Dagbok.Berakning[1][0][1];
    rad.Kod = QStringLiteral("1");
    rad.Gram = 100;
    rad.Naring[EnergiKj] = 8000;
    rad.Naring[EnergiKcal] = 1900;
    t->Behov.Dagsbehov[EnergiKj] = 8000;
    t->Behov.Dagsbehov[EnergiKcal] = 2000;
    t->Dagbok.AktuellDag = 1;
    RaknaOm(*t);
    tips.MatTips1Click();
    EXPECT_TRUE(tips.isVisible());
    EXPECT_EQ(dialoger.Meddelanden.size(), 1);
    const QStringList rader = tips.MemoKommentar->toPlainText().split('\n');
    ASSERT_EQ(rader.size(), 2 + 3 + 7 * 2);
    EXPECT_EQ(rader[2], "kcal (1900 kcal = 95% av dagsbehovet)");
    EXPECT_EQ(rader[3], "Bra!");
    EXPECT_FALSE(tips.MemoKommentar->isReadOnly());

    // The user's own page break is printed with the rest.
    QTemporaryDir mapp;
    const QString pdf = mapp.filePath(QStringLiteral("tips.pdf"));
    tips.Skrivartext.Skrivare.setOutputFormat(QPrinter::PdfFormat);
    tips.Skrivartext.Skrivare.setOutputFileName(pdf);
    tips.MemoKommentar->appendPlainText(Sidmatning);
    tips.MemoKommentar->appendPlainText(QStringLiteral("Egen rad"));
    dialoger.Svara(Svar::Ja);
    dialoger.Svara(Svar::Ja);
    tips.UtskriftButton->click();
    EXPECT_EQ(dialoger.Visat.mid(1), QStringList({"Skrivare", "Typsnitt"}));
    QFile fil(pdf);
    ASSERT_TRUE(fil.open(QIODevice::ReadOnly));
    static const QRegularExpression sida(QStringLiteral("/Type\\s*/Page(?!s)"));
    EXPECT_EQ(QString::fromLatin1(fil.readAll()).count(sida), 2);
}

}  // namespace
