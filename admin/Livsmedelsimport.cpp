#include "admin/Livsmedelsimport.h"

#include "core/Tabellayout.h"
#include "platform/Tabell.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <map>

namespace matvarda {
namespace {

const QString Fodtab100 = QStringLiteral("fodtab100");
const QString Fodtab2005 = QStringLiteral("fodtab2005");

int Falt(const QString& namn) {
    static const QHash<QString, int> positioner = [] {
        QHash<QString, int> p;
        const auto falt = Livsmedelsfalt();
        for (int i = 0; i < falt.size(); ++i) p.insert(falt[i].Namn.toLower(), i);
        return p;
    }();
    return positioner.value(namn.toLower(), -1);
}

// What the user or the project sets and a new release must not overwrite.
const QStringList& EgnaFalt() {
    static const QStringList falt{
        QStringLiteral("Kod"),   QStringLiteral("Portionsstorlek"), QStringLiteral("Enhet"),
        QStringLiteral("Grupp2"), QStringLiteral("kgpris"), QStringLiteral("Grossist"),
        QStringLiteral("Grossartnr"), QStringLiteral("ean"), QStringLiteral("Res2"),
        QStringLiteral("Enhet1"), QStringLiteral("Enhet2"), QStringLiteral("Enhet3"), QStringLiteral("Enhet4"),
        QStringLiteral("port1"), QStringLiteral("port2"), QStringLiteral("port3"), QStringLiteral("port4")};
    return falt;
}

TTabellrad TomRad() {
    TTabellrad rad;
    for (const Faltdefinition& f : Livsmedelsfalt())
        rad.append(f.Typ == Falttyp::Text ? QVariant(QString()) : QVariant(0.0));
    return rad;
}

void Satt(TTabellrad& rad, const QString& falt, const QVariant& varde) { rad[Falt(falt)] = varde; }
QVariant Hamta(const TTabellrad& rad, const QString& falt) { return rad[Falt(falt)]; }

TTabellrad Reservrad(int lopnummer) {
    TTabellrad rad = TomRad();
    Satt(rad, QStringLiteral("Kod"), Reservkod(lopnummer));
    Satt(rad, QStringLiteral("Livsmedel"), Reservnamn);
    return rad;
}

// The agency's number lives in "Res1"; the user's own rows have none.
int Agencynummer(const TTabellrad& rad) { return Hamta(rad, QStringLiteral("Res1")).toString().toInt(); }

bool ArOanvandReserv(const TTabellrad& rad) {
    return Hamta(rad, QStringLiteral("Livsmedel")).toString() == Reservnamn;
}

void SkrivTabell(const QString& mapp, const QString& namn, const QVector<TTabellrad>& rader) {
    Tabell::Skapa(mapp, namn, Livsmedelsfalt(), QStringLiteral("Kod"),
                  {{QStringLiteral("livsmedel"), QStringLiteral("Livsmedel")}});
    Tabell tabell(mapp, namn);
    tabell.Oppna();
    tabell.BorjaTransaktion();
    for (const TTabellrad& rad : rader) tabell.LaggTillRad(rad);
    tabell.Bekrafta();
}

QVector<TTabellrad> LasTabell(const QString& mapp, const QString& namn) {
    Tabell tabell(mapp, namn);
    if (!tabell.Finns()) return {};
    tabell.Oppna();
    const int antal = static_cast<int>(Livsmedelsfalt().size());
    if (tabell.AntalFalt() != antal)
        throw Fel(QStringLiteral("%1 har %2 fält, väntade %3").arg(tabell.Filsokvag()).arg(tabell.AntalFalt()).arg(antal));
    QVector<TTabellrad> rader;
    tabell.ValjIndex(QString());
    for (tabell.Forsta(); !tabell.Slut(); tabell.Nasta()) {
        TTabellrad rad;
        for (int i = 0; i < antal; ++i) rad.append(tabell.Varde(i));
        rader.append(rad);
    }
    return rader;
}

const TTabellrad* Hitta(const std::map<int, const TTabellrad*>& index, int nummer) {
    const auto plats = index.find(nummer);
    return plats == index.end() ? nullptr : plats->second;
}

QString ReservradensKod(const QSet<QString>& upptagna, int& lopnummer) {
    while (upptagna.contains(Reservkod(lopnummer))) ++lopnummer;
    return Reservkod(lopnummer);
}

// Adds unused reserve rows until there are AntalReservrader of them.
int FyllReserv(QVector<TTabellrad>& rader, QSet<QString>& upptagna) {
    int oanvanda = static_cast<int>(std::count_if(rader.begin(), rader.end(), ArOanvandReserv));
    int lopnummer = 1;
    for (; oanvanda < AntalReservrader; ++oanvanda) {
        TTabellrad rad = Reservrad(0);
        const QString kod = ReservradensKod(upptagna, lopnummer);
        Satt(rad, QStringLiteral("Kod"), kod);
        upptagna.insert(kod);
        rader.append(rad);
    }
    return oanvanda;
}

// A code the tables do not use yet; the rule's code unless a user row took it.
QString LedigKod(const QString& kod, const QSet<QString>& upptagna) {
    if (!upptagna.contains(kod)) return kod;
    for (char tillagg = 'a'; tillagg <= 'z'; ++tillagg)
        if (!upptagna.contains(kod + QLatin1Char(tillagg))) return kod + QLatin1Char(tillagg);
    throw Fel(QStringLiteral("Ingen ledig kod för %1").arg(kod));
}

void ErsattTabeller(const QString& mapp, const QString& nyMapp) {
    for (const QString& namn : {Fodtab100, Fodtab2005}) {
        const QString fil = QDir(mapp).filePath(namn + QStringLiteral(".db"));
        const QString kopia = fil + QStringLiteral(".bak");
        QFile::remove(kopia);
        if (QFile::exists(fil) && !QFile::rename(fil, kopia))
            throw Fel(QStringLiteral("Kan ej byta namn på %1").arg(fil));
        if (!QFile::rename(QDir(nyMapp).filePath(namn + QStringLiteral(".db")), fil))
            throw Fel(QStringLiteral("Kan ej skriva %1").arg(fil));
    }
}

}  // namespace

QString Livsmedelskod(QChar kodtecken, int nummer) {
    return kodtecken + QStringLiteral("%1").arg(nummer, 4, 10, QLatin1Char('0'));
}

QString Reservkod(int lopnummer) { return QStringLiteral("Z%1").arg(lopnummer, 4, 10, QLatin1Char('0')); }

TTabellrad Livsmedelsrad(const TKallivsmedel& livsmedel, const THarledning& harledning, const QString& version,
                         const QString& kod) {
    TTabellrad rad = TomRad();
    Satt(rad, QStringLiteral("Kod"), kod);
    Satt(rad, QStringLiteral("Livsmedel"), livsmedel.Namn);
    Satt(rad, QStringLiteral("Portionsstorlek"), harledning.Enheter[0].Gram);
    Satt(rad, QStringLiteral("Enhet"), harledning.Enheter[0].Namn);
    Satt(rad, QStringLiteral("Grupp1"), livsmedel.Gruppering);
    Satt(rad, QStringLiteral("Grupp2"), harledning.Bildgrupp);
    Satt(rad, QStringLiteral("kgpris"), harledning.Kgpris);
    Satt(rad, QStringLiteral("Datum"), version);
    Satt(rad, QStringLiteral("Res1"), QString::number(livsmedel.Nummer));
    Satt(rad, QStringLiteral("Avfall _%_"), livsmedel.Avfall);
    for (int i = 0; i < AntalNaringsamnen; ++i) rad[ForstaNaringsfalt + i] = livsmedel.Naring[i];
    for (int i = 0; i < harledning.Enheter.size(); ++i) {
        Satt(rad, QStringLiteral("Enhet%1").arg(i + 1), harledning.Enheter[i].Namn);
        Satt(rad, QStringLiteral("port%1").arg(i + 1), harledning.Enheter[i].Gram);
    }
    return rad;
}

TImportresultat ByggLivsmedelstabeller(const TUtgava& utgava, const TLivsmedelsregler& regler, const QString& mapp) {
    TImportresultat resultat;
    QVector<TTabellrad> rader;
    QSet<QString> upptagna;
    for (const TKallivsmedel& livsmedel : utgava.Livsmedel) {
        const THarledning h = Harled(regler, livsmedel, resultat.Varningar);
        const QString kod = Livsmedelskod(h.Kodtecken, livsmedel.Nummer);
        upptagna.insert(kod);
        rader.append(Livsmedelsrad(livsmedel, h, utgava.Version, kod));
    }
    resultat.Livsmedel = resultat.Nya = static_cast<int>(rader.size());
    resultat.Reservrader = FyllReserv(rader, upptagna);
    QDir().mkpath(mapp);
    SkrivTabell(mapp, Fodtab100, rader);
    SkrivTabell(mapp, Fodtab2005, {});
    return resultat;
}

TImportresultat UppdateraLivsmedelstabeller(const TUtgava& utgava, const TLivsmedelsregler& regler,
                                            const QString& mapp) {
    if (!Tabell(mapp, Fodtab100).Finns())
        throw Fel(QStringLiteral("%1 saknar fodtab100 att uppdatera").arg(QDir::toNativeSeparators(mapp)));
    const QVector<TTabellrad> gamla100 = LasTabell(mapp, Fodtab100);
    QVector<TTabellrad> gamla2005 = LasTabell(mapp, Fodtab2005);

    QSet<QString> upptagna;
    std::map<int, const TTabellrad*> i100, i2005;
    for (const TTabellrad& rad : gamla100) {
        upptagna.insert(Hamta(rad, QStringLiteral("Kod")).toString());
        if (Agencynummer(rad) > 0) i100[Agencynummer(rad)] = &rad;
    }
    for (const TTabellrad& rad : gamla2005) {
        upptagna.insert(Hamta(rad, QStringLiteral("Kod")).toString());
        if (Agencynummer(rad) > 0) i2005[Agencynummer(rad)] = &rad;
    }

    TImportresultat resultat;
    QVector<TTabellrad> nya100;
    QSet<QString> aterkomna;  // codes that come back from fodtab2005
    QSet<int> iUtgavan;
    for (const TKallivsmedel& livsmedel : utgava.Livsmedel) {
        iUtgavan.insert(livsmedel.Nummer);
        const THarledning h = Harled(regler, livsmedel, resultat.Varningar);
        // A food that comes back from fodtab2005 takes back what it had, like
        // a food that stayed.
        const TTabellrad* gammal = Hitta(i100, livsmedel.Nummer);
        if (!gammal) {
            gammal = Hitta(i2005, livsmedel.Nummer);
            if (gammal) aterkomna.insert(Hamta(*gammal, QStringLiteral("Kod")).toString());
        }
        if (gammal) {
            TTabellrad rad = Livsmedelsrad(livsmedel, h, utgava.Version, QString());
            for (const QString& falt : EgnaFalt()) Satt(rad, falt, Hamta(*gammal, falt));
            nya100.append(rad);
        } else {
            const QString kod = LedigKod(Livsmedelskod(h.Kodtecken, livsmedel.Nummer), upptagna);
            upptagna.insert(kod);
            nya100.append(Livsmedelsrad(livsmedel, h, utgava.Version, kod));
            ++resultat.Nya;
        }
    }
    resultat.Livsmedel = static_cast<int>(nya100.size());

    // fodtab2005 keeps what it had, less the foods that came back, plus the
    // foods that left this release (a newer row replaces an older one).
    QVector<TTabellrad> nya2005;
    QSet<QString> flyttadeKoder;
    for (const TTabellrad& rad : gamla100)
        if (Agencynummer(rad) > 0 && !iUtgavan.contains(Agencynummer(rad))) {
            nya2005.append(rad);
            flyttadeKoder.insert(Hamta(rad, QStringLiteral("Kod")).toString());
        }
    resultat.Flyttade = static_cast<int>(nya2005.size());
    for (const TTabellrad& rad : gamla2005) {
        const QString kod = Hamta(rad, QStringLiteral("Kod")).toString();
        if (!aterkomna.contains(kod) && !flyttadeKoder.contains(kod)) nya2005.append(rad);
    }
    for (const TTabellrad& rad : gamla100)
        if (Agencynummer(rad) <= 0) nya100.append(rad);
    resultat.Reservrader = FyllReserv(nya100, upptagna);

    QTemporaryDir ny(QDir(mapp).filePath(QStringLiteral(".uppdatering-XXXXXX")));
    if (!ny.isValid()) throw Fel(QStringLiteral("Kan ej skapa en arbetsmapp i %1").arg(mapp));
    SkrivTabell(ny.path(), Fodtab100, nya100);
    SkrivTabell(ny.path(), Fodtab2005, nya2005);
    ErsattTabeller(mapp, ny.path());
    return resultat;
}

}  // namespace matvarda
