#include "analysis/Toppen.h"

#include "platform/SvenskOrdning.h"

#include <algorithm>

namespace matvarda {
namespace {

constexpr int Vatten = 17;
constexpr int Aska = 18;
constexpr double Sparmangd = 0.011;
constexpr double MinstaPortion = 0.5;
constexpr int Mangdbredd = 10;

QString Mangd(double varde) { return QString::number(varde, 'f', 2).rightJustified(Mangdbredd, ' '); }

// The lines are ordered as texts, case ignored, the largest first. Their
// amounts stand right-aligned first, so the texts order by amount; equal
// amounts by unit and name. The amounts are plain ASCII and compare as such;
// only equal amounts need the Swedish order of the whole line.
bool Fore(const QString& a, const QString& b) {
    const int mangd = QStringView(a).left(Mangdbredd).compare(QStringView(b).left(Mangdbredd));
    if (mangd != 0) return mangd > 0;
    return JamforSvenskt(a, b) > 0;
}

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
        throw Fel(QStringLiteral("Livsmedelstabellen saknar fälten Livsmedel och Portionsstorlek"));
    const QString enhet = QLatin1Char(' ') + katalog.Enhetsnamn.at(nummer) + QLatin1Char(' ');
    QStringList rader;
    for (const QVariantList& rad : fodtab100.LasFalt({livsmedel, portionsstorlek, nummer - 1})) {
        const QString namn = rad[0].toString();
        if (namn == QLatin1String("RESERV")) continue;
        const double varde = rad[2].toDouble();
        if (varde <= Sparmangd) continue;
        if (per100gram) {
            rader << Mangd(varde) + enhet + namn;
            continue;
        }
        const double portion = rad[1].toDouble();
        if (portion < MinstaPortion) continue;
        rader << Mangd(varde * portion / 100) + enhet + namn + QStringLiteral(" (") + QString::number(portion, 'f', 0) +
                     QStringLiteral(" g)");
    }
    std::sort(rader.begin(), rader.end(), Fore);
    return rader;
}

}  // namespace matvarda
