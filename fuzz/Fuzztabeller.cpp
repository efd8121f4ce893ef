#include "fuzz/Fuzztabeller.h"

#include "fuzz/Fuzzstod.h"
#include "stod/Fixtur.h"

namespace matvarda::fuzz {

TFuzztabeller& Fuzztabeller() {
    static TFuzztabeller* tabeller = [] {
        const QString mapp = Fuzzmapp();
        // The codes of the seed files: one in each table, one in both.
        test::SkapaLivsmedelstabell(mapp, QStringLiteral("fodtab100"),
                                    {{"1", "Gurka", "Grönsaker", "Grönsaker", "st", 300, "25", {{0, 50}}},
                                     {"1001", "Äpple", "Frukt", "Frukt,bär", "st", 120, "25,50", {{0, 220}},
                                      {"dl", "klyfta"}, {60, 15}}});
        test::SkapaLivsmedelstabell(mapp, QStringLiteral("fodtab2005"),
                                    {{"1001", "Äpple 2005", "", "", "st", 1, "1"},
                                     {"9001", "Pannkaka", "Rätter", "Övrigt", "st", 70, "40", {{0, 900}}}});
        test::SkapaNormtabell(mapp, {{3, "Män 19-30 år", {{0, 12000}, {23, 2303}}},
                                     {12, "Kvinnor 15-18 år", {{23, 2312}}},
                                     {21, "Barn under 2 år", {{23, 500}}}});
        auto* nya = new TFuzztabeller;
        OppnaLivsmedelstabeller(mapp, nya->Livsmedel, nya->Katalog);
        nya->Normer.SattMapp(mapp);
        return nya;
    }();
    return *tabeller;
}

}  // namespace matvarda::fuzz
