#include "admin/Livsmedelsregler.h"

#include "platform/Textfil.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace matvarda {
namespace {

constexpr int MaxEnheter = 4;
constexpr int StandardenhetBredd = 8;  // the food list keeps 8 characters of the unit
constexpr int EnhetBredd = 16;

bool OrdgransFore(const QString& text, qsizetype plats) {
    return plats == 0 || !text[plats - 1].isLetterOrNumber();
}

bool BorjarOrd(const QString& text, const QString& term) {
    for (qsizetype i = text.indexOf(term); i >= 0; i = text.indexOf(term, i + 1))
        if (OrdgransFore(text, i)) return true;
    return false;
}

struct TRad {
    int Nummer;  // 1-based line number
    QStringList Celler;
};

QString Plats(const QString& fil, int rad) { return QStringLiteral("%1 rad %2").arg(QDir::toNativeSeparators(fil)).arg(rad); }

// The non-empty, non-comment lines of a rule file split into cells.
QVector<TRad> LasCeller(const QString& fil, int antalKolumner) {
    const auto innehall = LasFil(fil);
    if (!innehall) throw Fel(QStringLiteral("Kan ej läsa %1").arg(fil));
    static const QRegularExpression tabbar(QStringLiteral("\t+"));
    QVector<TRad> rader;
    const QStringList text = DelaRader(QString::fromUtf8(*innehall));
    for (int i = 0; i < text.size(); ++i) {
        const QString rad = text[i].trimmed();
        if (rad.isEmpty() || rad.startsWith('#')) continue;
        QStringList celler = rad.split(tabbar);
        if (celler.size() != antalKolumner)
            throw Fel(QStringLiteral("%1: %2 kolumner, väntade %3").arg(Plats(fil, i + 1)).arg(celler.size()).arg(antalKolumner));
        for (QString& cell : celler) {
            cell = cell.trimmed();
            if (cell == QLatin1String("-")) cell.clear();
        }
        rader.append({i + 1, celler});
    }
    return rader;
}

void KravKodtecken(const QString& tecken, const QString& plats) {
    const bool ratt = tecken.size() == 1 && ((tecken[0] >= u'1' && tecken[0] <= u'9') ||
                                             (tecken[0] >= u'A' && tecken[0] <= u'Y'));
    if (!ratt) throw Fel(QStringLiteral("%1: kodtecknet \"%2\" ska vara 1..9 eller A..Y (Z är reservradernas)").arg(plats, tecken));
}

// The picture search takes a food when its group is a part of the clicked
// group text, so a part of one of the nine texts is enough.
void KravBildgrupp(const QString& grupp, const QString& plats) {
    const bool hittas = !grupp.isEmpty() && std::any_of(Bildgrupper().begin(), Bildgrupper().end(), [&](const QString& g) {
        return g.toUpper().contains(grupp.toUpper());
    });
    if (!hittas) throw Fel(QStringLiteral("%1: ingen bildgrupp söker \"%2\"").arg(plats, grupp));
}

void KravPris(const QString& pris, const QString& plats) {
    bool ok = false;
    const double tal = pris.toDouble(&ok);
    if (!ok || tal < 0 || pris.size() > 10) throw Fel(QStringLiteral("%1: ogiltigt pris \"%2\"").arg(plats, pris));
}

void KravEnheter(const QString& enheter, const QString& plats) {
    try {
        TolkaEnheter(enheter);
    } catch (const Fel& fel) {
        throw Fel(QStringLiteral("%1: %2").arg(plats, fel.Meddelande()));
    }
}

// Checks the values of every rule as it is read, so that a typing error
// names its line instead of showing up as odd data.
void KravVarden(const QString& filnamn, const QStringList& varden, const QString& plats) {
    if (filnamn == QLatin1String("grupper.tsv")) {
        KravKodtecken(varden[0], plats);
        KravBildgrupp(varden[1], plats);
    } else if (filnamn == QLatin1String("enheter.tsv")) {
        KravEnheter(varden[0], plats);
    } else if (filnamn == QLatin1String("priser.tsv")) {
        KravPris(varden[0], plats);
    }
}

TUndantag LasUndantag(const TRad& rad, const QString& plats) {
    TUndantag u;
    bool ok = false;
    u.Nummer = rad.Celler[0].toInt(&ok);
    if (!ok || u.Nummer <= 0) throw Fel(QStringLiteral("%1: ogiltigt nummer").arg(plats));
    u.Livsmedel = rad.Celler[1];
    u.Enheter = rad.Celler[2];
    u.Kgpris = rad.Celler[3];
    u.Kodtecken = rad.Celler[4];
    u.Bildgrupp = rad.Celler[5];
    if (!u.Enheter.isEmpty()) KravEnheter(u.Enheter, plats);
    if (!u.Kgpris.isEmpty()) KravPris(u.Kgpris, plats);
    if (!u.Kodtecken.isEmpty()) KravKodtecken(u.Kodtecken, plats);
    if (!u.Bildgrupp.isEmpty()) KravBildgrupp(u.Bildgrupp, plats);
    return u;
}

const QStringList& HittaRegel(const TRegeltabell& tabell, const TKallivsmedel& livsmedel, const char* vad) {
    const QStringList* varden = tabell.Hitta(livsmedel.Gruppering, livsmedel.Namn);
    if (!varden)
        throw Fel(QStringLiteral("Ingen regel för %1 passar livsmedel %2 \"%3\"")
                            .arg(QLatin1String(vad)).arg(livsmedel.Nummer).arg(livsmedel.Namn));
    return *varden;
}

}  // namespace

