#include "admin/Installningar.h"

#include "platform/Textfil.h"

namespace matvarda {

const TInstallningstexter StandardInstallningstexter{
    QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("30"), QStringLiteral("15"),  QStringLiteral("15"),
    QStringLiteral("30"), QStringLiteral("55"), QStringLiteral("12.5"), QStringLiteral("7.5"), QStringLiteral("10"),
};

const std::array<QString, AntalIdealvarden> Idealrader{
    QStringLiteral("Protein"),           QStringLiteral("Fett"),
    QStringLiteral("Kolhydrat"),         QStringLiteral("Enkelomättat fett"),
    QStringLiteral("Fleromättat fett"),  QStringLiteral("Mättat fett"),
};

std::optional<TInstallningstexter> LasParafil(const QString& fil) {
    const auto rader = LasTextrader(fil);
    if (!rader) return std::nullopt;
    TInstallningstexter texter;
    for (size_t i = 0; i < texter.size(); ++i) texter[i] = rader->value(static_cast<qsizetype>(i));
    return texter;
}

bool SkrivParafil(const QString& fil, const TInstallningstexter& texter) {
    return SkrivTextrader(fil, QStringList(texter.begin(), texter.end()));
}

void TillampaInstallningar(const TInstallningstexter& texter, TInstallningar& installningar) {
    for (int i = 0; i < AntalAndelar; ++i) installningar.Maltidsandel[i] = TextTillTal(texter[i]) / 100;
    TIdealfordelning& ideal = installningar.Idealfordelning;
    const auto varde = [&](int rad) { return TextTillTal(texter[AntalAndelar + rad]); };
    ideal.Protein = varde(0);
    ideal.Fett = varde(1);
    ideal.Kolhydrat = varde(2);
    ideal.Enkelomattat = varde(3);
    ideal.Fleromattat = varde(4);
    ideal.Mattat = varde(5);
}

}  // namespace matvarda
