#include "matvarda/Livsmedelsval.h"

namespace matvarda {
namespace {

void LaggTill(TLivsmedelslistor& listor, const TLivsmedelspost& post) {
    listor.Namn << post.Livsmedel;
    listor.Nycklar << post.Kod + ';' + post.Livsmedel + '!' + post.Portionsstorlek + '@' + post.Enhet;
}

bool UtanforRavarugrupperna(const TLivsmedelspost& post) { return !post.Kod.isEmpty() && post.Kod[0] > QChar('9'); }

template <typename Villkor>
TLivsmedelslistor Fyll(const TLivsmedelskatalog& katalog, Villkor tas) {
    TLivsmedelslistor listor;
    for (const TLivsmedelspost& post : katalog.Livsmedelslista)
        if (tas(post)) LaggTill(listor, post);
    return listor;
}

}  // namespace

TLivsmedelslistor VisaBildgrupp(const TLivsmedelskatalog& katalog, const QString& grupp, bool filtrera) {
    const QString g = grupp.toUpper();
    return Fyll(katalog, [&](const TLivsmedelspost& post) {
        if (filtrera && UtanforRavarugrupperna(post)) return false;
        return !post.Grupp2.isEmpty() && g.contains(post.Grupp2.toUpper());
    });
}

TLivsmedelslistor VisaUtokadGrupp(const TLivsmedelskatalog& katalog, const QString& grupp) {
    const QString g = grupp.toUpper();
    // A group of one or two letters must match whole; a longer text may be
    // part of a group name.
    return Fyll(katalog, [&](const TLivsmedelspost& post) {
        const QString e = post.Grupp1.toUpper();
        return g.size() <= 2 ? e == g : e.contains(g);
    });
}

TLivsmedelslistor SokPaNamn(const TLivsmedelskatalog& katalog, const QString& ord, bool filtrera) {
    const QString w = ord.toUpper();
    TLivsmedelslistor borjar;
    TLivsmedelslistor innehaller;
    for (const TLivsmedelspost& post : katalog.Livsmedelslista) {
        if (filtrera && UtanforRavarugrupperna(post)) continue;
        const QString namn = post.Livsmedel.toUpper();
        if (namn == QLatin1String("RESERV")) continue;
        if (namn.startsWith(w))
            LaggTill(borjar, post);
        else if (namn.contains(w))
            LaggTill(innehaller, post);
    }
    borjar.Namn += innehaller.Namn;
    borjar.Nycklar += innehaller.Nycklar;
    return borjar;
}

QString KodAvNyckel(const QString& nyckel) { return nyckel.section(';', 0, 0); }

}  // namespace matvarda
