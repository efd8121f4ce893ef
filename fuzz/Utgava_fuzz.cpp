// The food agency's CSV export, as the importer reads it.

#include "admin/Livsmedelsutgava.h"
#include "fuzz/Fuzzstod.h"

#include <cmath>

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    try {
        const TUtgava utgava = TolkaUtgava(fuzz::Indata(data, storlek), QStringLiteral("fuzz.csv"));
        for (const TKallivsmedel& livsmedel : utgava.Livsmedel) {
            if (livsmedel.Nummer <= 0 || livsmedel.Namn.isEmpty()) fuzz::Fynd("livsmedel utan nummer eller namn");
            if (!std::isfinite(livsmedel.Avfall)) fuzz::Fynd("avfall som inte är ett ändligt tal");
            for (const double varde : livsmedel.Naring)
                if (!std::isfinite(varde)) fuzz::Fynd("näringsvärde som inte är ett ändligt tal");
        }
    } catch (const Fel& fel) {
        if (fel.Meddelande().isEmpty()) fuzz::Fynd("Fel utan meddelande");
    }
    return 0;
}
