// The ".dbok" calculation file in both layouts, opened as the program opens
// it: rows looked up in the food tables and put into the diary.

#include "fuzz/Fuzzstod.h"
#include "fuzz/Fuzztabeller.h"
#include "files/Sparadberakning.h"
#include "platform/SkriptadeDialoger.h"

#include <memory>

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    fuzz::TFuzztabeller& tabeller = fuzz::Fuzztabeller();
    auto t = std::make_unique<TTillstand>();
    SkriptadeDialoger dialoger;
    const QString fil = fuzz::SkrivFuzzfil(QStringLiteral("fuzz.dbok"), fuzz::Indata(data, storlek));
    if (!LasBerakning(*t, tabeller.Livsmedel, tabeller.Normer, dialoger, fil)) fuzz::Fynd("en fil som finns gick inte att öppna");
    for (const auto& dag : t->Dagbok.Berakning)
        for (const TMaltid& maltid : dag)
            if (!ArTom(maltid[0])) fuzz::Fynd("plats 0 fick ett livsmedel");
    return 0;
}
