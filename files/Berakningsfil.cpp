#include "files/Berakningsfil.h"

#include "need/Norm.h"

namespace matvarda {
namespace {

constexpr int Rubrikrader = 12;
constexpr int Reservrader = 10;
constexpr int NormtextBredd = 80;
const QString Layoutmarkering = QStringLiteral("100");
const QString Reserv = QStringLiteral("reserv");

QString RadB(const TMaltidsrad& rad) {
    QString b = Heltalstext(rad.Gram) + '/' + Heltalstext(rad.Portion) + '@' + rad.Enhet;
    if (!rad.Tillagg.isEmpty()) b += '&' + rad.Tillagg;
    return b;
}

// "grams", or "grams/portion@unit", with "&tag" after the unit; the text
// has no escaping, so a unit holding "&" is cut there.
void DelaRadB(const QString& b, TFilrad& rad) {
    const qsizetype snedstreck = b.indexOf('/');
    if (snedstreck < 0) {
        rad.Gram = b;
        return;
    }
    rad.Gram = b.left(snedstreck);
    const qsizetype snabel = b.indexOf('@', snedstreck + 1);
    if (snabel < 0) {
        rad.Portion = b.mid(snedstreck + 1);
        return;
    }
    rad.Portion = b.mid(snedstreck + 1, snabel - snedstreck - 1);
    const QString rest = b.mid(snabel + 1);
    const qsizetype och = rest.indexOf('&');
    if (och < 0) {
        rad.Enhet = rest;
        return;
    }
    rad.Enhet = rest.left(och);
    rad.Tillagg = rest.mid(och + 1);
}

TBerakningsfil LasAldre(const QStringList& rader) {
    TBerakningsfil fil;
    fil.Aldre = true;
    qsizetype i = 0;
    for (int d = 0; d < AntalDagar; ++d)
        for (int m = 0; m < AntalMaltider; ++m)
            for (int k = 0; k < AntalPlatser; ++k, i += 2) {
                if (i >= rader.size()) return fil;
                // Slot 0 is never a food's: one there would sit unseen in the meal.
                if (k == 0 || rader[i] == QLatin1String("0")) continue;
                fil.Rader.push_back({d, m, k, rader[i], rader.value(i + 1), std::nullopt, std::nullopt, QString()});
            }
    return fil;
}

}  // namespace

QStringList Berakningsrader(const TBerakning& berakning, const QString& datum) {
    QStringList rader{Layoutmarkering, datum, QStringLiteral("flera maltider")};
    for (int i = 0; i < 9; ++i) rader << Reserv;
    for (int d = 0; d < AntalDagar; ++d)
        for (int m = 0; m < AntalMaltider; ++m) {
            for (int k = 1; k < AntalPlatser; ++k) {
                const TMaltidsrad& rad = berakning[d][m][k];
                if (ArTom(rad)) continue;
                rader << rad.Kod << RadB(rad);
            }
            rader << QStringLiteral("*%1/%2").arg(d).arg(m);
        }
    return rader;
}

TBerakningsfil LasBerakningsrader(const QStringList& rader) {
    if (rader.value(0) != Layoutmarkering) return LasAldre(rader);
    TBerakningsfil fil;
    fil.Datum = rader.value(1);
    qsizetype i = Rubrikrader;
    for (int d = 0; d < AntalDagar; ++d)
        for (int m = 0; m < AntalMaltider; ++m)
            for (int k = 1;;) {
                if (i >= rader.size()) return fil;
                const QString& a = rader[i++];
                if (a.startsWith('*')) break;
                const QString b = rader.value(i++);
                if (k > SistaPlats) continue;
                const int plats = k++;
                if (a == QLatin1String("0")) continue;
                TFilrad rad{d, m, plats, a};
                DelaRadB(b, rad);
                fil.Rader.push_back(std::move(rad));
            }
    return fil;
}

QStringList Normrader(const TBehov& behov) {
    QStringList rader(Reservrader, Reserv);
    rader << behov.Normtyp << behov.Normtext;
    for (const float varde : behov.Dagsbehov) rader << QString::number(varde, 'f', 3);
    return rader;
}

QString LasNormrader(const QStringList& rader, TBehov& behov) {
    behov.Normtyp = rader.value(Reservrader);
    behov.Normtext = rader.value(Reservrader + 1).left(NormtextBredd);
    for (int k = 0; k < AntalNaringsamnen; ++k) behov.Dagsbehov[k] = TextTillTal(rader.value(Reservrader + 2 + k));
    return behov.Normtyp;
}

}  // namespace matvarda