TNamnvillkor TNamnvillkor::Tolka(const QString& text) {
    TNamnvillkor villkor;
    const QString hela = text.trimmed();
    if (hela.isEmpty() || hela == QLatin1String("*")) return villkor;
    for (const QString& alternativ : hela.split('|')) {
        QVector<TTerm> termer;
        for (QString term : alternativ.split('&')) {
            term = term.trimmed().toLower();
            TTerm t;
            if (term.startsWith('!')) {
                t.Negerad = true;
                term.remove(0, 1);
            }
            t.Slag = (term.startsWith('*') || term.startsWith('^') || term.startsWith('~')) ? term[0] : QChar(' ');
            if (t.Slag != u' ') term.remove(0, 1);
            t.Text = term;
            if (!t.Text.isEmpty()) termer.append(t);
        }
        if (!termer.isEmpty()) villkor.alternativ_.append(termer);
    }
    return villkor;
}

bool TNamnvillkor::Passar(const QString& namn) const {
    if (alternativ_.isEmpty()) return true;
    const QString text = namn.toLower();
    const QString forstaOrd = text.section(' ', 0, 0);
    const auto haller = [&](const TTerm& t) {
        const bool traff = t.Slag == u'^'   ? text.startsWith(t.Text)
                           : t.Slag == u'*' ? text.contains(t.Text)
                           : t.Slag == u'~' ? forstaOrd.contains(t.Text)
                                            : BorjarOrd(text, t.Text);
        return traff != t.Negerad;
    };
    return std::any_of(alternativ_.begin(), alternativ_.end(),
                       [&](const QVector<TTerm>& termer) { return std::all_of(termer.begin(), termer.end(), haller); });
}

QVector<TEnhet> TolkaEnheter(const QString& text) {
    QVector<TEnhet> enheter;
    for (const QString& del : text.split(';', Qt::SkipEmptyParts)) {
        const qsizetype lika = del.lastIndexOf('=');
        TEnhet enhet{del.left(lika).trimmed(), 0};
        bool ok = false;
        if (lika > 0) enhet.Gram = del.mid(lika + 1).trimmed().toDouble(&ok);
        if (!ok || enhet.Namn.isEmpty() || enhet.Gram <= 0)
            throw Fel(QStringLiteral("enheten \"%1\" ska skrivas namn=gram").arg(del.trimmed()));
        if (enhet.Namn.size() > EnhetBredd)
            throw Fel(QStringLiteral("enheten \"%1\" är längre än %2 tecken").arg(enhet.Namn).arg(EnhetBredd));
        enheter.append(enhet);
    }
    if (enheter.isEmpty() || enheter.size() > MaxEnheter)
        throw Fel(QStringLiteral("\"%1\": en till fyra enheter").arg(text));
    if (enheter[0].Namn.size() > StandardenhetBredd)
        throw Fel(QStringLiteral("standardenheten \"%1\" är längre än %2 tecken").arg(enheter[0].Namn).arg(StandardenhetBredd));
    return enheter;
}

