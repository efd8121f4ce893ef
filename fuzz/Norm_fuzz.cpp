// The ".norm" companion of a saved calculation.

#include "files/Berakningsfil.h"
#include "fuzz/Fuzzstod.h"
#include "platform/Textfil.h"

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    const auto rader = LasTextrader(fuzz::SkrivFuzzfil(QStringLiteral("fuzz.norm"), fuzz::Indata(data, storlek)));
    if (!rader) fuzz::Fynd("en fil som finns gick inte att läsa");
    TBehov behov;
    LasNormrader(*rader, behov);
    return 0;
}
