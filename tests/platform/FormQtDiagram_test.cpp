#include "platform/QtDiagram.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace matvarda;

namespace {

QStringList Etiketter(int fran, int till) {
    QStringList etiketter;
    for (int k = fran; k < till; ++k) etiketter << QStringLiteral("N%1").arg(k);
    return etiketter;
}

// Seventeen categories in series 0 (two colours) and 2; series 1 stays empty.
class QtDiagramStaplar : public ::testing::Test {
protected:
    QtDiagramStaplar() {
        diagram.resize(300, 230);
        diagram.show();
        for (int k = 0; k < 17; ++k) {
            const QString etikett = QStringLiteral("N%1").arg(k);
            diagram.LaggTill(0, k, etikett, k % 2 ? Farg::Rod : Farg::Bla);
            diagram.LaggTill(2, 2 * k, etikett, Farg::Gron);
        }
    }
    QtDiagram diagram{Diagramslag::Staplar, 3};
};

TEST_F(QtDiagramStaplar, SidorMedSammaSkalaPaSistaSidanOchStoppVidKanterna) {
    diagram.SattPunkterPerSida(7);
    diagram.ForegaendeSida();
    diagram.Uppdatera();
    EXPECT_EQ(diagram.AntalSidor(), 3);
    EXPECT_EQ(diagram.Sida(), 0);
    EXPECT_EQ(diagram.VisadeKategorier(), Etiketter(0, 7));
    EXPECT_EQ(diagram.VisadeVarden(0), QList<double>({0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(diagram.VisadeVarden(1).isEmpty());

    for (int i = 0; i < 4; ++i) diagram.NastaSida();
    diagram.Uppdatera();
    EXPECT_EQ(diagram.Sida(), 2);
    EXPECT_EQ(diagram.VisadeKategorier(), Etiketter(14, 17) + QStringList(4, QString()));
    EXPECT_EQ(diagram.VisadeVarden(0), QList<double>({14, 15, 16, 0, 0, 0, 0}));
    EXPECT_EQ(diagram.VisadeVarden(2), QList<double>({28, 30, 32, 0, 0, 0, 0}));

    diagram.SattPunkterPerSida(0);
    diagram.Uppdatera();
    EXPECT_EQ(diagram.Sida(), 0);
    EXPECT_EQ(diagram.VisadeKategorier(), Etiketter(0, 17));
}

TEST_F(QtDiagramStaplar, RensadOchOmfylldSerieVisarDeNyaPunkterna) {
    diagram.Rensa(0);
    diagram.Rensa(2);
    diagram.LaggTill(2, 50, QStringLiteral("Järn mg"), Farg::Gron);
    diagram.LaggTill(2, 50, QStringLiteral("Järn mg"), Farg::Gron);
    diagram.Uppdatera();
    EXPECT_TRUE(diagram.Serie(0).isEmpty());
    EXPECT_EQ(diagram.Serie(2).size(), 2);
    // Equal labels still make two categories.
    EXPECT_EQ(diagram.VisadeKategorier(), QStringList({"Järn mg", "Järn mg"}));
    EXPECT_TRUE(diagram.VisadeVarden(0).isEmpty());
    EXPECT_EQ(diagram.VisadeVarden(2), QList<double>({50, 50}));
}

// Without a set axis the bars decide it: the longest stack of all pages,
// rounded up, so that every page has the same scale.
TEST(QtDiagramVardeaxel, UtanFastAxelFoljerDenLangstaStapeln) {
    QtDiagram diagram(Diagramslag::Staplar, 2);
    diagram.resize(300, 230);
    diagram.show();
    diagram.LaggTill(0, 30, QStringLiteral("A"), Farg::Bla);
    diagram.LaggTill(1, 9.1, QStringLiteral("A"), Farg::Rod);
    diagram.LaggTill(0, 12, QStringLiteral("B"), Farg::Bla);
    diagram.SattPunkterPerSida(1);
    diagram.NastaSida();
    diagram.Uppdatera();
    const auto [min, max] = diagram.Vardeaxel();
    EXPECT_EQ(min, 0);
    EXPECT_GE(max, 39.1);
    EXPECT_LE(max, 50);

    diagram.RensaAlla();
    diagram.Uppdatera();
    EXPECT_GT(diagram.Vardeaxel().second, 0);
    diagram.SattVardeaxel(0, 200);
    diagram.LaggTill(0, 500, QStringLiteral("C"), Farg::Bla);
    diagram.Uppdatera();
    EXPECT_EQ(diagram.Vardeaxel(), (std::pair<double, double>(0, 200)));
}

TEST(QtDiagramCirkel, MarkenVisarEtikettOchAvrundadProcent) {
    QtDiagram cirkel(Diagramslag::Cirkel, 1);
    cirkel.show();
    cirkel.LaggTill(0, 15, QStringLiteral("Prot"), Farg::Rod);
    cirkel.LaggTill(0, 30, QStringLiteral("Fett"), Farg::Bla);
    cirkel.LaggTill(0, 55.5, QStringLiteral("Kolh"), Farg::Gron);
    cirkel.Uppdatera();
    EXPECT_EQ(cirkel.Skivetiketter(), QStringList({"Prot 15%", "Fett 30%", "Kolh 55%"}));

    cirkel.Rensa(0);
    cirkel.LaggTill(0, 1, QStringLiteral("A"), Farg::Gul);
    cirkel.LaggTill(0, 2, QStringLiteral("B"), Farg::Automatisk);
    cirkel.SattProcentformat(QStringLiteral(" %"));
    cirkel.Uppdatera();
    EXPECT_EQ(cirkel.Skivetiketter(), QStringList({"A 33 %", "B 67 %"}));
}

TEST(QtDiagramRita, EttAldrigVisatDiagramRitasIsinStorlekMedRitningenOvanpa) {
    QtDiagram diagram(Diagramslag::Staplar, 1);
    diagram.resize(300, 200);
    diagram.SattVardeaxel(0, 200);
    diagram.LaggTill(0, 100, QStringLiteral("Protein g"), Farg::Bla);
    int anrop = 0;
    QRectF rityta;
    diagram.EfterRitning = [&](QPainter&, const QRectF& yta) {
        ++anrop;
        rityta = yta;
    };
    QImage bild(600, 400, QImage::Format_ARGB32);
    QPainter malare(&bild);
    diagram.Rita(malare, QRectF(0, 0, 600, 400));
    EXPECT_EQ(anrop, 1);
    EXPECT_TRUE(QRectF(0, 0, 300, 200).contains(rityta)) << rityta.width() << "x" << rityta.height();
    EXPECT_GT(rityta.width(), 150);
    EXPECT_GT(rityta.height(), 100);
}

}  // namespace
