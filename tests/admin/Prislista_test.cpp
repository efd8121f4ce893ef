#include "admin/Prislista.h"

#include "admin/Livsmedelstabell.h"
#include "stod/Arbetsmapp.h"

#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

constexpr double V = Vanstermarginal;
constexpr double Forsta = Ovrigmarginal + 40;  // the first line, under the title band
constexpr double Hoger = V + 376;              // the right column's left edge

const TTextpost* Text(const TRapportsida& sida, const QString& text) {
    for (const TTextpost& post : sida.Texter)
        if (post.Text == text) return &post;
    return nullptr;
}

QList<TPrispost> Poster(int antal) {
    QList<TPrispost> poster;
    for (int i = 1; i <= antal; ++i) poster.append({QStringLiteral("Livsmedel %1").arg(i), QString::number(i)});
    return poster;
}

TEST(PrislistaTest, RubrikDatumOchRaderMedPrisetHogerstallt) {
    const TRapportlayout l = LayoutaPrislista({{"Gurka", "25"}, {"Mjölk", " 12,50 "}, {"Kålrot", ""}}, "2024-03-18");
    ASSERT_EQ(l.Sidor.size(), 1);
    const TRapportsida& s = l.Sidor[0];
    const TTextpost* titel = Text(s, "Pris per kg");
    ASSERT_TRUE(titel);
    EXPECT_EQ(titel->Typsnitt, Rapporttypsnitt::Titel);
    EXPECT_DOUBLE_EQ(Typsnittsstorlek(Rapporttypsnitt::Titel), 14 * 96 / 72.0);
    EXPECT_EQ(titel->Ruta.topLeft(), QPointF(V + 8, Ovrigmarginal + 9));
    const TTextpost* datum = Text(s, "2024-03-18");
    ASSERT_TRUE(datum);
    EXPECT_GT(datum->Ruta.left(), titel->Ruta.right());
    EXPECT_EQ(datum->Ruta.top(), Ovrigmarginal + 14);

    EXPECT_EQ(Text(s, "Gurka")->Ruta.topLeft(), QPointF(V + 8, Forsta));
    EXPECT_EQ(Text(s, "25")->Ruta.top(), Forsta);
    EXPECT_DOUBLE_EQ(Text(s, "25")->Ruta.right(), V + 345);
    // The price as stored, without the spaces around it.
    EXPECT_EQ(Text(s, "Mjölk")->Ruta.top(), Forsta + 15);
    ASSERT_TRUE(Text(s, "12,50"));
    EXPECT_DOUBLE_EQ(Text(s, "12,50")->Ruta.right(), V + 345);
    EXPECT_DOUBLE_EQ(Text(s, "12,50")->Ruta.width(), 5 * 7.2);
    // A food without a price keeps its line, the price left empty.
    EXPECT_EQ(Text(s, "Kålrot")->Ruta.top(), Forsta + 30);
    EXPECT_EQ(s.Texter.size(), 2 + 3 + 2);

    EXPECT_EQ(l.Namn, "prislista");
    ASSERT_EQ(l.Innehall.size(), 1);
    EXPECT_EQ(l.Innehall[0].Rubrik, "Pris per kg");
}

// 68 lines down the left column, 68 down the right one, then a new page
// under its own title; no line reaches into the bottom margin.
TEST(PrislistaTest, TvaKolumnerOchSidbrytning) {
    ASSERT_EQ(PrisraderPerKolumn, 68);
    const TRapportlayout full = LayoutaPrislista(Poster(136), "d");
    ASSERT_EQ(full.Sidor.size(), 1);
    const TRapportsida& s = full.Sidor[0];
    EXPECT_EQ(Text(s, "Livsmedel 68")->Ruta.topLeft(), QPointF(V + 8, Forsta + 67 * 15));
    EXPECT_LE(Text(s, "Livsmedel 68")->Ruta.top() + 15, Sidhojd - Ovrigmarginal);
    EXPECT_EQ(Text(s, "Livsmedel 69")->Ruta.topLeft(), QPointF(Hoger + 8, Forsta));
    EXPECT_DOUBLE_EQ(Text(s, "69")->Ruta.right(), Hoger + 345);
    EXPECT_LE(Text(s, "69")->Ruta.right(), Sidbredd - Ovrigmarginal);
    EXPECT_EQ(Text(s, "Livsmedel 136")->Ruta.topLeft(), QPointF(Hoger + 8, Forsta + 67 * 15));

    const TRapportlayout enTill = LayoutaPrislista(Poster(137), "d");
    ASSERT_EQ(enTill.Sidor.size(), 2);
    const TRapportsida& andra = enTill.Sidor[1];
    EXPECT_TRUE(Text(andra, "Pris per kg"));
    EXPECT_TRUE(Text(andra, "d"));
    EXPECT_EQ(Text(andra, "Livsmedel 137")->Ruta.topLeft(), QPointF(V + 8, Forsta));
    EXPECT_EQ(andra.Texter.size(), 2 + 2);
    EXPECT_FALSE(Text(enTill.Sidor[0], "Livsmedel 137"));
}

