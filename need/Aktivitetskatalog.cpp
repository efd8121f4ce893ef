#include "need/Aktivitetskatalog.h"

#include "platform/Textfil.h"
#include "platform/SvenskOrdning.h"

#include <algorithm>

namespace matvarda {
namespace {

bool Namngiven(const TAktivitetspost& post) { return post.Namn.size() >= KortasteAktivitetsnamn; }

}  // namespace

bool LasAktivitetskatalog(const QString& fil, TAktivitetskatalog& katalog) {
    const auto rader = LasTextrader(fil);
    if (!rader) return false;
    for (int r = 0; r < AntalKatalograder; ++r) katalog[r] = {rader->value(2 * r), rader->value(2 * r + 1)};
    return true;
}

QStringList Aktivitetskatalograder(const TAktivitetskatalog& katalog) {
    QStringList rader;
    for (const TAktivitetspost& post : katalog) {
        if (Namngiven(post))
            rader << post.Namn << post.Faktor;
        else
            rader << QString() << QString();
    }
    return rader;
}

bool SparaAktivitetskatalog(const QString& fil, const TAktivitetskatalog& katalog) {
    return SkrivTextrader(fil, Aktivitetskatalograder(katalog));
}

std::vector<TAktivitetspost> Valbaraaktiviteter(const TAktivitetskatalog& katalog) {
    std::vector<TAktivitetspost> valbara;
    std::copy_if(katalog.begin() + 1, katalog.end(), std::back_inserter(valbara), Namngiven);
    std::stable_sort(valbara.begin(), valbara.end(), [](const TAktivitetspost& a, const TAktivitetspost& b) {
        return JamforSvenskt(a.Namn, b.Namn) < 0;
    });
    return valbara;
}

}  // namespace matvarda
