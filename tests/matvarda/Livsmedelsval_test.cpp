#include "matvarda/Livsmedelsval.h"
#include "stod/Fixtur.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

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

// The type-ahead's foods come from a table, so the order is the name
// index's; they are stored out of that order.
TTypfilterindex Typfilterindex() {
    QTemporaryDir mapp;
    SkapaLivsmedelstabell(mapp.path(), "fodtab100",
                          {{"1001", "Zucchini stekt", "Grönsaker", "Grönsaker"},
                           {"8001", "Ål rökt", "Fisk", "Kött,fisk,ägg"},
                           {"4002", "Ost hård", "Mejeri", "Mjölk,ost", "skiva", 10},
                           {"A001", "Ostkaka med sylt", "Rätter", "Övrigt"},
                           {"8002", "Östersjösill inlagd", "Fisk", "Kött,fisk,ägg"},
                           {"8003", "Ägg kokt", "Ägg", "Kött,fisk,ägg"},
                           {"4003", "Crème fraîche", "Mejeri", "Mjölk,ost"},
                           {"6001", "Müsli med frukt", "Spannmål", "Bröd,spannmål"},
                           {"9001", "Alkoholfri öl", "Drycker", "Drycker"},
                           {"Z001", "RESERV", "", ""},
                           {"2001", "apelsin", "Frukt", "Frukt,bär"}});
    SkapaLivsmedelstabell(mapp.path(), "fodtab2005", {});
    TLivsmedelstabeller tabeller;
    TLivsmedelskatalog katalog;
    OppnaLivsmedelstabeller(mapp.path(), tabeller, katalog);
    return ByggTypfilterindex(katalog);
}

// All of them but the placeholder row, in Swedish order: case ignored, Å Ä Ö
// after Z.
const QStringList AllaTypfilter = {"Alkoholfri öl", "apelsin",        "Crème fraîche", "Müsli med frukt",
                                   "Ost hård",      "Ostkaka med sylt", "Zucchini stekt", "Ål rökt",
                                   "Ägg kokt",      "Östersjösill inlagd"};

TEST(Typfilter, AllaOrdIValfriOrdningUtanSkiftlageOchAccenterMenMedAAO) {
    const auto index = Typfilterindex();
    const struct {
        QString text;
        QStringList namn;
    } fall[] = {
        {"", AllaTypfilter},
        {"   ", AllaTypfilter},
        {"ost", {"Ost hård", "Ostkaka med sylt"}},
        {"ÓST", {"Ost hård", "Ostkaka med sylt"}},
        {"öst", {"Östersjösill inlagd"}},
        {"ÖST", {"Östersjösill inlagd"}},
        {"ägg", {"Ägg kokt"}},
        {"agg", {}},
        {"ål", {"Ål rökt"}},
        {"al", {"Alkoholfri öl"}},
        {"sylt ost", {"Ostkaka med sylt"}},
        {"  SYLT   kaka ", {"Ostkaka med sylt"}},
        {"creme FRAICHE", {"Crème fraîche"}},
        {"frukt MÜSLI", {"Müsli med frukt"}},
        {"musli", {"Müsli med frukt"}},
        {"ost xyz", {}},
        {"res", {}},  // placeholder rows are never listed
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.text.toStdString());
        EXPECT_EQ(Typfilter(index, f.text, false).Namn, f.namn);
    }
}

TEST(Typfilter, RavarufiltretOchNycklarna) {
    const auto index = Typfilterindex();
    const auto listor = Typfilter(index, "ost", true);
    EXPECT_EQ(listor.Namn, QStringList({"Ost hård"}));
    EXPECT_EQ(listor.Nycklar, QStringList({"4002;Ost hård!10@skiva"}));
    QStringList ravaror = AllaTypfilter;
    ravaror.removeOne("Ostkaka med sylt");  // A001
    EXPECT_EQ(Typfilter(index, "", true).Namn, ravaror);
}

}  // namespace
