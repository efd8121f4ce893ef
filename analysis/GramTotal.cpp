#include "analysis/GramTotal.h"

#include "calc/Diagram.h"
#include "platform/SvenskOrdning.h"

#include <QHash>
#include <algorithm>

namespace matvarda {
namespace {

constexpr float MinstaMaltidsenergi = 0.1f;
constexpr float MinstaMangd = 0.1f;
constexpr int Namnbredd = 25;

struct TKalla {
    QString Livsmedel;
    float Gram = 0;
    float Mangd = 0;
};

// The foods of the scanned meals, each name once with its rows summed.
class TKalltabell {
public:
    void LaggTill(const TMaltidsrad& rad, int val) {
        const float mangd = val == ViktVal ? rad.Gram : rad.Naring[val - ForstaNaringsnummer] * 0.01f * rad.Gram;
        auto plats = index_.constFind(rad.Livsmedel);
        if (plats == index_.cend()) {
            plats = index_.insert(rad.Livsmedel, static_cast<int>(kallor_.size()));
            kallor_.push_back({rad.Livsmedel});
        }
        TKalla& kalla = kallor_[*plats];
        kalla.Gram += rad.Gram;
        kalla.Mangd += mangd;
    }
    const std::vector<TKalla>& Kallor() const { return kallor_; }

private:
    QHash<QString, int> index_;
    std::vector<TKalla> kallor_;
};

void LasMaltid(const TMaltid& maltid, int val, TKalltabell& tabell) {
    for (int k = 1; k < AntalPlatser; ++k)
        if (!ArTom(maltid[k])) tabell.LaggTill(maltid[k], val);
}

TKalltabell Kalltabell(const TTillstand& t, int val, bool allaDagar) {
    TKalltabell tabell;
    const int forstaDag = allaDagar ? 0 : t.Dagbok.AktuellDag;
    const int sistaDag = allaDagar ? AntalDagar - 1 : t.Dagbok.AktuellDag;
    for (int d = forstaDag; d <= sistaDag; ++d)
        for (int m = 0; m < AntalMaltider; ++m)
            if (t.Resultat.Maltidssumma[d][m][EnergiKj] > MinstaMaltidsenergi)
                LasMaltid(t.Dagbok.Berakning[d][m], val, tabell);
    return tabell;
}

// A bar's line: the amount right-aligned in 6 first, so that ordering the
// lines as texts orders the amounts; "@" and "#" enclose the grams.
struct TKallrad {
    QString Rad;
    QString Mangd;
    QString Namn;
    QString Mitt;
};

TKallrad Kallrad(const TKalla& kalla, int val, const TNaringskatalog& katalog) {
    const int decimaler = val == ViktVal ? 0 : katalog.Decimaler[val];
    const QString mangd = QString::number(kalla.Mangd, 'f', decimaler).rightJustified(6, ' ');
    const QString mitt =
        val == ViktVal ? QString() : QStringLiteral(" (") + QString::number(kalla.Gram, 'f', decimaler) + QStringLiteral("g) ");
    return {mangd + ';' + kalla.Livsmedel + '@' + mitt + '#', mangd, kalla.Livsmedel, mitt};
}

}  // namespace

QVector<int> Kallval(const TUrval& urval) {
    QVector<int> val{ViktVal};
    for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n)
        if (urval.Valda[n]) val << n;
    return val;
}

QString Kallvalstext(const TNaringskatalog& katalog, int val) {
    return val == ViktVal ? QStringLiteral("Vikt") : katalog.NamnEnhet[val];
}

QString Kallrubrik(const TNaringskatalog& katalog, int val) {
    return val == ViktVal ? QStringLiteral("Livsmedelsvikt") : katalog.NamnEnhet[val];
}

TSerie Naringskallor(const TTillstand& t, int val, bool allaDagar) {
    if (val != ViktVal && (val < ForstaNaringsnummer || val > SistaNaringsnummer)) return {};
    const TKalltabell tabell = Kalltabell(t, val, allaDagar);
    std::vector<TKallrad> rader;
    for (const TKalla& kalla : tabell.Kallor())
        if (kalla.Mangd > MinstaMangd) rader.push_back(Kallrad(kalla, val, t.Katalog));
    std::sort(rader.begin(), rader.end(),
              [](const TKallrad& a, const TKallrad& b) { return JamforSvenskt(a.Rad, b.Rad) > 0; });
    const QString enhet = val == ViktVal ? QString() : t.Katalog.Enhetsnamn[val];
    TSerie staplar;
    int nummer = 1;
    for (const TKallrad& rad : rader)
        staplar.append({TextTillTal(rad.Mangd), rad.Namn.left(Namnbredd) + rad.Mitt + rad.Mangd + enhet,
                        Stapelfarg(nummer++)});
    return staplar;
}

}  // namespace matvarda
