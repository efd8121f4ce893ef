#include "matvarda/Rapportkommando.h"

#include "files/Sparadberakning.h"
#include "platform/SkriptadeDialoger.h"
#include "platform/Textfil.h"
#include "stod/Arbetsmapp.h"

#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <gtest/gtest.h>
#include <memory>

using namespace matvarda;
using namespace matvarda::test;

namespace {

QString Pdftext(const QString& fil) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), fil, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The test working folder with calculations saved in it by the program's
// own save: milk for breakfast on day 1, cheese for lunch on day 2.
class RapportkommandoTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto t = std::make_unique<TTillstand>();
        Lagg(*t, 0, 0, "4001", 200, 200, "glas");
        Lagg(*t, 1, 1, "4002", 30, 10, "skiva");
        t->Behov.Normtext = "Testnorm";
        t->Behov.Dagsbehov[0] = 1000;
        SkriptadeDialoger dialoger;
        ASSERT_TRUE(SkrivBerakning(*t, dialoger, mapp.Fil("vecka.dbok"), "2024-03-18"));
        ASSERT_TRUE(SkrivBerakning(*t, dialoger, mapp.Fil("annan.dbok"), "2024-03-18"));
    }

    static void Lagg(TTillstand& t, int dag, int maltid, const QString& kod, float gram, float portion,
                     const QString& enhet) {
        TMaltidsrad& rad = t.Dagbok.Berakning[dag][maltid][1];
        rad.Kod = kod;
        rad.Gram = gram;
        rad.Portion = portion;
        rad.Enhet = enhet;
    }

    int Kor(const QString& argument) {
        ut.clear();
        fel.clear();
        QTextStream utstrom(&ut);
        QTextStream felstrom(&fel);
        return KorRapport(argument.split(' ', Qt::SkipEmptyParts), mapp.Sokvag(), utstrom, felstrom);
    }

    TProvmapp mapp;
    QString ut;
    QString fel;
};

TEST_F(RapportkommandoTest, EnBerakningTillTextfil) {
    const QString vecka = mapp.Fil("vecka.dbok");
    const QString txt = mapp.Fil("vecka.txt");
    ASSERT_EQ(Kor(vecka + " -o " + txt), 0) << fel.toStdString();
    EXPECT_EQ(ut, vecka + " -> " + txt + "\n");
    EXPECT_EQ(fel, "");
    const auto rader = LasTextrader(txt);
    ASSERT_TRUE(rader.has_value());
    EXPECT_EQ(rader->mid(0, 5), QStringList({"Dag 1 Frukost  ",
                                             QString("Livsmedel").leftJustified(50) + " EnergiProtein   FettKolhydrater",
                                             "", QString("Mjölk").leftJustified(50) + "    500    6.8    3.0    0.0",
                                             QString("1.00 glas = 200 gram").leftJustified(50)}));
    // 500 kJ of a quarter of 1000 kJ, past the scale's end, and of the
    // day; the percent and the recommendation under the scale line's columns.
    EXPECT_TRUE(rader->contains(QString("Energi 500 kJ ").leftJustified(70) + QString("-> 200%").leftJustified(12) + "250"));
    EXPECT_TRUE(rader->contains(QString("Energi 500 kJ ").leftJustified(70) + QString("   50%").leftJustified(12) + "1000"));
    EXPECT_TRUE(rader->contains("Testnorm    Frukost  "));
    EXPECT_EQ(rader->count(QString(QChar(12))), 4);  // five sections
    const qsizetype sammanstallning = rader->indexOf("Sammanställning");
    ASSERT_GT(sammanstallning, 0);
    EXPECT_EQ(rader->at(sammanstallning - 1), QString(QChar(12)));
    EXPECT_TRUE(rader->last().startsWith("Energifördelning: Protein "));
}

// A calculation that cannot be read is named; the others are still written.
TEST_F(RapportkommandoTest, FleraTillMappMedEnSomSaknas) {
    const QString utmapp = mapp.Fil("rapporter");
    const QString saknas = mapp.Fil("saknas.dbok");
    EXPECT_EQ(Kor(mapp.Fil("vecka.dbok") + " " + saknas + " " + mapp.Fil("annan.dbok") + " -o " + utmapp), 1);
    EXPECT_EQ(fel, "Kan ej läsa beräkningen " + saknas + ".\n");
    EXPECT_EQ(ut.count(" -> "), 2);
    const QString pdf = utmapp + "/vecka.pdf";
    ASSERT_TRUE(QFile::exists(pdf));
    ASSERT_TRUE(QFile::exists(utmapp + "/annan.pdf"));
    const QString text = Pdftext(pdf);
    EXPECT_TRUE(text.contains("Dag 1 Frukost"));
    EXPECT_TRUE(text.contains("Mjölk"));
    EXPECT_TRUE(text.contains("Energifördelning, VERKLIG"));

    ASSERT_EQ(Kor("--utan-cirklar --rubrik Vecka " + mapp.Fil("vecka.dbok") + " -o " + pdf), 0);
    const QString utan = Pdftext(pdf);
    EXPECT_FALSE(utan.contains("Energifördelning, VERKLIG"));
    EXPECT_TRUE(utan.contains("Vecka"));
}

