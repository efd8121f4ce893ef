// matvarda.para, the meal shares and the ideal energy distribution.

#include "admin/Installningar.h"
#include "fuzz/Fuzzstod.h"

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    const auto texter = LasParafil(fuzz::SkrivFuzzfil(QStringLiteral("matvarda.para"), fuzz::Indata(data, storlek)));
    if (!texter) fuzz::Fynd("en fil som finns gick inte att läsa");
    TInstallningar installningar;
    TillampaInstallningar(*texter, installningar);
    Installningstexter(installningar);
    return 0;
}
