#include "print/Rapporttext.h"

#include "print/Skrivartext.h"

#include <algorithm>

namespace matvarda {
namespace {

// The columns of the painted page's percent and recommendation labels.
constexpr int Procentkolumn = 70;
constexpr int Rekommendationskolumn = 82;

}  // namespace

QString LasbarStapelrad(const QString& rad) {
    const TStapelrad stapel = LasStapelrad(rad);
    return stapel.Etikett.leftJustified(Procentkolumn, u' ') +
           Procentetikett(stapel).leftJustified(Rekommendationskolumn - Procentkolumn, u' ') + stapel.Rekommendation;
}

QStringList Rapporttext(const TRapport& rapport) {
    QStringList text;
    const QList<TRapportavsnitt> avsnitten = Rapportavsnitt(rapport);
    for (const TRapportavsnitt& avsnitt : avsnitten) {
        if (!text.isEmpty()) text << Sidmatning;
        text << avsnitt.Rubrik;
        // Row 0 holds the field names, no line of the report.
        for (int r = std::max(avsnitt.ForstaRad, 1); r < avsnitt.ForstaRad + avsnitt.AntalRader; ++r) {
            const QString& rad = rapport.Rapportbuffert[r].del1;
            text << (ArStapelrad(rad) ? LasbarStapelrad(rad) : rad);
        }
    }
    return text;
}

}  // namespace matvarda
