// The ".akt" activity list, and the need computed from what it holds.

#include "fuzz/Fuzzstod.h"
#include "fuzz/Fuzztabeller.h"
#include "need/Aktiviteter.h"
#include "need/Aktivitetsfil.h"

#include <memory>

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    fuzz::TFuzztabeller& tabeller = fuzz::Fuzztabeller();
    auto t = std::make_unique<TTillstand>();
    const QString fil = fuzz::SkrivFuzzfil(QStringLiteral("fuzz.akt"), fuzz::Indata(data, storlek));
    if (!LasAktivitetslista(fil, t->Aktiviteter)) return 0;
    BeraknaAktiviteter(*t, tabeller.Normer);
    return 0;
}
