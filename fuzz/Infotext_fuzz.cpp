// info.txt, the advice texts by code.

#include "analysis/Infotext.h"
#include "fuzz/Fuzzstod.h"

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    TInfotexter texter;
    if (!LasInfotexter(fuzz::SkrivFuzzfil(QStringLiteral("info.txt"), fuzz::Indata(data, storlek)), texter))
        fuzz::Fynd("en fil som finns gick inte att läsa");
    Kodtexter(texter);
    return 0;
}
