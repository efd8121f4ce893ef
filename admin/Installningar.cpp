#include "admin/Installningar.h"

#include "platform/Textfil.h"

namespace matvarda {

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

namespace {

// The ideal values in the order of their cells.
constexpr std::array<float TIdealfordelning::*, AntalIdealvarden> Idealfalt{
    &TIdealfordelning::Protein,      &TIdealfordelning::Fett,        &TIdealfordelning::Kolhydrat,
    &TIdealfordelning::Enkelomattat, &TIdealfordelning::Fleromattat, &TIdealfordelning::Mattat};

}  // namespace

TInstallningstexter Installningstexter(const TInstallningar& installningar) {
    const auto text = [](float varde) { return QString::number(varde, 'g', 6); };
    TInstallningstexter texter;
    for (int i = 0; i < AntalAndelar; ++i) texter[i] = text(installningar.Maltidsandel[i] * 100);
    for (int i = 0; i < AntalIdealvarden; ++i)
        texter[AntalAndelar + i] = text(installningar.Idealfordelning.*Idealfalt[i]);
    return texter;
}

void TillampaInstallningar(const TInstallningstexter& texter, TInstallningar& installningar) {
    for (int i = 0; i < AntalAndelar; ++i) installningar.Maltidsandel[i] = TextTillTal(texter[i]) / 100;
    for (int i = 0; i < AntalIdealvarden; ++i)
        installningar.Idealfordelning.*Idealfalt[i] = TextTillTal(texter[AntalAndelar + i]);
}

}  // namespace matvarda
