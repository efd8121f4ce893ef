// losenord.txt and prisPassword.txt, the two password files.

#include "core/Losenord.h"
#include "fuzz/Fuzzstod.h"

using namespace matvarda;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t storlek) {
    const QByteArray innehall = fuzz::Indata(data, storlek);
    if (LasLosenord(fuzz::SkrivFuzzfil(QStringLiteral("losenord.txt"), innehall)).size() < 2)
        fuzz::Fynd("lösenord kortare än två tecken");
    LasPrislas(fuzz::SkrivFuzzfil(QStringLiteral("prisPassword.txt"), innehall));
    return 0;
}
