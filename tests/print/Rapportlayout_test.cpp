#include "print/Rapportlayout.h"

#include "stod/Fixtur.h"

#include <gtest/gtest.h>

using namespace matvarda;

namespace {

constexpr double V = Vanstermarginal;
constexpr double Topp = Ovrigmarginal;

// A report of the given sections, `rader` lines each, with a pie entry for
// the sections named in `cirklar`.
TRapport Rapport(const QList<std::pair<QString, QStringList>>& avsnitt,
                 const QList<TCirkelpost>& cirklar = {}) {
    TRapport r;
    r.Rapportbuffert.append(TRapportrad{"del1", "del2"});
    for (const auto& [rubrik, rader] : avsnitt)
        for (const QString& rad : rader) r.Rapportbuffert.append(TRapportrad{rad, rubrik});
    r.ForstaRubrik = avsnitt.isEmpty() ? QString() : avsnitt.first().first;
    r.Cirkelposter = cirklar;
    return r;
}

QStringList Rader(int antal) {
    QStringList rader;
    for (int i = 1; i <= antal; ++i) rader << QStringLiteral("rad %1").arg(i);
    return rader;
}

const TTextpost* Text(const TRapportsida& sida, const QString& text) {
    for (const TTextpost& post : sida.Texter)
        if (post.Text == text) return &post;
    return nullptr;
}

TEST(RapportlayoutTest, HuvudetsRubrikUtskriftsrubrikOchDatum) {
    TLayoutval val;
    val.Rubrik = "Vecka 12";
    val.Datum = "2024-03-18";
    const TRapportlayout l = LayoutaRapport(Rapport({{"Dag 1", {"hej"}}}), val);
    ASSERT_EQ(l.Sidor.size(), 1);
    const TRapportsida& s = l.Sidor[0];
    const TTextpost* rubrik = Text(s, "Dag 1");
    ASSERT_TRUE(rubrik);
    EXPECT_EQ(rubrik->Typsnitt, Rapporttypsnitt::Rubrik);
    EXPECT_EQ(rubrik->Ruta.topLeft(), QPointF(V + 9, Topp + 34));
    const TTextpost* utskrift = Text(s, "Vecka 12");
    ASSERT_TRUE(utskrift);
    EXPECT_DOUBLE_EQ(utskrift->Ruta.right(), V + 579);  // right-aligned
    EXPECT_DOUBLE_EQ(utskrift->Ruta.width(), 8 * 7.2);
    EXPECT_EQ(Text(s, "2024-03-18")->Ruta.topLeft(), QPointF(V + 606, Topp + 9));
    // Row 0 is the first band, empty; the first line stands in the second.
    EXPECT_FALSE(Text(s, "del1"));
    EXPECT_EQ(Text(s, "hej")->Ruta.topLeft(), QPointF(V + 8, Topp + 71 + 15));
    EXPECT_EQ(l.Innehall.size(), 1);
}

// 66 bands fit under the header of an A4 page, 71 on a page without it.
TEST(RapportlayoutTest, SidbrytningPerAvsnittOchNarSidanArFull) {
    QStringList forsta = Rader(65);  // with row 0, 66 bands: one page
    const TRapportlayout l = LayoutaRapport(Rapport({{"Dag 1 Frukost  ", forsta}, {"Dag 1", Rader(66 + 71 + 1)}}), {});
    ASSERT_EQ(l.Sidor.size(), 4);
    EXPECT_EQ(l.Sidor[0].Avsnitt, 0);
    EXPECT_EQ(l.Sidor[1].Avsnitt, 1);
    EXPECT_EQ(l.Sidor[3].Avsnitt, 1);
    EXPECT_TRUE(Text(l.Sidor[1], "Dag 1"));
    EXPECT_TRUE(Text(l.Sidor[1], "rad 66"));
    EXPECT_FALSE(Text(l.Sidor[2], "Dag 1"));  // the header is not repeated
    EXPECT_EQ(Text(l.Sidor[2], "rad 67")->Ruta.top(), Topp);
    EXPECT_TRUE(Text(l.Sidor[2], "rad 137"));
    EXPECT_EQ(Text(l.Sidor[3], "rad 138")->Ruta.top(), Topp);
    ASSERT_EQ(l.Innehall.size(), 2);
    EXPECT_EQ(l.Innehall[1].Rubrik, "Dag 1");
    EXPECT_EQ(l.Innehall[1].Sida, 1);
}

TEST(RapportlayoutTest, Stapelraden) {
    struct Fall {
        QString rad;
        QString procent;
        double bredd;  // 0: no bar
    };
    const Fall fall[]{
        {"!Fett 80.0 g ?185&70@", "   185%", 370},
        {"!Fett 80.0 g ?186&70@", "-> 186%", 370},
        {"!Fett 80.0 g ?50&70@", "   50%", 100},
        {"!Fett 80.0 g ? & @", "       -", 0},
    };
    for (const Fall& f : fall) {
        const TRapportlayout l = LayoutaRapport(Rapport({{"Dag 1", {f.rad}}}), {});
        const TRapportsida& s = l.Sidor[0];
        const double y = Topp + 71 + 15;
        ASSERT_TRUE(Text(s, "Fett 80.0 g "));
        EXPECT_EQ(Text(s, "Fett 80.0 g ")->Ruta.topLeft(), QPointF(V + 8, y));
        ASSERT_TRUE(Text(s, f.procent)) << f.rad.toStdString();
        EXPECT_EQ(Text(s, f.procent)->Ruta.topLeft(), QPointF(V + 510, y));
        EXPECT_FALSE(Text(s, f.rad));
        QList<QRectF> bla;
        QList<QRectF> svarta;
        for (const TRutpost& r : s.Rutor) (r.Farg == Rapportfarg::Bla ? bla : svarta).append(r.Ruta);
        if (f.bredd > 0) {
            ASSERT_EQ(bla.size(), 1);
            EXPECT_EQ(bla[0], QRectF(V + 140, y + 5, f.bredd, 6));
        } else {
            EXPECT_TRUE(bla.isEmpty());
        }
        ASSERT_EQ(svarta.size(), 3);
        EXPECT_EQ(svarta[0].topLeft(), QPointF(V + 240, y));
        EXPECT_EQ(svarta[1].topLeft(), QPointF(V + 340, y));
        EXPECT_EQ(svarta[2].topLeft(), QPointF(V + 440, y));
        EXPECT_EQ(svarta[0].height(), 16);
        EXPECT_EQ(svarta[1].height(), 18);
        EXPECT_EQ(svarta[2].height(), 15);
        EXPECT_NEAR(svarta[0].width(), 1.51, 0.01);
    }
    const TRapportlayout l = LayoutaRapport(Rapport({{"Dag 1", {"!Fett 80.0 g ?50&70@"}}}), {});
    EXPECT_EQ(Text(l.Sidor[0], "70")->Ruta.x(), V + 600);
}

TEST(RapportlayoutTest, CirklarnaVidAvsnittensSlut) {
    TLayoutval val;
    val.Cirkeldiagram = true;
    val.Idealfordelning.Protein = 20;
    val.Idealfordelning.Fett = 25;
    val.Idealfordelning.Kolhydrat = 55;
    // "Dag 1" has no totals; "Dag 2" fills its first page up to where the
    // footer no longer fits.
    const TRapportlayout l =
        LayoutaRapport(Rapport({{"Dag 1", Rader(3)}, {"Dag 2", Rader(60)}, {"Dag 3", Rader(1)}},
                               {{"Dag 2", {15, 30, 55, 0.5f}}, {"Dag 3", {10, 20, 40, 30}}}),
                       val);
    ASSERT_EQ(l.Sidor.size(), 4);
    const TRapportsida& forsta = l.Sidor[0];
    ASSERT_EQ(forsta.Cirklar.size(), 2);
    const double fot = Topp + 71 + 4 * 15;
    EXPECT_EQ(forsta.Cirklar[0].Ruta, QRectF(V + 4, fot + 20, 293, 171));
    EXPECT_EQ(forsta.Cirklar[1].Ruta, QRectF(V + 334, fot + 20, 293, 171));
    EXPECT_EQ(forsta.Cirklar[0].Titel, "Energifördelning, VERKLIG");
    EXPECT_EQ(forsta.Cirklar[1].Titel, "Energifördelning, IDEAL");
    EXPECT_TRUE(forsta.Cirklar[0].Bitar.isEmpty());
    ASSERT_EQ(forsta.Cirklar[1].Bitar.size(), 3);
    EXPECT_EQ(forsta.Cirklar[1].Bitar[0].Markering, "Prot 20 %");
    EXPECT_EQ(forsta.Cirklar[1].Bitar[2].Markering, "Kolh 55 %");

    // The footer that does not fit under 60 lines goes to the next page.
    EXPECT_TRUE(l.Sidor[1].Cirklar.isEmpty());
    ASSERT_EQ(l.Sidor[2].Cirklar.size(), 2);
    EXPECT_EQ(l.Sidor[2].Avsnitt, 1);
    EXPECT_EQ(l.Sidor[2].Cirklar[0].Ruta.top(), Topp + 20);
    const auto& dag2 = l.Sidor[2].Cirklar[0].Bitar;
    ASSERT_EQ(dag2.size(), 3);  // half a percent of alcohol gets no slice
    EXPECT_EQ(dag2[0].Etikett, "Prot");
    EXPECT_EQ(dag2[0].Farg, Rapportfarg::Gron);
    EXPECT_EQ(dag2[1].Farg, Rapportfarg::Rod);
    EXPECT_EQ(dag2[2].Farg, Rapportfarg::Bla);
    EXPECT_EQ(dag2[1].Markering, "Fett 30 %");

    const auto& dag3 = l.Sidor[3].Cirklar[0].Bitar;
    ASSERT_EQ(dag3.size(), 4);
    EXPECT_EQ(dag3[3].Farg, Rapportfarg::Gul);
    EXPECT_EQ(dag3[3].Markering, "Alko 30 %");
}

TEST(RapportlayoutTest, LiteEnergiGerTomCirkel) {
    TLayoutval val;
    val.Cirkeldiagram = true;
    const TRapportlayout l = LayoutaRapport(Rapport({{"Dag 1", {"a"}}, {"Dag 2", {"b"}}},
                                                    {{"Dag 1", {5, 5, 0, 0}}, {"Dag 2", {5, 5, 0.5f, 0}}}),
                                            val);
    EXPECT_TRUE(l.Sidor[0].Cirklar[0].Bitar.isEmpty());  // 10 is not above 10
    EXPECT_EQ(l.Sidor[1].Cirklar[0].Bitar.size(), 3);
    EXPECT_EQ(l.Sidor[1].Cirklar[0].Bitar[0].Markering, "Prot 48 %");
}

TEST(RapportlayoutTest, SokningFinnerVarjeForekomstMedSinRuta) {
    const TRapportlayout l =
        LayoutaRapport(Rapport({{"Dag 1", {"Mjölk mjölk", "!Mjölk 5 g ?1&2@"}}, {"Dag 2", {"Ost"}}}), {});
    const QList<TTraff> traffar = SokIRapport(l, "MJÖLK");
    ASSERT_EQ(traffar.size(), 3);
    const double y = Topp + 71 + 15;
    EXPECT_EQ(traffar[0].Ruta.topLeft(), QPointF(V + 8, y));
    EXPECT_EQ(traffar[1].Ruta.topLeft(), QPointF(V + 8 + 6 * 7.2, y));
    EXPECT_DOUBLE_EQ(traffar[1].Ruta.width(), 5 * 7.2);
    EXPECT_EQ(traffar[2].Ruta.top(), y + 15);
    EXPECT_EQ(SokIRapport(l, "Dag 2").size(), 1);
    EXPECT_EQ(SokIRapport(l, "Dag 2")[0].Sida, 1);
    EXPECT_TRUE(SokIRapport(l, "").isEmpty());
}

}  // namespace
