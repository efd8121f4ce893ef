#include "analysis/Infotext.h"

#include "platform/Textfil.h"

#include <QFileInfo>

namespace matvarda {

const std::array<TInfokod, AntalInfokoder> Infokoder{{
    {QStringLiteral("M1 "), QStringLiteral("Energi mkt låg")},
    {QStringLiteral("M2 "), QStringLiteral("Energi låg")},
    {QStringLiteral("M3 "), QStringLiteral("Energi bra")},
    {QStringLiteral("M4 "), QStringLiteral("Energi hög")},
    {QStringLiteral("M5 "), QStringLiteral("Protein mkt lågt")},
    {QStringLiteral("M6 "), QStringLiteral("Protein lågt")},
    {QStringLiteral("M7 "), QStringLiteral("Protein bra")},
    {QStringLiteral("M8 "), QStringLiteral("Protein högt")},
    {QStringLiteral("M9 "), QStringLiteral("Fett mkt lågt")},
    {QStringLiteral("M10 "), QStringLiteral("Fett lågt")},
    {QStringLiteral("M11 "), QStringLiteral("Fett bra")},
    {QStringLiteral("M12 "), QStringLiteral("Fett högt")},
    {QStringLiteral("M13 "), QStringLiteral("Kolh mkt lågt")},
    {QStringLiteral("M14 "), QStringLiteral("Kolh lågt")},
    {QStringLiteral("M15 "), QStringLiteral("Kolh bra")},
    {QStringLiteral("M16 "), QStringLiteral("Kolh högt")},
    {QStringLiteral("M17 "), QStringLiteral("Fiber mkt lågt")},
    {QStringLiteral("M18 "), QStringLiteral("Fiber lågt")},
    {QStringLiteral("M19 "), QStringLiteral("Fiber bra")},
    {QStringLiteral("M20 "), QStringLiteral("Fiber högt")},
    {QStringLiteral("M21 "), QStringLiteral("C mkt lågt")},
    {QStringLiteral("M22 "), QStringLiteral("C lågt")},
    {QStringLiteral("M23 "), QStringLiteral("C bra")},
    {QStringLiteral("M24 "), QStringLiteral("C högt")},
    {QStringLiteral("M25 "), QStringLiteral("Järn mkt lågt")},
    {QStringLiteral("M26 "), QStringLiteral("Järn lågt")},
    {QStringLiteral("M27 "), QStringLiteral("Järn bra")},
    {QStringLiteral("M28 "), QStringLiteral("Järn högt")},
    {QStringLiteral("M29 "), QStringLiteral("Kalc mkt lågt")},
    {QStringLiteral("M30 "), QStringLiteral("Kalc lågt")},
    {QStringLiteral("M31 "), QStringLiteral("Kalc bra")},
    {QStringLiteral("M32 "), QStringLiteral("Kalc högt")},
}};

QStringList Kodrader(const TInfotexter& texter, const QString& kod) {
    QStringList rader;
    for (const QString& rad : texter.Rader)
        if (rad.startsWith(kod)) rader << rad.mid(kod.size());
    return rader;
}

bool LasInfotexter(const QString& fil, TInfotexter& texter) {
    auto rader = LasTextrader(fil);
    texter.Rader = rader ? std::move(*rader) : QStringList();
    return rader.has_value();
}

QString InfotexterSaknas(const QString& fil) {
    return QStringLiteral("Kan ej läsa tips-texterna i filen %1.\nGoda råd visas utan texter.")
        .arg(QFileInfo(fil).absoluteFilePath());
}

TKodtexter Kodtexter(const TInfotexter& texter) {
    TKodtexter kodtexter;
    for (int i = 0; i < AntalInfokoder; ++i) kodtexter[i] = Kodrader(texter, Infokoder[i].Kod);
    return kodtexter;
}

bool SparaInfotexter(const QString& fil, const TKodtexter& kodtexter, TInfotexter& texter) {
    texter.Rader.clear();
    for (int i = 0; i < AntalInfokoder; ++i)
        for (const QString& rad : kodtexter[i]) texter.Rader << Infokoder[i].Kod + rad;
    return SkrivTextrader(fil, texter.Rader);
}

}  // namespace matvarda