TEST_F(RapportkommandoTest, ValenGerRapportensOmfattning) {
    const QString txt = mapp.Fil("lunch.txt");
    ASSERT_EQ(Kor("--omfattning maltid --dag 2 --maltid lunch --detalj 1 --utan-staplar " + mapp.Fil("vecka.dbok") +
                  " -o " + txt),
              0);
    const auto rader = LasTextrader(txt);
    ASSERT_TRUE(rader.has_value());
    EXPECT_EQ(rader->first(), "Dag 2 Lunch    ");
    EXPECT_EQ(rader->at(1), "Livsmedel                                          Antal  Sort     Gram");
    EXPECT_EQ(rader->at(3), QString("Ost").leftJustified(50) + " 3.00  skiva        30");
    EXPECT_FALSE(rader->contains(QString(QChar(12))));
    EXPECT_FALSE(rader->contains(QString(
        "                                50%           100%          150%       %av rek.     Rek.")));
}

TEST_F(RapportkommandoTest, FelIArgumentOchArbetsmappGerStatus2) {
    EXPECT_EQ(Kor("--dag 9 v.dbok -o ut.pdf"), 2);
    EXPECT_EQ(fel, "Ogiltigt värde för --dag: 9\nSe matvarda rapport --help.\n");
    EXPECT_EQ(Kor(mapp.Fil("vecka.dbok") + " -o " + mapp.Fil("vecka.doc")), 2);
    EXPECT_EQ(fel, "Okänd filtyp för " + mapp.Fil("vecka.doc") + ": ange .pdf, .rtf, .xlsx, .html eller .txt.\n");
    EXPECT_FALSE(QFile::exists(mapp.Fil("vecka.doc")));
    EXPECT_EQ(Kor("--help"), 0);
    EXPECT_TRUE(ut.startsWith("Användning: matvarda rapport"));

    ASSERT_TRUE(QFile::remove(mapp.Fil("nvnamn.txt")));
    EXPECT_EQ(Kor(mapp.Fil("vecka.dbok") + " -o " + mapp.Fil("vecka.pdf")), 2);
    EXPECT_TRUE(fel.contains("nvnamn.txt")) << fel.toStdString();
    EXPECT_FALSE(QFile::exists(mapp.Fil("vecka.pdf")));
}

}  // namespace

// Each type by its extension, and by --typ into a folder.
TEST_F(RapportkommandoTest, VarjeFiltypSkrivs) {
    const QList<std::pair<QString, QByteArray>> typer{
        {"pdf", "%PDF"}, {"rtf", "{\\rtf1"}, {"xlsx", "PK"}, {"html", "<!DOCTYPE html>"}, {"txt", "Dag 1"}};
    for (const auto& [andelse, borjan] : typer) {
        const QString fil = mapp.Fil("vecka." + andelse);
        ASSERT_EQ(Kor("--rubrik Vecka " + mapp.Fil("vecka.dbok") + " -o " + fil), 0) << fel.toStdString();
        const auto innehall = LasFil(fil);
        ASSERT_TRUE(innehall.has_value()) << andelse.toStdString();
        EXPECT_TRUE(innehall->startsWith(borjan)) << andelse.toStdString();
        EXPECT_FALSE(QDir(mapp.Sokvag()).entryList({"vecka." + andelse + ".*"}, QDir::Files | QDir::Hidden).size())
            << "en tillfällig fil blev kvar";
    }
    ASSERT_EQ(Kor("--typ xlsx " + mapp.Fil("vecka.dbok") + " " + mapp.Fil("annan.dbok") + " -o " + mapp.Fil("ut")), 0);
    EXPECT_TRUE(QFile::exists(mapp.Fil("ut/vecka.xlsx")));
    EXPECT_TRUE(QFile::exists(mapp.Fil("ut/annan.xlsx")));
}