QString SkrivEnheter(const QVector<TEnhet>& enheter) {
    QStringList delar;
    for (const TEnhet& e : enheter) delar.append(QStringLiteral("%1=%2").arg(e.Namn).arg(e.Gram));
    return delar.join(QStringLiteral("; "));
}

TRegeltabell TRegeltabell::Las(const QString& fil, int antalVarden) {
    TRegeltabell tabell;
    const QString filnamn = QFileInfo(fil).fileName();
    for (const TRad& rad : LasCeller(fil, 2 + antalVarden)) {
        const QString plats = Plats(fil, rad.Nummer);
        TRegel regel;
        const QString grupper = rad.Celler[0];
        if (!grupper.isEmpty() && grupper != QLatin1String("*"))
            for (const QString& g : grupper.split('|')) regel.Grupperingar.append(g.trimmed());
        if (rad.Celler[1].contains('(') || rad.Celler[1].contains(')'))
            throw Fel(QStringLiteral("%1: parenteser stöds inte, skriv ut alternativen").arg(plats));
        regel.Villkor = TNamnvillkor::Tolka(rad.Celler[1]);
        regel.Varden = rad.Celler.mid(2);
        KravVarden(filnamn, regel.Varden, plats);
        tabell.regler_.append(regel);
    }
    return tabell;
}

const QStringList* TRegeltabell::Hitta(const QString& gruppering, const QString& namn) const {
    for (const TRegel& regel : regler_) {
        if (!regel.Grupperingar.isEmpty() && !regel.Grupperingar.contains(gruppering)) continue;
        if (regel.Villkor.Passar(namn)) return &regel.Varden;
    }
    return nullptr;
}

TLivsmedelsregler TLivsmedelsregler::Las(const QString& mapp) {
    const QDir dir(mapp);
    TLivsmedelsregler regler;
    regler.Grupper = TRegeltabell::Las(dir.filePath(QStringLiteral("grupper.tsv")), 2);
    regler.Enheter = TRegeltabell::Las(dir.filePath(QStringLiteral("enheter.tsv")), 1);
    regler.Priser = TRegeltabell::Las(dir.filePath(QStringLiteral("priser.tsv")), 1);
    const QString undantagsfil = dir.filePath(QStringLiteral("undantag.tsv"));
    for (const TRad& rad : LasCeller(undantagsfil, 6)) {
        const QString plats = Plats(undantagsfil, rad.Nummer);
        TUndantag u = LasUndantag(rad, plats);
        if (regler.Undantag.count(u.Nummer))
            throw Fel(QStringLiteral("%1: nummer %2 har redan ett undantag").arg(plats).arg(u.Nummer));
        regler.Undantag[u.Nummer] = u;
    }
    return regler;
}

THarledning Harled(const TLivsmedelsregler& regler, const TKallivsmedel& livsmedel, QStringList& varningar) {
    const TUndantag* undantag = nullptr;
    if (const auto i = regler.Undantag.find(livsmedel.Nummer); i != regler.Undantag.end()) {
        undantag = &i->second;
        if (undantag->Livsmedel != livsmedel.Namn) {
            varningar.append(QStringLiteral("Undantaget för nummer %1 gäller \"%2\", men utgåvan kallar det \"%3\"; undantaget används inte.")
                                 .arg(livsmedel.Nummer).arg(undantag->Livsmedel, livsmedel.Namn));
            undantag = nullptr;
        }
    }
    const auto valj = [&](const QString TUndantag::*falt, const QString& regelvarde) {
        return undantag && !(undantag->*falt).isEmpty() ? undantag->*falt : regelvarde;
    };
    const QStringList& grupp = HittaRegel(regler.Grupper, livsmedel, "grupp");
    const QStringList& enheter = HittaRegel(regler.Enheter, livsmedel, "enheter");
    const QStringList& pris = HittaRegel(regler.Priser, livsmedel, "pris");

    THarledning h;
    h.Kodtecken = valj(&TUndantag::Kodtecken, grupp[0])[0];
    h.Bildgrupp = valj(&TUndantag::Bildgrupp, grupp[1]);
    h.Enheter = TolkaEnheter(valj(&TUndantag::Enheter, enheter[0]));
    h.Kgpris = valj(&TUndantag::Kgpris, pris[0]);
    return h;
}

}  // namespace matvarda
