#include "admin/Dataleverans.h"

#include "admin/Livsmedelsimport.h"
#include "core/Naringsamnen.h"
#include "core/Tabellayout.h"
#include "platform/Textfil.h"
#include "platform/Tabell.h"

#include <QDir>
#include <QRegularExpression>
#include <cmath>
#include <map>

namespace matvarda {
namespace {

constexpr double KjPerKcal = 4.184;
constexpr double KjPerGramFett = 37;
constexpr double KjPerGramOvrigt = 17;  // protein and carbohydrates

struct TNormkolumn {
    int Nr = 0;
    QString Norm;
    std::array<double, AntalNaringsamnen> Behov{};
};

QStringList LasUtf8Rader(const QString& fil) {
    const auto innehall = LasFil(fil);
    if (!innehall) throw Fel(QStringLiteral("Kan ej läsa %1").arg(fil));
    QStringList rader = DelaRader(QString::fromUtf8(*innehall));
    while (!rader.isEmpty() && rader.last().isEmpty()) rader.removeLast();
    return rader;
}

QStringList UtanKommentarer(const QStringList& rader) {
    QStringList kvar;
    for (const QString& rad : rader)
        if (!rad.startsWith('#')) kvar.append(rad);
    return kvar;
}

int Naringsindex(const QString& faltnamn) {
    for (int i = 0; i < AntalNaringsamnen; ++i)
        if (QString::fromUtf8(Naringsfaltnamn[i]) == faltnamn) return i;
    return -1;
}

bool ArFett(int index) {
    return index == Fett || index == 26 || index == 27 || index == 28;  // fat and the three fatty-acid groups
}

double Avrunda(double varde, int decimaler) {
    const double skala = std::pow(10.0, decimaler);
    return std::round(varde * skala) / skala;
}

double Cellvarde(const QString& cell, int index, double energiKj, const QString& plats) {
    bool ok = false;
    if (cell.endsWith(QLatin1String("E%"))) {
        const double andel = cell.chopped(2).toDouble(&ok);
        if (ok && (ArFett(index) || index == Protein || index == Kolhydrater))
            return Avrunda(andel * energiKj / (100 * (ArFett(index) ? KjPerGramFett : KjPerGramOvrigt)), 1);
    } else if (cell.endsWith(QLatin1String("g/MJ"))) {
        const double perMj = cell.chopped(4).toDouble(&ok);
        if (ok) return Avrunda(perMj * energiKj / 1000, 1);
    } else {
        const double tal = cell.toDouble(&ok);
        if (ok) return tal;
    }
    throw Fel(QStringLiteral("%1: kan ej tolka \"%2\"").arg(plats, cell));
}

QVector<TNormkolumn> LasNormer(const QString& kalla) {
    static const QRegularExpression tabbar(QStringLiteral("\t+"));
    QVector<TNormkolumn> kolumner;
    std::map<int, QStringList> naringsrader;  // nutrient index -> cells
    const QStringList rader = LasUtf8Rader(kalla);
    for (int r = 0; r < rader.size(); ++r) {
        const QString plats = QStringLiteral("%1 rad %2").arg(kalla).arg(r + 1);
        const QString rad = rader[r].trimmed();
        if (rad.isEmpty() || rad.startsWith('#')) continue;
        const QStringList celler = rad.split(tabbar);
        const QString namn = celler[0];
        if (namn == QLatin1String("Nr")) {
            for (int i = 1; i < celler.size(); ++i) kolumner.append({celler[i].toInt(), {}, {}});
            continue;
        }
        if (celler.size() < kolumner.size() + 1) throw Fel(QStringLiteral("%1: för få kolumner").arg(plats));
        if (namn == QLatin1String("Norm")) {
            for (int i = 0; i < kolumner.size(); ++i) kolumner[i].Norm = celler[i + 1];
            continue;
        }
        const int index = Naringsindex(namn);
        if (index < 0 || index == EnergiKcal) throw Fel(QStringLiteral("%1: okänt eller framräknat fält \"%2\"").arg(plats, namn));
        if (celler.size() != kolumner.size() + 2) throw Fel(QStringLiteral("%1: värden och källa väntas").arg(plats));
        naringsrader[index] = celler.mid(1, kolumner.size());
        naringsrader[index].append(plats);
    }
    if (!naringsrader.count(EnergiKj)) throw Fel(QStringLiteral("%1: energibehovet i kJ saknas").arg(kalla));
    for (int k = 0; k < kolumner.size(); ++k) {
        TNormkolumn& kolumn = kolumner[k];
        const QString plats = naringsrader[EnergiKj].last();
        kolumn.Behov[EnergiKj] = Cellvarde(naringsrader[EnergiKj][k], EnergiKj, 0, plats);
        kolumn.Behov[EnergiKcal] = std::round(kolumn.Behov[EnergiKj] / KjPerKcal);
        for (const auto& [index, celler] : naringsrader)
            if (index != EnergiKj) kolumn.Behov[index] = Cellvarde(celler[k], index, kolumn.Behov[EnergiKj], celler.last());
    }
    return kolumner;
}

}  // namespace

void ByggNormtabell(const QString& kalla, const QString& mapp) {
    const QVector<TNormkolumn> normer = LasNormer(kalla);
    const auto falt = Normfalt();
    Tabell::Skapa(mapp, QStringLiteral("normer"), falt, QStringLiteral("Nr"), {});
    Tabell tabell(mapp, QStringLiteral("normer"));
    tabell.Oppna();
    tabell.BorjaTransaktion();
    for (const TNormkolumn& norm : normer) {
        QVariantList rad;
        for (const Faltdefinition& f : falt)
            rad.append(f.Typ == Falttyp::Text ? QVariant(QString()) : QVariant(0.0));
        rad[0] = norm.Nr;
        rad[1] = norm.Norm;
        for (int i = 0; i < AntalNaringsamnen; ++i) rad[ForstaNaringsfalt + i] = norm.Behov[i];
        tabell.LaggTillRad(rad);
    }
    tabell.Bekrafta();
}

QByteArray TillCodepage850(const QString& text) {
    static const std::map<char16_t, char> bokstaver{
        {u'Ä', '\x8E'}, {u'Å', '\x8F'}, {u'Ö', '\x99'}, {u'ä', '\x84'}, {u'å', '\x86'},
        {u'ö', '\x94'}, {u'é', '\x82'}, {u'è', '\x8A'}, {u'°', '\xF8'}};
    QByteArray byte;
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            byte.append(static_cast<char>(c.unicode()));
            continue;
        }
        const auto i = bokstaver.find(c.unicode());
        if (i == bokstaver.end())
            throw Fel(QStringLiteral("Tecknet \"%1\" kan inte skrivas i nvnamn.txt").arg(c));
        byte.append(i->second);
    }
    return byte;
}