// The name breaks between words where the price leaves room; a food's
// lines stay together in one column.
TEST(PrislistaTest, LangaNamnBrytsOchHallsIhop) {
    const QString lang = "Matfettsblandning havssaltat fett 80% berikad typ Bregott";
    QList<TPrispost> poster = Poster(67);
    poster.append({lang, "70"});
    poster.append({QString(90, u'Ö'), ""});
    const TRapportlayout l = LayoutaPrislista(poster, "d");
    ASSERT_EQ(l.Sidor.size(), 1);
    const TRapportsida& s = l.Sidor[0];
    // 46 characters a line, less the price and a space: 43.
    ASSERT_TRUE(Text(s, "Matfettsblandning havssaltat fett 80%"));
    EXPECT_EQ(Text(s, "Matfettsblandning havssaltat fett 80%")->Ruta.topLeft(), QPointF(Hoger + 8, Forsta));
    EXPECT_EQ(Text(s, "70")->Ruta.top(), Forsta);
    EXPECT_EQ(Text(s, "berikad typ Bregott")->Ruta.topLeft(), QPointF(Hoger + 8 + 2 * 7.2, Forsta + 15));
    // A word longer than the line is cut where the line ends: 45 without a
    // price, 43 on the indented lines.
    EXPECT_EQ(Text(s, QString(45, u'Ö'))->Ruta.top(), Forsta + 30);
    EXPECT_EQ(Text(s, QString(43, u'Ö'))->Ruta.top(), Forsta + 45);
    EXPECT_EQ(Text(s, QString(2, u'Ö'))->Ruta.top(), Forsta + 60);
    EXPECT_EQ(Text(s, "Livsmedel 67")->Ruta.top(), Forsta + 66 * 15);  // the last line of the left column stays empty
}

TEST(PrislistaTest, TomListaGerEnSidaMedRubriken) {
    const TRapportlayout l = LayoutaPrislista({}, "2024-03-18");
    ASSERT_EQ(l.Sidor.size(), 1);
    EXPECT_EQ(l.Sidor[0].Texter.size(), 2);
}

// Read from the table in the grid's order; the unused reserve row is left out.
TEST(PrislistaTest, ListanLasesITabellensOrdningUtanReservrader) {
    TProvmapp mapp;
    Tabell fodtab100(mapp.Sokvag(), "fodtab100");
    fodtab100.Oppna();
    TLivsmedelsmodell modell(fodtab100.Databas(), fodtab100.Namn());
    const auto namn = [&] {
        QStringList lista;
        for (const TPrispost& post : modell.Prislista()) lista << post.Livsmedel + '=' + post.Kgpris;
        return lista;
    };
    ASSERT_TRUE(modell.Ordna(Tabellordning::Nummer));
    EXPECT_EQ(namn(), QStringList({"Gurka=25", "Tomat=30", "Ärtor gröna=40", "Äpple=25", "Mjölk=12,50", "Ost=120",
                                   "Ärtsoppa=35", "Fisksoppa=60", "Soppa på ärtor=50"}));
    ASSERT_TRUE(modell.Ordna(Tabellordning::Alfabetisk));
    EXPECT_EQ(namn(), QStringList({"Fisksoppa=60", "Gurka=25", "Mjölk=12,50", "Ost=120", "Soppa på ärtor=50",
                                   "Tomat=30", "Äpple=25", "Ärtor gröna=40", "Ärtsoppa=35"}));
}

}  // namespace
