#include "platform/SvenskOrdning.h"

#include <sqlite3.h>

namespace matvarda {
namespace {

constexpr int BokstavBas = 1000;

int Bokstav(char ascii) { return BokstavBas + (ascii - 'a') * 4; }

// The primary weight of one code point: letters in Swedish order, the rest
// by code point below or above the letters.
int Vikt(char32_t c) {
    if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
    if (c >= 'a' && c <= 'z') return Bokstav(static_cast<char>(c));
    switch (c) {
    case U'å': case U'Å': return Bokstav('z') + 4;
    case U'ä': case U'Ä': case U'æ': case U'Æ': return Bokstav('z') + 8;
    case U'ö': case U'Ö': case U'ø': case U'Ø': return Bokstav('z') + 12;
    case U'à': case U'á': case U'â': case U'ã': case U'À': case U'Á': case U'Â': return Bokstav('a');
    case U'ç': case U'Ç': return Bokstav('c');
    case U'è': case U'é': case U'ê': case U'ë': case U'È': case U'É': case U'Ê': case U'Ë': return Bokstav('e');
    case U'ì': case U'í': case U'î': case U'ï': case U'Í': case U'Î': return Bokstav('i');
    case U'ñ': case U'Ñ': return Bokstav('n');
    case U'ò': case U'ó': case U'ô': case U'õ': case U'Ó': case U'Ô': return Bokstav('o');
    case U'ù': case U'ú': case U'û': case U'Ú': return Bokstav('u');
    case U'ü': case U'Ü': case U'ý': case U'Ý': return Bokstav('y');
    default: break;
    }
    if (c < 0x80) return static_cast<int>(c);
    return BokstavBas * 2 + static_cast<int>(c);
}

// Reads one code point of UTF-8; malformed bytes count as themselves.
char32_t NastaTecken(const unsigned char*& p, const unsigned char* slut) {
    const unsigned char b = *p++;
    if (b < 0x80) return b;
    int extra = (b >= 0xF0) ? 3 : (b >= 0xE0) ? 2 : (b >= 0xC0) ? 1 : 0;
    char32_t c = b & (0x3F >> extra);
    while (extra-- > 0 && p < slut && (*p & 0xC0) == 0x80) c = (c << 6) | (*p++ & 0x3F);
    return c;
}

int JamforUtf8(const unsigned char* a, int la, const unsigned char* b, int lb) {
    const unsigned char* pa = a;
    const unsigned char* pb = b;
    const unsigned char* slutA = a + la;
    const unsigned char* slutB = b + lb;
    int sekundar = 0;
    while (pa < slutA && pb < slutB) {
        const char32_t ca = NastaTecken(pa, slutA);
        const char32_t cb = NastaTecken(pb, slutB);
        const int va = Vikt(ca);
        const int vb = Vikt(cb);
        if (va != vb) return va < vb ? -1 : 1;
        if (sekundar == 0 && ca != cb) sekundar = ca < cb ? -1 : 1;
    }
    if (pa < slutA) return 1;
    if (pb < slutB) return -1;
    return sekundar;
}

int SqliteJamfor(void*, int la, const void* a, int lb, const void* b) {
    return JamforUtf8(static_cast<const unsigned char*>(a), la,
                      static_cast<const unsigned char*>(b), lb);
}

}  // namespace

int JamforSvenskt(const QString& a, const QString& b) {
    const QByteArray ua = a.toUtf8();
    const QByteArray ub = b.toUtf8();
    return JamforUtf8(reinterpret_cast<const unsigned char*>(ua.constData()), static_cast<int>(ua.size()),
                      reinterpret_cast<const unsigned char*>(ub.constData()), static_cast<int>(ub.size()));
}

bool RegistreraSvenskOrdning(sqlite3* databas) {
    return sqlite3_create_collation(databas, "SVENSKA", SQLITE_UTF8, nullptr, SqliteJamfor) == SQLITE_OK;
}

}  // namespace matvarda
