#include "need/Aktivitetsfil.h"

#include "platform/Textfil.h"
#include "stod/Fixtur.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace matvarda {
namespace {

TAktivitetslista ListaMedLuckor() {
    TAktivitetslista lista;
    lista.Alder = "18,5";
    lista.Vikt = "62";
    lista.Kon = Man;
    lista.Rader[1] = {"Sova", "0.95", "480", "-0.06", "-29"};
    lista.Rader[3] = {"Cykla till arbete", "6,8", "45", "6.57", "296"};
    lista.Rader[39] = {"Äta sittande", "1.5", "0", "0.58", "0"};
    return lista;
}

TEST(Aktivitetsfil, SparadListaMedLuckorLasesTillbakaLika) {
    QTemporaryDir mapp;
    const QString fil = mapp.filePath("dag.akt");
    const TAktivitetslista sparad = ListaMedLuckor();
    ASSERT_TRUE(SparaAktivitetslista(fil, sparad));

    const auto rader = LasTextrader(fil);
    ASSERT_TRUE(rader);
    ASSERT_EQ(rader->size(), 120);
    EXPECT_EQ(rader->mid(0, 9), (QStringList{"18,5", "62", "1", "Sova", "480", "0.95", "", "", ""}));
    EXPECT_EQ(rader->mid(9, 3), (QStringList{"Cykla till arbete", "45", "6,8"}));
    EXPECT_EQ(rader->mid(117), (QStringList{"Äta sittande", "0", "1.5"}));
    EXPECT_TRUE(LasFil(fil)->startsWith("18,5\r\n62\r\n1\r\nSova\r\n"));

    TAktivitetslista last;
    last.Energienhet = EnhetKj;
    last.Rader[2] = {"Kvar", "2", "10", "1.00", "10"};
    ASSERT_TRUE(LasAktivitetslista(fil, last));
    EXPECT_EQ(last.Alder, "18,5");
    EXPECT_EQ(last.Vikt, "62");
    EXPECT_EQ(last.Kon, Man);
    EXPECT_EQ(last.Energienhet, EnhetKj);
    for (int r = 1; r <= AntalAktivitetsrader; ++r) {
        const TAktivitetsrad& a = sparad.Rader[r];
        const TAktivitetsrad& b = last.Rader[r];
        EXPECT_EQ(b.Namn, a.Namn) << r;
        EXPECT_EQ(b.Minuter, a.Minuter) << r;
        EXPECT_EQ(b.Faktor, a.Faktor) << r;
        EXPECT_TRUE(b.PerMinut.isEmpty()) << r;  // computed again from the person
    }
}

TEST(Aktivitetsfil, KortFilGerTommaVardenOchRaderEfter39Ignoreras) {
    TAktivitetslista lista;
    ASSERT_TRUE(LasAktivitetsfilrader({"40", "80", "0", "Simma", "20"}, lista));
    EXPECT_EQ(lista.Rader[1], (TAktivitetsrad{"Simma", "", "20", {}, {}}));
    EXPECT_FALSE(lista.Rader[2].Anvand());

    QStringList lang{"40", "80", " 1"};
    for (int r = 1; r <= 41; ++r) lang << QStringLiteral("A%1").arg(r) << "10" << "2";
    ASSERT_TRUE(LasAktivitetsfilrader(lang, lista));
    EXPECT_EQ(lista.Kon, Man);
    EXPECT_EQ(lista.Rader[39].Namn, "A39");
    EXPECT_EQ(lista.Rader[1].Namn, "A1");

    // An empty name is an empty row, whatever follows it.
    ASSERT_TRUE(LasAktivitetsfilrader({"40", "80", "0", "", "20", "3"}, lista));
    EXPECT_EQ(lista.Rader[1], TAktivitetsrad{});
}

TEST(Aktivitetsfil, FelaktigKonradEllerForKortFilAndrarInget) {
    for (const char* kon : {"2", "-1", "x", "", "1x", "1.0", "0 1"}) {
        TAktivitetslista lista = ListaMedLuckor();
        EXPECT_FALSE(LasAktivitetsfilrader({"40", "80", kon, "Simma", "20", "6"}, lista)) << kon;
        EXPECT_EQ(lista.Alder, "18,5");
        EXPECT_EQ(lista.Rader, ListaMedLuckor().Rader);
    }
    TAktivitetslista lista;
    EXPECT_FALSE(LasAktivitetsfilrader({"40", "80"}, lista));
    EXPECT_EQ(lista.Alder, "15");
    QTemporaryDir mapp;
    EXPECT_FALSE(LasAktivitetslista(mapp.filePath("saknas.akt"), lista));
    EXPECT_FALSE(SparaAktivitetslista(mapp.filePath("saknas/dag.akt"), lista));
}

}  // namespace
}  // namespace matvarda
