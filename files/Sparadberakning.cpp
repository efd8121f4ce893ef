#include "files/Sparadberakning.h"

#include "core/Filval.h"
#include "platform/Textfil.h"
#include "files/Berakningsfil.h"
#include "need/Aktiviteter.h"
#include "need/Aktivitetsfil.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <algorithm>

namespace matvarda {
namespace {

const QString Dbok = QStringLiteral(".dbok");
const QString Norm = QStringLiteral(".norm");

// The foods of a file, filled as the meal grid fills a row, by code.
using TLivsmedelsrader = QHash<QString, TMaltidsrad>;

// Codes per query, well below the store's limit of bound values.
constexpr qsizetype Kodersats = 500;

// Looks the codes up in one query per batch and takes those found out of
// the list.
void HamtaRader(Tabell& tabell, QStringList& koder, TLivsmedelsrader& rader) {
    for (qsizetype fran = 0; fran < koder.size(); fran += Kodersats) {
        const auto slut = koder.begin() + std::min(fran + Kodersats, koder.size());
        tabell.HittaNycklar(QVariantList(koder.begin() + fran, slut));
        for (; !tabell.Slut(); tabell.Nasta()) {
            const QString kod = tabell.Text(QStringLiteral("Kod"));
            FyllPlats(rader[kod], kod, tabell);
        }
    }
    koder.removeIf([&](const QString& kod) { return rader.contains(kod); });
}

// fodtab2005 is asked for the codes that fodtab100 lacks; the legacy layout
// knows fodtab100 only.
TLivsmedelsrader HamtaLivsmedelsrader(const TBerakningsfil& fil, TLivsmedelstabeller& tabeller) {
    QStringList koder;
    for (const TFilrad& rad : fil.Rader) koder << rad.Kod;
    koder.removeDuplicates();
    TLivsmedelsrader rader;
    HamtaRader(tabeller.Fodtab100, koder, rader);
    if (!fil.Aldre) HamtaRader(tabeller.Fodtab2005, koder, rader);
    return rader;
}

// A food gone from the tables leaves its slot empty without a word.
void FyllRad(const TFilrad& rad, const TMaltidsrad& livsmedel, TMaltidsrad& plats) {
    plats = livsmedel;
    if (rad.Enhet) SattText(plats.Enhet, *rad.Enhet, EnhetBredd);
    if (rad.Portion) plats.Portion = TextTillTal(*rad.Portion);
    plats.Gram = TextTillTal(rad.Gram);
    SattText(plats.Tillagg, rad.Tillagg, TillaggBredd);
}

// The legacy layout carries neither alternative units nor tags.
void FyllAldreRad(const TFilrad& rad, const TMaltidsrad& livsmedel, TMaltidsrad& plats) {
    plats = livsmedel;
    plats.Enhet1 = plats.Enhet2 = plats.Enhet3 = plats.Enhet4 = QString();
    plats.Port1 = plats.Port2 = plats.Port3 = plats.Port4 = 0;
    plats.Gram = TextTillTal(rad.Gram);
}

QString SaknasText(const TFilrad& rad) {
    return QStringLiteral("dag=%1 maltid=%2 rad=%3 Livsmedel med nr %4 finns ej.")
        .arg(rad.Dag + 1)
        .arg(rad.Maltid + 1)
        .arg(rad.Plats + 1)
        .arg(rad.Kod);
}

QString Idag() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

}  // namespace

bool SkrivBerakning(TTillstand& t, Dialoger& dialoger, const QString& namn, const QString& datum) {
    const QString dbok = BytTillagg(namn, Dbok);
    const bool sparad = SkrivTextrader(dbok, Berakningsrader(t.Dagbok.Berakning, datum));
    if (sparad) {
        t.Rubrik = dbok + QStringLiteral("   ") + t.Behov.Normtext;
        t.Dagbok.Andrad = false;
    } else {
        dialoger.Meddelande(QStringLiteral("Kan ej spara beräkningen"));
    }
    if (!SkrivTextrader(BytTillagg(namn, Norm), Normrader(t.Behov)))
        dialoger.Meddelande(QStringLiteral("Kan ej spara aktuell norm"));
    if (!SparaAktivitetslista(BytTillagg(namn, Aktivitetstillagg), t.Aktiviteter))
        dialoger.Meddelande(KanEjSparaAktiviteterna);
    return sparad;
}

bool SparaBerakning(TTillstand& t, Dialoger& dialoger) {
    const auto namn = ValjSparfil(dialoger, QStringLiteral("Spara beräkning"), t.Start.Berakningsmapp,
                                  QStringLiteral("dbok|*.dbok"), Dbok);
    return namn && SkrivBerakning(t, dialoger, *namn, Idag());
}

bool LasBerakning(TTillstand& t, TLivsmedelstabeller& tabeller, Tabell& normer, Dialoger& dialoger,
                  const QString& fil) {
    // A companion that cannot be read leaves the need and the activities as
    // they were.
    const auto norm = LasTextrader(BytTillagg(fil, Norm));
    if (norm && LasNormrader(*norm, t.Behov) == QLatin1String("aktivnorm")) {
        TomAktivitetstabell(t.Aktiviteter);
        LasAktivitetslista(BytTillagg(fil, Aktivitetstillagg), t.Aktiviteter);
        BeraknaAktiviteter(t, normer);
    }
    const auto rader = LasTextrader(fil);
    if (!rader) {
        dialoger.Meddelande(QStringLiteral("Kan ej öppna beräkningen"));
        return false;
    }
    const TBerakningsfil innehall = LasBerakningsrader(*rader);
    const TLivsmedelsrader livsmedel = HamtaLivsmedelsrader(innehall, tabeller);
    TBerakning& berakning = t.Dagbok.Berakning;
    for (const TFilrad& rad : innehall.Rader) {
        const auto hittat = livsmedel.constFind(rad.Kod);
        TMaltidsrad& plats = berakning[rad.Dag][rad.Maltid][rad.Plats];
        if (hittat == livsmedel.cend()) {
            if (innehall.Aldre) dialoger.Meddelande(SaknasText(rad));
        } else if (innehall.Aldre) {
            FyllAldreRad(rad, *hittat, plats);
        } else {
            FyllRad(rad, *hittat, plats);
        }
    }
    t.Rubrik = fil + QStringLiteral("   ") + t.Behov.Normtext;
    if (!innehall.Aldre) t.Rubrik += QStringLiteral("  /") + innehall.Datum;
    return true;
}

bool HamtaBerakning(TTillstand& t, TLivsmedelstabeller& tabeller, Tabell& normer, Dialoger& dialoger) {
    const auto fil =
        dialoger.OppnaFil(QStringLiteral("Öppna beräkning"), t.Start.Berakningsmapp, QStringLiteral("matvarda|*.dbok"));
    if (!fil) return false;
    if (!NyBerakning(t.Dagbok, dialoger, [&] { return SparaBerakning(t, dialoger); })) return false;
    t.Rubrik = t.Behov.Normtext;
    LasBerakning(t, tabeller, normer, dialoger, *fil);
    return true;
}

void RaderaBerakningar(const QString& mapp, Dialoger& dialoger) {
    while (const auto fil = dialoger.OppnaFil(QStringLiteral("Välj beräkning som du vill radera."), mapp,
                                              QStringLiteral("matvarda|*.dbok"))) {
        // A file that cannot be deleted ends the attempt without a word.
        if (QFileInfo::exists(*fil) && !QFile::remove(*fil)) continue;
        const QString akt = BytTillagg(*fil, Aktivitetstillagg);
        if (QFileInfo::exists(akt) && !QFile::remove(akt)) continue;
        dialoger.Meddelande(*fil + QStringLiteral(" borttagen"));
    }
}

}  // namespace matvarda
