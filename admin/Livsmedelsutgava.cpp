#include "admin/Livsmedelsutgava.h"

#include "platform/Textfil.h"

#include <QSet>
#include <QStringList>

namespace matvarda {
namespace {

constexpr int Rubrikrad = 2;  // 0-based: title, subtitle, headings
constexpr int ForstaLivsmedelsrad = 3;

// Columns matched by meaning; the agency calls beta-carotene "Betakaroten/β-Karoten".
const std::array<const char*, AntalNaringsamnen> KallkolumnerTabell{
    "Energi (kJ)", "Energi (kcal)", "Vatten (g)", "Aska (g)", "Protein (g)",
    "Fett, totalt (g)", "Kolhydrater, tillgängliga (g)", "Retinol (µg)", "Betakaroten/β-Karoten (µg)",
    "Vitamin A (RE/µg)", "Vitamin D (µg)", "Vitamin E (mg)", "Tiamin (mg)", "Vitamin C (mg)",
    "Riboflavin (mg)", "Niacin (mg)", "Niacinekvivalenter (NE/mg)", "Vitamin B6 (mg)",
    "Vitamin B12 (µg)", "Kalcium, Ca (mg)", "Fosfor, P (mg)", "Järn, Fe (mg)", "Magnesium, Mg (mg)",
    "Natrium, Na (mg)", "Kalium, K (mg)", "Zink, Zn (mg)", "Summa mättade fettsyror (g)",
    "Summa enkelomättade fettsyror (g)", "Summa fleromättade fettsyror (g)", "Kolesterol (mg)",
    "Monosackarider (g)", "Disackarider (g)", "", "Fibrer (g)", "Alkohol (g)",
    "Fettsyra 4:0-10:0 (g)", "Laurinsyra C12:0 (g)", "Myristinsyra C14:0 (g)", "Palmitinsyra C16:0 (g)",
    "Stearinsyra C18:0 (g)", "Arakidinsyra C20:0 (g)", "Palmitoljesyra C16:1 (g)", "Oljesyra C18:1 (g)",
    "Linolsyra C18:2 (g)", "Linolensyra C18:3 (g)", "Arakidonsyra C20:4 (g)", "EPA (C20:5) (g)",
    "DPA (C22:5) (g)", "DHA (C22:6) (g)", "Folat (µg)", "Selen, Se (µg)"};

const char* const NamnKolumn = "Livsmedelsnamn";
const char* const NummerKolumn = "Livsmedelsnummer";
const char* const GruppKolumn = "Gruppering";
const char* const AvfallKolumn = "Avfall (skal etc.) (%)";

struct TKolumner {
    int Namn, Nummer, Gruppering, Avfall;
    std::array<int, AntalNaringsamnen> Naring;
};

QString Plats(const QString& filnamn, int radindex) {
    return QStringLiteral("%1 rad %2").arg(filnamn).arg(radindex + 1);
}

int Kolumn(const QStringList& rubriker, const QString& rubrik, const QString& plats) {
    const qsizetype i = rubriker.indexOf(rubrik);
    if (i < 0) throw Fel(QStringLiteral("%1: kolumnen \"%2\" saknas").arg(plats, rubrik));
    return static_cast<int>(i);
}

TKolumner LasRubriker(const QStringList& rubriker, const QString& plats) {
    TKolumner k{};
    k.Namn = Kolumn(rubriker, NamnKolumn, plats);
    k.Nummer = Kolumn(rubriker, NummerKolumn, plats);
    k.Gruppering = Kolumn(rubriker, GruppKolumn, plats);
    k.Avfall = Kolumn(rubriker, AvfallKolumn, plats);
    for (int i = 0; i < AntalNaringsamnen; ++i) {
        const QString rubrik = QString::fromUtf8(KallkolumnerTabell[i]);
        k.Naring[i] = rubrik.isEmpty() ? -1 : Kolumn(rubriker, rubrik, plats);
    }
    return k;
}

// An empty field means "no value", which the tables hold as 0.
double LasTal(const QString& falt, const QString& plats) {
    if (falt.trimmed().isEmpty()) return 0;
    bool ok = false;
    const double tal = QString(falt.trimmed()).replace(',', '.').toDouble(&ok);
    if (!ok) throw Fel(QStringLiteral("%1: \"%2\" är inget tal").arg(plats, falt));
    return tal;
}

TKallivsmedel LasLivsmedel(const QStringList& falt, const TKolumner& k, const QString& plats) {
    TKallivsmedel livsmedel;
    bool ok = false;
    livsmedel.Nummer = falt[k.Nummer].trimmed().toInt(&ok);
    if (!ok || livsmedel.Nummer <= 0)
        throw Fel(QStringLiteral("%1: ogiltigt livsmedelsnummer \"%2\"").arg(plats, falt[k.Nummer]));
    // The agency's names carry stray double and trailing blanks.
    livsmedel.Namn = falt[k.Namn].simplified();
    livsmedel.Gruppering = falt[k.Gruppering].simplified();
    if (livsmedel.Namn.isEmpty()) throw Fel(QStringLiteral("%1: namnet saknas").arg(plats));
    livsmedel.Avfall = LasTal(falt[k.Avfall], plats);
    for (int i = 0; i < AntalNaringsamnen; ++i)
        livsmedel.Naring[i] = k.Naring[i] < 0 ? 0.0 : LasTal(falt[k.Naring[i]], plats);
    return livsmedel;
}

// "Livsmedelsverkets livsmedelsdatabas version 2022-05-24" gives "2022-05-24".
QString LasVersion(const QString& titelrad) {
    const QString titel = titelrad.section(';', 0, 0).trimmed();
    return titel.section(' ', -1);
}

}  // namespace

const std::array<const char*, AntalNaringsamnen>& Kallkolumner() { return KallkolumnerTabell; }

TUtgava TolkaUtgava(const QByteArray& innehall, const QString& filnamn) {
    QString text = QString::fromUtf8(innehall);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    QStringList rader = text.split('\n');
    for (QString& rad : rader)
        if (rad.endsWith('\r')) rad.chop(1);
    while (!rader.isEmpty() && rader.last().trimmed().isEmpty()) rader.removeLast();
    if (rader.size() <= Rubrikrad) throw Fel(QStringLiteral("%1: rubrikraden saknas").arg(filnamn));

    TUtgava utgava;
    utgava.Version = LasVersion(rader[0]);
    const QStringList rubriker = rader[Rubrikrad].split(';');
    const TKolumner kolumner = LasRubriker(rubriker, Plats(filnamn, Rubrikrad));
    QSet<int> nummer;
    for (int i = ForstaLivsmedelsrad; i < rader.size(); ++i) {
        const QString plats = Plats(filnamn, i);
        const QStringList falt = rader[i].split(';');
        if (falt.size() != rubriker.size())
            throw Fel(QStringLiteral("%1: %2 fält, rubrikraden har %3").arg(plats).arg(falt.size()).arg(rubriker.size()));
        TKallivsmedel livsmedel = LasLivsmedel(falt, kolumner, plats);
        if (nummer.contains(livsmedel.Nummer))
            throw Fel(QStringLiteral("%1: livsmedelsnummer %2 finns redan").arg(plats).arg(livsmedel.Nummer));
        nummer.insert(livsmedel.Nummer);
        utgava.Livsmedel.append(std::move(livsmedel));
    }
    return utgava;
}

TUtgava LasUtgava(const QString& fil) {
    const auto innehall = LasFil(fil);
    if (!innehall) throw Fel(QStringLiteral("Kan ej läsa %1").arg(fil));
    return TolkaUtgava(*innehall, fil);
}

}  // namespace matvarda
