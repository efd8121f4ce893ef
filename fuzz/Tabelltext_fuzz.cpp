// The text import of a food table: CSV with a heading line of field names.

#include "core/Tabellayout.h"
#include "fuzz/Fuzzstod.h"
#include "platform/Tabell.h"

using namespace matvarda;

namespace {

const QString Tabellnamn = QStringLiteral("fodtab100");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    const QString fil = fuzz::SkrivFuzzfil(QStringLiteral("fodtab100.txt"), fuzz::Indata(data, storlek));
    // A fresh table for every input, so that a run depends on its input alone.
    Tabell::Skapa(fuzz::Fuzzmapp(), Tabellnamn, Livsmedelsfalt(), QStringLiteral("Kod"),
                  {{QStringLiteral("livsmedel"), QStringLiteral("Livsmedel")}});
    Tabell tabell(fuzz::Fuzzmapp(), Tabellnamn);
    tabell.Oppna();
    try {
        tabell.ImporteraText(fil);
    } catch (const Fel& fel) {
        if (fel.Meddelande().isEmpty()) fuzz::Fynd("Fel utan meddelande");
        return 0;
    }
    for (tabell.Forsta(); !tabell.Slut(); tabell.Nasta())
        for (int p = 0; p < tabell.AntalFalt(); ++p) tabell.Varde(p);
    return 0;
}
