// nvval.txt, the chosen nutrients.

#include "fuzz/Fuzzstod.h"
#include "need/Nvval.h"

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    TUrval urval;
    LasNvval(fuzz::SkrivFuzzfil(QStringLiteral("nvval.txt"), fuzz::Indata(data, storlek)), urval);
    if (urval.AntalValda != RaknaValda(urval)) fuzz::Fynd("AntalValda stämmer inte med Valda");
    return 0;
}
