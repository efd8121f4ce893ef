#include "matvarda/Livsmedelsval.h"

#include <gtest/gtest.h>

using namespace matvarda;

namespace {

TLivsmedelskatalog Katalog() {
    TLivsmedelskatalog k;
    const TLivsmedelspost poster[] = {
        {"4001", "Mjölk standard", "Mejeri", "Mjölk", "glas", "200"},
        {"4002", "Ost hård", "Mejeri", "Mjölk,ost", "skiva", "10"},
        {"A001", "Fisksoppa", "Rätter", "Övrigt", "portion", "300"},
        {"A002", "Soppa, ärt-", "Rätter", "Övrigt", "portion", "300"},
        {"1001", "Ärtor gröna", "Grönsaker", "Grönsaker", "dl", "65"},
        {"1002", "Örtsalt", "Öl", "", "tsk", "5"},
        {"B001", "RESERV", "Rätter", "Övrigt", "", ""},
        {"9001", "Öl ljus", "Öl och vin", "Drycker", "glas", "330"},
    };
    for (const auto& p : poster) k.Livsmedelslista.push_back(p);
    k.AntalLivsmedel = static_cast<int>(k.Livsmedelslista.size());
    return k;
}

TEST(Livsmedelsval, BildgruppTarDelarAvGruppenOchKanFiltrera) {
    const auto k = Katalog();
    EXPECT_EQ(VisaBildgrupp(k, "Mjölk,ost", false).Namn, QStringList({"Mjölk standard", "Ost hård"}));
    EXPECT_EQ(VisaBildgrupp(k, "Övrigt", false).Namn, QStringList({"Fisksoppa", "Soppa, ärt-", "RESERV"}));
    EXPECT_TRUE(VisaBildgrupp(k, "Övrigt", true).Namn.isEmpty());
    const auto drycker = VisaBildgrupp(k, "Drycker", false);
    EXPECT_EQ(drycker.Nycklar, QStringList({"9001;Öl ljus!330@glas"}));
    EXPECT_EQ(KodAvNyckel(drycker.Nycklar[0]), "9001");
}

TEST(Livsmedelsval, UtokadGruppKortaGrupperMasteStamma) {
    const auto k = Katalog();
    EXPECT_EQ(VisaUtokadGrupp(k, "öl").Namn, QStringList({"Örtsalt"}));
    EXPECT_EQ(VisaUtokadGrupp(k, "Öl och").Namn, QStringList({"Öl ljus"}));
    EXPECT_EQ(VisaUtokadGrupp(k, "rätter").Namn.size(), 3);  // no raw-material filter here
}

TEST(Livsmedelsval, NamnsokningBorjanForstUtanReservOchMedFilter) {
    const auto k = Katalog();
    EXPECT_EQ(SokPaNamn(k, "soppa", false).Namn, QStringList({"Soppa, ärt-", "Fisksoppa"}));
    EXPECT_EQ(SokPaNamn(k, "ÄRT", false).Namn, QStringList({"Ärtor gröna", "Soppa, ärt-"}));
    EXPECT_EQ(SokPaNamn(k, "ÖL", false).Namn, QStringList({"Öl ljus", "Mjölk standard"}));
    EXPECT_TRUE(SokPaNamn(k, "serv", false).Namn.isEmpty());
    EXPECT_EQ(SokPaNamn(k, "soppa", true).Namn, QStringList());
    EXPECT_EQ(SokPaNamn(k, "ärt", true).Namn, QStringList({"Ärtor gröna"}));
    EXPECT_EQ(SokPaNamn(k, "öl", true).Namn, QStringList({"Öl ljus", "Mjölk standard"}));  // 9 is a raw-material group
}

}  // namespace
