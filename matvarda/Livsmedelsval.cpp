#include "matvarda/Livsmedelsval.h"

#include <algorithm>

namespace matvarda {
namespace {

QString Nyckel(const TLivsmedelspost& post) {
    return post.Kod + ';' + post.Livsmedel + '!' + post.Portionsstorlek + '@' + post.Enhet;
}

void LaggTill(TLivsmedelslistor& listor, const TLivsmedelspost& post) {
    listor.Namn << post.Livsmedel;
    listor.Nycklar << Nyckel(post);
}

bool UtanforRavarugrupperna(const TLivsmedelspost& post) { return !post.Kod.isEmpty() && post.Kod[0] > QChar('9'); }

// The placeholder rows of the food table; no search lists them.
bool ArReservrad(const TLivsmedelspost& post) {
    return post.Livsmedel.compare(QLatin1String("RESERV"), Qt::CaseInsensitive) == 0;
}

// Lower case without accents, except that å, ä and ö stay the letters of
// their own they are in Swedish; æ and ø count as ä and ö, as in the name
// order.
QChar Grundbokstav(QChar c) {
    c = c.toLower();
    for (;;) {
        switch (c.unicode()) {
        case u'å': case u'ä': case u'ö': return c;
        case u'æ': return u'ä';
        case u'ø': return u'ö';
        default: break;
        }
        if (c.decompositionTag() != QChar::Canonical) return c;
        c = c.decomposition().at(0);
    }
}

// Runs of white space become one space; combining accents are dropped.
QString Sokform(const QString& text) {
    const QString nfc = text.simplified().normalized(QString::NormalizationForm_C);
    QString sokform;
    sokform.reserve(nfc.size());
    for (const QChar c : nfc)
        if (c.category() != QChar::Mark_NonSpacing) sokform += Grundbokstav(c);
    return sokform;
}

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
        if (ArReservrad(post)) continue;
        const QString namn = post.Livsmedel.toUpper();
        if (namn.startsWith(w))
            LaggTill(borjar, post);
        else if (namn.contains(w))
            LaggTill(innehaller, post);
    }
    borjar.Namn += innehaller.Namn;
    borjar.Nycklar += innehaller.Nycklar;
    return borjar;
}

TTypfilterindex ByggTypfilterindex(const TLivsmedelskatalog& katalog) {
    TTypfilterindex index;
    index.Rader.reserve(katalog.Livsmedelslista.size());
    for (const TLivsmedelspost& post : katalog.Livsmedelslista)
        if (!ArReservrad(post))
            index.Rader.push_back({Sokform(post.Livsmedel), post.Livsmedel, Nyckel(post), UtanforRavarugrupperna(post)});
    return index;
}

TLivsmedelslistor Typfilter(const TTypfilterindex& index, const QString& text, bool filtrera) {
    const QStringList ord = Sokform(text).split(u' ', Qt::SkipEmptyParts);
    TLivsmedelslistor listor;
    for (const TTyprad& rad : index.Rader) {
        if (filtrera && rad.UtanforRavarugrupperna) continue;
        if (!std::all_of(ord.cbegin(), ord.cend(), [&](const QString& o) { return rad.Sokform.contains(o); })) continue;
        listor.Namn << rad.Namn;
        listor.Nycklar << rad.Nyckel;
    }
    return listor;
}

QString KodAvNyckel(const QString& nyckel) { return nyckel.section(';', 0, 0); }

}  // namespace matvarda
