#include "analysis/Toppen.h"

#include "platform/SvenskOrdning.h"

#include <algorithm>

namespace matvarda {
namespace {

constexpr int Vatten = 17;
constexpr int Aska = 18;
constexpr double Sparmangd = 0.011;
constexpr double MinstaPortion = 0.5;

QString Mangd(double varde) { return QString::number(varde, 'f', 2).rightJustified(10, ' '); }

}  // namespace

QVector<int> Toppnaringsamnen() {
    QVector<int> nummer;
    for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n)
        if (n != Vatten && n != Aska) nummer << n;
    return nummer;
}

QStringList Topplistan(Tabell& fodtab100, const TNaringskatalog& katalog, int nummer, bool per100gram) {
    const int livsmedel = fodtab100.Faltposition(QStringLiteral("Livsmedel"));
    const int portionsstorlek = fodtab100.Faltposition(QStringLiteral("Portionsstorlek"));
    if (livsmedel < 0 || portionsstorlek < 0)
        throw Tabellfel(QStringLiteral("Livsmedelstabellen saknar fälten Livsmedel och Portionsstorlek"));
    const int naring = nummer - 1;
    const QString enhet = QLatin1Char(' ') + katalog.Enhetsnamn.at(nummer) + QLatin1Char(' ');
    QStringList rader;
    for (fodtab100.Forsta(); !fodtab100.Slut(); fodtab100.Nasta()) {
        const QString namn = fodtab100.Text(livsmedel);
        if (namn == QLatin1String("RESERV")) continue;
        const double varde = fodtab100.Flyttal(naring);
        if (varde <= Sparmangd) continue;
        if (per100gram) {
            rader << Mangd(varde) + enhet + namn;
            continue;
        }
        const double portion = fodtab100.Flyttal(portionsstorlek);
        if (portion < MinstaPortion) continue;
        rader << Mangd(varde * portion / 100) + enhet + namn + QStringLiteral(" (") + QString::number(portion, 'f', 0) +
                     QStringLiteral(" g)");
    }
    // The amounts stand right-aligned first, so the texts order by amount;
    // equal amounts by unit and name.
    std::sort(rader.begin(), rader.end(), [](const QString& a, const QString& b) { return JamforSvenskt(a, b) > 0; });
    return rader;
}

}  // namespace matvarda
