#include "need/Norm.h"

#include <cmath>

namespace matvarda {
namespace {

const QString Normfaltet = QStringLiteral("Norm");

// An empty field is a need of 0.
template <typename Falt>
TNormrad Normrad(const QString& namn, Falt falt) {
    TNormrad norm;
    norm.Namn = namn.left(NormNamnBredd);
    for (int k = 0; k < AntalNaringsamnen; ++k) norm.Behov[k] = falt(ForstaNaringsfalt + k).toFloat();
    return norm;
}

}  // namespace

TNormrad LasNormrad(const Tabell& normer) {
    return Normrad(normer.Text(Normfaltet), [&](int position) { return normer.Varde(position); });
}

TNormrad LasNormrad(const QSqlRecord& rad) {
    return Normrad(rad.value(Normfaltet).toString(), [&](int position) { return rad.value(position); });
}

QString Heltalstext(float varde) { return QString::number(std::llround(static_cast<double>(varde))); }

QString NormtextMedEnergi(const TNormrad& norm) {
    return QStringLiteral("Norm: %1  %2 kJ/dag (%3 kcal/dag)")
        .arg(norm.Namn, Heltalstext(norm.Behov[EnergiKj]), Heltalstext(norm.Behov[EnergiKcal]));
}

void ValjNorm(const TNormrad& norm, TBehov& behov) {
    behov.Dagsbehov = norm.Behov;
    behov.Normtext = NormtextMedEnergi(norm);
    behov.Normtyp = QStringLiteral("standardnorm");
}

void SattStandardbehov(Tabell& normer, TBehov& behov) {
    normer.Oppna();
    if (!normer.HittaNyckel(StandardNormNr)) normer.Forsta();
    if (normer.Slut()) throw Fel(QStringLiteral("Normtabellen har inga rader."));
    const TNormrad norm = LasNormrad(normer);
    behov.Dagsbehov = norm.Behov;
    behov.Normtext = QStringLiteral("Norm: ") + norm.Namn;
}

}  // namespace matvarda
