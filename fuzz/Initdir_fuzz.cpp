// initdir.txt, which names the folders of calculations and tables.

#include "fuzz/Fuzzstod.h"
#include "matvarda/Start.h"

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    fuzz::SkrivFuzzfil(QStringLiteral("initdir.txt"), fuzz::Indata(data, storlek));
    TStartlage start;
    LasInitdir(fuzz::Fuzzmapp(), start);
    if (start.Berakningsmapp.isEmpty() || start.Tabellmapp.isEmpty()) fuzz::Fynd("tom mapp efter initdir.txt");
    return 0;
}
