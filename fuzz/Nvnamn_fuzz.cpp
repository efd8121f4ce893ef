// nvnamn.txt, read at start into the nutrient catalogue.

#include "core/Naringsamnen.h"
#include "platform/Fel.h"
#include "fuzz/Fuzzstod.h"

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    TNaringskatalog katalog;
    try {
        LasNaringsnamn(fuzz::SkrivFuzzfil(QStringLiteral("nvnamn.txt"), fuzz::Indata(data, storlek)), katalog);
    } catch (const Fel& fel) {
        if (fel.Meddelande().isEmpty()) fuzz::Fynd("Fel utan meddelande");
        return 0;
    }
    // Every shown value goes through the decimals read from the file.
    for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n) VisaVarde(1234.5678, n, katalog);
    return 0;
}
