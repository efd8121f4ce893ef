#include "matvarda/Uppdatering.h"

#include <gtest/gtest.h>
#include <string>

using namespace matvarda;

// The steps run in the order of the views, whatever order the windows filled
// them in; an empty slot is skipped.
TEST(Uppdateringslista, StegenKorIFastOrdningOchTommaHoppasOver) {
    TUppdateringslista lista;
    std::string ordning;
    lista.Fyll(Uppdateringssteg::Siffror, [&] { ordning += "siffror "; });
    lista.Fyll(Uppdateringssteg::Daglista, [&] { ordning += "dagar "; });
    lista.Fyll(Uppdateringssteg::Salt, [&] { ordning += "salt "; });
    lista.Fyll(Uppdateringssteg::Maltidsgrid, [&] { ordning += "grid "; });
    lista.Uppdatera();
    EXPECT_EQ(ordning, "grid salt dagar siffror ");
}
