// aktiv.txt, the catalogue of activities.

#include "fuzz/Fuzzstod.h"
#include "need/Aktivitetskatalog.h"

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    TAktivitetskatalog katalog;
    if (!LasAktivitetskatalog(fuzz::SkrivFuzzfil(Aktivitetskatalogfil, fuzz::Indata(data, storlek)), katalog))
        fuzz::Fynd("en fil som finns gick inte att läsa");
    Valbaraaktiviteter(katalog);
    if (Aktivitetskatalograder(katalog).size() != 2 * AntalKatalograder) fuzz::Fynd("katalogen skrivs inte hel");
    return 0;
}
