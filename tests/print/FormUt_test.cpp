#include "print/FormUt.h"

#include "platform/SkriptadeDialoger.h"
#include "print/Skrivartext.h"
#include "stod/Fixtur.h"

#include <QFile>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class FormUtTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Skrivartext.Skrivare.setOutputFormat(QPrinter::PdfFormat);
        form.Skrivartext.Skrivare.setOutputFileName(pdf);
    }

    int Sidor() const {
        const auto innehall = LasFil(pdf);
        if (!innehall) return 0;
        static const QRegularExpression sida(QStringLiteral("/Type\\s*/Page(?!s)"));
        return static_cast<int>(QString::fromLatin1(*innehall).count(sida));
    }

    static std::optional<QByteArray> LasFil(const QString& fil) {
        QFile f(fil);
        if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
        return f.readAll();
    }

    QTemporaryDir mapp;
    QString pdf = mapp.filePath(QStringLiteral("ut.pdf"));
    SkriptadeDialoger dialoger;
    TFormUt form{dialoger, nullptr};
};

TEST_F(FormUtTest, UtskriftFyllerOchVisarFonstret) {
    EXPECT_EQ(form.windowTitle(), "Så här kommer utskriften att se ut.");
    EXPECT_EQ(form.size(), QSize(640, 463));
    const QFontInfo typsnitt(form.Memo1->font());
    EXPECT_TRUE(typsnitt.fixedPitch());
    EXPECT_TRUE(typsnitt.family() == "Courier New" || typsnitt.family() == "Liberation Mono") << typsnitt.family().toStdString();
    EXPECT_EQ(typsnitt.pointSize(), 10);
    form.VisaUtskrift({"gammal"});
    form.VisaUtskrift({"", "Rubrik", ""});
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Rader(), (QStringList{"", "Rubrik", ""}));
    form.LaggTillRad(QStringLiteral("sist"));
    EXPECT_EQ(form.Memo1->toPlainText(), "\nRubrik\n\nsist");
    form.FormUtClose->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.Rader().size(), 4);  // closing keeps the text
    form.TomText();
    EXPECT_TRUE(form.Rader().isEmpty());
}

TEST_F(FormUtTest, TillSkrivareSkriverTextenMedAnvandarensAndringar) {
    form.VisaUtskrift({"a", "b"});
    // The user adds a page of their own.
    form.Memo1->appendPlainText(Sidmatning);
    form.Memo1->appendPlainText(QStringLiteral("c"));
    dialoger.Svara(Svar::Ja);
    dialoger.Svara(Svar::Ja);
    form.UtskriftButton->click();
    EXPECT_EQ(dialoger.Visat, (QStringList{"Skrivare", "Typsnitt"}));
    EXPECT_EQ(Sidor(), 2);
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
}

TEST_F(FormUtTest, AvbrytISkrivarEllerTypsnittsdialogenSkriverIngenting) {
    form.VisaUtskrift({"a"});
    dialoger.Svara(Svar::Avbryt);
    form.UtskriftButton->click();
    dialoger.Svara(Svar::Ja);
    dialoger.Svara(Svar::Avbryt);
    form.UtskriftButton->click();
    EXPECT_EQ(dialoger.Visat, (QStringList{"Skrivare", "Skrivare", "Typsnitt"}));
    EXPECT_EQ(Sidor(), 0);
}

TEST_F(FormUtTest, TomTextSkickarEttJobbUtanRader) {
    form.TomText();
    dialoger.Svara(Svar::Ja);
    dialoger.Svara(Svar::Ja);
    form.UtskriftButton->click();
    EXPECT_EQ(Sidor(), 1);
}

}  // namespace
