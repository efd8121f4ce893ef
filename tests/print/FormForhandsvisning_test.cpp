#include "print/FormForhandsvisning.h"

#include "platform/SkriptadeDialoger.h"
#include "stod/Fixtur.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

// Three sections: the second runs over two pages, "ost" on pages 1 and 3.
TRapportlayout Layout() {
    TRapport r;
    r.Rapportbuffert.append(TRapportrad{"del1", "del2"});
    r.Rapportbuffert.append(TRapportrad{"Ost och bröd", "Dag 1"});
    for (int i = 0; i < 100; ++i) r.Rapportbuffert.append(TRapportrad{QStringLiteral("rad %1").arg(i), "Dag 2"});
    r.Rapportbuffert.append(TRapportrad{"Mer ost", "Sammanställning"});
    r.ForstaRubrik = "Dag 1";
    return LayoutaRapport(r, {});
}

int Sidor(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(20000);
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const qsizetype i = info.indexOf("Pages:");
    return i < 0 ? 0 : info.mid(i + 6).section('\n', 0, 0).trimmed().toInt();
}

class FormForhandsvisningTest : public ::testing::Test {
protected:
    FormForhandsvisningTest() { form.VisaRapport(Layout()); }

    QTemporaryDir mapp;
    SkriptadeDialoger dialoger;
    TFormForhandsvisning form{dialoger, mapp.path(), nullptr};
};

TEST_F(FormForhandsvisningTest, OppnasMaximeradPaForstaSidanMedInnehall) {
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form.ComboBoxZoom->currentText(), "100 %");
    EXPECT_EQ(form.LabelSida->text(), "Sida 1 av 4");
    EXPECT_FALSE(form.ButtonForegaende->isEnabled());
    ASSERT_EQ(form.ListBoxInnehall->count(), 3);
    EXPECT_EQ(form.ListBoxInnehall->item(2)->text(), "Sammanställning");

    // At 100 % a report pixel is a pixel of a 96 dpi screen.
    EXPECT_NEAR(form.Sidvy->Skala(), form.logicalDpiX() / 96.0, 1e-9);

    const QRect rad = form.ListBoxInnehall->visualItemRect(form.ListBoxInnehall->item(2));
    QTest::mouseClick(form.ListBoxInnehall->viewport(), Qt::LeftButton, {}, rad.center());
    EXPECT_EQ(form.Sida(), 3);
    EXPECT_FALSE(form.ButtonNasta->isEnabled());
    QTest::mouseClick(form.ButtonForegaende, Qt::LeftButton);
    EXPECT_EQ(form.Sida(), 2);
    EXPECT_EQ(form.ListBoxInnehall->currentRow(), 1);  // the outline follows the page
    QTest::mouseClick(form.ButtonForsta, Qt::LeftButton);
    EXPECT_EQ(form.Sida(), 0);
    QTest::mouseClick(form.ButtonSista, Qt::LeftButton);
    EXPECT_EQ(form.LabelSida->text(), "Sida 4 av 4");
}

TEST_F(FormForhandsvisningTest, ZoomEfterBreddHelSidaOchProcent) {
    form.resize(1000, 800);
    form.ComboBoxZoom->setCurrentText("Sidbredd");
    const double bredd = form.Sidvy->Skala();
    EXPECT_NEAR(bredd * Sidbredd, form.Sidyta->viewport()->width() - 24, 1);
    form.ComboBoxZoom->setCurrentText("Hela sidan");
    EXPECT_LE(form.Sidvy->Skala() * Sidhojd, form.Sidyta->viewport()->height() - 24 + 1);
    form.ComboBoxZoom->setCurrentText("200 %");
    EXPECT_NEAR(form.Sidvy->Skala(), 2 * form.logicalDpiX() / 96.0, 1e-9);
}

TEST_F(FormForhandsvisningTest, SokningGarMellanTraffarOchRunt) {
    QTest::keyClicks(form.EditSok, "OST");
    QTest::keyClick(form.EditSok, Qt::Key_Return);
    EXPECT_EQ(form.Sida(), 0);
    EXPECT_EQ(form.LabelSok->text(), "Träff 1 av 2");
    QTest::mouseClick(form.ButtonSokNasta, Qt::LeftButton);
    EXPECT_EQ(form.Sida(), 3);
    QTest::mouseClick(form.ButtonSokNasta, Qt::LeftButton);
    EXPECT_EQ(form.Sida(), 0);
    QTest::mouseClick(form.ButtonSokForegaende, Qt::LeftButton);
    EXPECT_EQ(form.Sida(), 3);
    form.EditSok->setText("finns inte");
    EXPECT_EQ(form.LabelSok->text(), "Hittades inte");
}

TEST_F(FormForhandsvisningTest, UtskriftAvEttSidintervallOchSparadPdf) {
    const QString pdf = mapp.filePath("papper.pdf");
    form.Skrivare.setOutputFormat(QPrinter::PdfFormat);
    form.Skrivare.setOutputFileName(pdf);
    dialoger.Svara(Svar::Avbryt);
    QTest::mouseClick(form.ButtonSkrivUt, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(pdf));

    dialoger.Skrivarval = [](QPrinter& skrivare) {
        skrivare.setPrintRange(QPrinter::PageRange);
        skrivare.setFromTo(2, 3);
    };
    dialoger.Svara(Svar::Ja);
    QTest::mouseClick(form.ButtonSkrivUt, Qt::LeftButton);
    EXPECT_EQ(Sidor(pdf), 2);

    dialoger.Skrivarval = nullptr;
    dialoger.Svara(Svar::Ja);
    QTest::mouseClick(form.ButtonSkrivUt, Qt::LeftButton);
    EXPECT_EQ(Sidor(pdf), 4);

    dialoger.SvaraText(mapp.filePath("sparad"));
    QTest::mouseClick(form.ButtonSparaPdf, Qt::LeftButton);
    EXPECT_EQ(dialoger.ForeslagnaNamn, QStringList({"Matvarda utskrift.pdf"}));
    EXPECT_EQ(Sidor(mapp.filePath("sparad.pdf")), 4);
}

}  // namespace
