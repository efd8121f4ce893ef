#include "calc/RaknaOm.h"
#include "calc/Salt.h"
#include "stod/Fixtur.h"

#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

TEST(Saltmatare, HelaGramMedHalvorTillJamntOchStoppVid20) {
    const struct {
        float gram;
        int lage;
    } fall[] = {{0, 0}, {2.5f, 2}, {3.5f, 4}, {6.4f, 6}, {6.6f, 7}, {19.5f, 20}, {20, 20}, {20.4f, 20}, {55, 20}};
    for (const auto& f : fall) EXPECT_EQ(Saltmatare(f.gram), f.lage) << f.gram;
}

// Sodium in mg per 100 g so that 100 g give the grams of salt.
TMaltidsrad Salt(float gram) {
    TMaltidsrad rad;
    rad.Kod = QStringLiteral("1");
    rad.Gram = 100;
    rad.Naring = Naringar({{EnergiKj, 500}, {Natrium, gram / 0.0025}});
    return rad;
}

TEST(Salttext, DagensSaltEllerPeriodensMedelMedEnDecimal) {
    TTillstand t;
    t.Dagbok.Berakning[0][0][1] = Salt(6.4f);
    t.Dagbok.Berakning[2][3][1] = Salt(3.0f);
    const struct {
        int visning, dag;
        const char* rad;
    } fall[] = {{0, 0, "Saltmängden denna dag är: 6.4 gram."},
                {1, 2, "Saltmängden denna dag är: 3.0 gram."},
                {1, 1, "Saltmängden denna dag är: 0.0 gram."},
                {2, 1, "Dagsmedelvärdet salt är: 4.7 gram."}};
    for (const auto& f : fall) {
        t.Dagbok.Visning = f.visning;
        t.Dagbok.AktuellDag = f.dag;
        RaknaOm(t);
        EXPECT_EQ(Salttext(t.Resultat),
                  (QStringList{"Kvinnor bör minska intaget av salt till 6 gram per dag, män till 7 gram.",
                               QString::fromUtf8(f.rad)}));
    }
}

}  // namespace