void SkrivNvnamn(const QString& kalla, const QString& fil) {
    QByteArray innehall;
    for (const QString& rad : LasUtf8Rader(kalla)) innehall += TillCodepage850(rad) + "\r\n";
    if (!SkrivFil(fil, innehall)) throw Fel(QStringLiteral("Kan ej skriva %1").arg(fil));
}

void SkrivWindowsfil(const QString& kalla, const QString& fil) {
    const QStringList rader = UtanKommentarer(LasUtf8Rader(kalla));
    for (const QString& rad : rader)
        if (FranWindows1252(TillWindows1252(rad)) != rad)
            throw Fel(QStringLiteral("%1: \"%2\" har tecken utanför Windows-1252").arg(kalla, rad));
    if (!SkrivTextrader(fil, rader)) throw Fel(QStringLiteral("Kan ej skriva %1").arg(fil));
}

void SkrivAktivitetsfil(const QString& kalla, const QString& fil) {
    static const QRegularExpression tabbar(QStringLiteral("\t+"));
    QStringList rader;
    for (const QString& rad : UtanKommentarer(LasUtf8Rader(kalla))) {
        if (rad.trimmed().isEmpty()) continue;
        const QStringList celler = rad.split(tabbar);
        if (celler.size() < 2) throw Fel(QStringLiteral("%1: \"%2\" saknar faktor").arg(kalla, rad));
        rader << celler[0].trimmed() << celler[1].trimmed();
    }
    if (!SkrivTextrader(fil, rader)) throw Fel(QStringLiteral("Kan ej skriva %1").arg(fil));
}

QStringList ByggLeverans(const QString& datamapp, const QString& utmapp) {
    const QDir data(datamapp);
    const QDir ut(utmapp);
    QDir().mkpath(utmapp);
    const QStringList utgavor = QDir(data.filePath(QStringLiteral("source"))).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    if (utgavor.size() != 1) throw Fel(QStringLiteral("source/ ska ha exakt en utgåva (.csv)"));

    const TUtgava utgava = LasUtgava(data.filePath(QStringLiteral("source/") + utgavor[0]));
    const TLivsmedelsregler regler = TLivsmedelsregler::Las(data.filePath(QStringLiteral("regler")));
    const TImportresultat resultat = ByggLivsmedelstabeller(utgava, regler, utmapp);
    ByggNormtabell(data.filePath(QStringLiteral("normer.tsv")), utmapp);

    const QDir text(data.filePath(QStringLiteral("text")));
    SkrivNvnamn(text.filePath(QStringLiteral("nvnamn.txt")), ut.filePath(QStringLiteral("nvnamn.txt")));
    SkrivAktivitetsfil(text.filePath(QStringLiteral("aktiv.tsv")), ut.filePath(QStringLiteral("aktiv.txt")));
    for (const QString& namn : {QStringLiteral("nvval.txt"), QStringLiteral("info.txt"), QStringLiteral("matvarda.para"),
                               QStringLiteral("kalla.txt")})
        SkrivWindowsfil(text.filePath(namn), ut.filePath(namn));
    return resultat.Varningar;
}

}  // namespace matvarda
