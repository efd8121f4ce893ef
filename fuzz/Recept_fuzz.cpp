// The ".recept" file of fixed records, added to a meal that has foods.

#include "files/Recept.h"
#include "fuzz/Fuzzstod.h"

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    const std::vector<TMaltidsrad> rader = LasReceptfil(fuzz::Indata(data, storlek));
    TMaltid maltid;
    for (int k = 1; k < AntalPlatser; k += 3) maltid[k].Kod = QStringLiteral("1");
    const TMaltid fore = maltid;
    const int ejPlats = LaggTillRecept(maltid, rader);
    int nya = 0;
    for (int k = 1; k < AntalPlatser; ++k) {
        if (!ArTom(fore[k]) && maltid[k].Kod != fore[k].Kod) fuzz::Fynd("ett recept skrev över ett livsmedel");
        if (ArTom(fore[k]) && !ArTom(maltid[k])) ++nya;
    }
    const auto anvanda = std::count_if(rader.begin(), rader.end(), [](const TMaltidsrad& rad) { return !ArTom(rad); });
    if (nya + ejPlats != anvanda) fuzz::Fynd("receptets rader räknas fel");
    if (!ArTom(maltid[0])) fuzz::Fynd("plats 0 fick ett livsmedel");
    return 0;
}
