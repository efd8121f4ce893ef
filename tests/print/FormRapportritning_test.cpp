#include "print/Rapportritning.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;

namespace {

TRapport Rapport(const QString& rubrik, const QStringList& rader) {
    TRapport r;
    r.Rapportbuffert.append(TRapportrad{"del1", "del2"});
    for (const QString& rad : rader) r.Rapportbuffert.append(TRapportrad{rad, rubrik});
    r.ForstaRubrik = rubrik;
    r.Cirkelposter.append({rubrik, {20, 30, 50, 0}});
    return r;
}

QString Kor(const QString& program, const QStringList& argument) {
    QProcess p;
    p.start(program, argument);
    if (!p.waitForFinished(20000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool Bla(QRgb farg) { return qBlue(farg) > 200 && qRed(farg) < 60 && qGreen(farg) < 60; }
bool Mork(QRgb farg) { return qGray(farg) < 100; }

// The bar of 186 % ends at the scale's end, 370 pixels from its start; the
// 100 % mark stands across the band.
TEST(RapportritningTest, StaplarOchStreckDarLayoutenSatteDem) {
    const TRapportlayout l = LayoutaRapport(Rapport("Dag 1", {"!Fett 80.0 g ?186&70@"}), {});
    const double skala = 2;
    const QImage bild = Sidbild(l.Sidor[0], skala);
    EXPECT_EQ(bild.width(), qCeil(Sidbredd * skala));
    const double y = Ovrigmarginal + 71 + 15;
    const auto punkt = [&](double x, double yy) { return bild.pixel(qFloor(x * skala), qFloor(yy * skala)); };
    EXPECT_TRUE(Bla(punkt(Vanstermarginal + 141, y + 8)));
    EXPECT_TRUE(Bla(punkt(Vanstermarginal + 509, y + 8)));
    EXPECT_FALSE(Bla(punkt(Vanstermarginal + 511, y + 8)));
    EXPECT_FALSE(Bla(punkt(Vanstermarginal + 141, y + 2)));
    EXPECT_TRUE(Mork(punkt(Vanstermarginal + 340.7, y + 1)));
    EXPECT_TRUE(Mork(punkt(Vanstermarginal + 340.7, y + 17)));
    EXPECT_FALSE(Mork(punkt(Vanstermarginal + 345, y + 17)));
}

// A PDF keeps the text as text in the embedded fixed-pitch font, each
// section on its own page.
TEST(RapportritningTest, PdfMedTextOchInbaddatTypsnitt) {
    TRapport r = Rapport("Dag 1", {"Energifördelning: Protein  20%", "!Fett 80.0 g ?50&70@"});
    r.Rapportbuffert.append(TRapportrad{"Medelvärde", "Sammanställning"});
    TLayoutval val;
    val.Cirkeldiagram = true;
    val.Rubrik = "Vecka 12";
    QTemporaryDir mapp;
    const QString fil = mapp.filePath("rapport.pdf");
    ASSERT_TRUE(SkrivRapportPdf(LayoutaRapport(r, val), fil));
    // Read back, runs of spaces come out as one.
    const QStringList sidor = Kor("pdftotext", {"-raw", fil, "-"}).split(QChar(12));
    ASSERT_GE(sidor.size(), 2);
    EXPECT_TRUE(sidor[0].contains("Dag 1"));
    EXPECT_TRUE(sidor[0].contains("Vecka 12"));
    EXPECT_TRUE(sidor[0].contains("Energifördelning: Protein 20%"));
    EXPECT_FALSE(sidor[0].contains("del1"));  // row 0 is an empty band
    EXPECT_TRUE(sidor[0].contains("Energifördelning, VERKLIG"));
    EXPECT_TRUE(sidor[0].contains("Prot 20 %"));
    EXPECT_TRUE(sidor[0].contains("Fett 80.0 g 50% 70"));
    EXPECT_FALSE(sidor[0].contains("Medelvärde"));
    EXPECT_TRUE(sidor[1].contains("Sammanställning"));
    EXPECT_TRUE(sidor[1].contains("Medelvärde"));
    const QString typsnitt = Kor("pdffonts", {fil});
    EXPECT_TRUE(typsnitt.contains(QRegularExpression("(Courier|LiberationMono) +CID TrueType +Identity-H +yes")))
        << typsnitt.toStdString();
    EXPECT_TRUE(Kor("pdfinfo", {fil}).contains(QRegularExpression("Page size: +595 x 842 pts \\(A4\\)")));
}

TEST(RapportritningTest, PdfSomInteKanSkrivasLamnarInget) {
    QTemporaryDir mapp;
    const QString fil = mapp.filePath("saknas/rapport.pdf");
    EXPECT_FALSE(SkrivRapportPdf(LayoutaRapport(Rapport("Dag 1", {"a"}), {}), fil));
    EXPECT_FALSE(QFile::exists(fil));
}

}  // namespace
