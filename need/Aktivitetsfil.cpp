#include "need/Aktivitetsfil.h"

#include "platform/Textfil.h"

#include <QRegularExpression>
#include <optional>

namespace matvarda {
namespace {

constexpr int Personrader = 3;
constexpr int RaderPerAktivitet = 3;

// Blanks may stand around the number; anything else is not an activity list.
std::optional<int> LasKon(const QString& rad) {
    static const QRegularExpression heltal(QStringLiteral("^\\s*([+-]?\\d+)\\s*$"));
    const auto traff = heltal.match(rad);
    if (!traff.hasMatch()) return std::nullopt;
    bool ok = false;
    const int kon = traff.captured(1).toInt(&ok);
    if (!ok || (kon != Kvinna && kon != Man)) return std::nullopt;
    return kon;
}

}  // namespace

QStringList Aktivitetsfilrader(const TAktivitetslista& lista) {
    QStringList rader{lista.Alder, lista.Vikt, QString::number(lista.Kon)};
    for (int r = 1; r <= AntalAktivitetsrader; ++r) {
        const TAktivitetsrad& rad = lista.Rader[r];
        rader << rad.Namn << rad.Minuter << rad.Faktor;
    }
    return rader;
}

bool LasAktivitetsfilrader(const QStringList& rader, TAktivitetslista& lista) {
    if (rader.size() < Personrader) return false;
    const auto kon = LasKon(rader[2]);
    if (!kon) return false;
    lista.Alder = rader[0];
    lista.Vikt = rader[1];
    lista.Kon = *kon;
    for (int r = 1; r <= AntalAktivitetsrader; ++r) {
        const qsizetype forsta = Personrader + RaderPerAktivitet * (r - 1);
        const QString namn = rader.value(forsta);
        lista.Rader[r] = namn.isEmpty() ? TAktivitetsrad{} : TAktivitetsrad{namn, rader.value(forsta + 2), rader.value(forsta + 1), {}, {}};
    }
    return true;
}

bool SparaAktivitetslista(const QString& fil, const TAktivitetslista& lista) {
    return SkrivTextrader(fil, Aktivitetsfilrader(lista));
}

bool LasAktivitetslista(const QString& fil, TAktivitetslista& lista) {
    const auto rader = LasTextrader(fil);
    return rader && LasAktivitetsfilrader(*rader, lista);
}

}  // namespace matvarda
