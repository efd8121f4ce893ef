#include "print/Skrivartext.h"

namespace matvarda {

void SkrivRader(TRityta& yta, const QStringList& rader) {
    const int h = yta.Radhojd();
    const int sidhojd = yta.Sidhojd();
    int j = 0;
    for (const QString& rad : rader) {
        if (rad == Vertikaltab) continue;
        if (rad == Sidmatning) {
            yta.NySida();
            j = 0;
            continue;
        }
        if (j > 0 && (j + 1) * h > sidhojd) {
            yta.NySida();
            j = 0;
        }
        yta.RitaText(Skrivarvanster, j * h, rad);
        ++j;
    }
}

}  // namespace matvarda
