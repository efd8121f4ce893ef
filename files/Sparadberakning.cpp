#include "files/Sparadberakning.h"

#include "core/Filval.h"
#include "core/Textfil.h"
#include "files/Berakningsfil.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace matvarda {
namespace {

const QString Dbok = QStringLiteral(".dbok");
const QString Norm = QStringLiteral(".norm");
const QString Akt = QStringLiteral(".akt");

// The food with the code in fodtab100, else in fodtab2005; null when neither
// has it.
const Tabell* HittaLivsmedel(TLivsmedelstabeller& tabeller, const QString& kod) {
    if (HamtaLivsmedel(tabeller.Fodtab100, kod)) return &tabeller.Fodtab100;
    if (HamtaLivsmedel(tabeller.Fodtab2005, kod)) return &tabeller.Fodtab2005;
    return nullptr;
}

// A food gone from both tables leaves its slot empty without a word.
void FyllRad(const TFilrad& rad, TLivsmedelstabeller& tabeller, TMaltidsrad& plats) {
    const Tabell* tabell = HittaLivsmedel(tabeller, rad.Kod);
    if (!tabell) return;
    FyllPlats(plats, rad.Kod, *tabell);
    if (rad.Enhet) SattText(plats.Enhet, *rad.Enhet, EnhetBredd);
    if (rad.Portion) plats.Portion = TextTillTal(*rad.Portion);
    plats.Gram = TextTillTal(rad.Gram);
    SattText(plats.Tillagg, rad.Tillagg, TillaggBredd);
}

// The legacy layout knows fodtab100 only and carries neither alternative
// units nor tags.
void FyllAldreRad(const TFilrad& rad, Tabell& fodtab100, Dialoger& dialoger, TMaltidsrad& plats) {
    if (!HamtaLivsmedel(fodtab100, rad.Kod)) {
        dialoger.Meddelande(QStringLiteral("dag=%1 maltid=%2 rad=%3 Livsmedel med nr %4 finns ej.")
                                .arg(rad.Dag + 1)
                                .arg(rad.Maltid + 1)
                                .arg(rad.Plats + 1)
                                .arg(rad.Kod));
        return;
    }
    FyllPlats(plats, rad.Kod, fodtab100);
    plats.Enhet1 = plats.Enhet2 = plats.Enhet3 = plats.Enhet4 = QString();
    plats.Port1 = plats.Port2 = plats.Port3 = plats.Port4 = 0;
    plats.Gram = TextTillTal(rad.Gram);
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
    return sparad;
}

bool SparaBerakning(TTillstand& t, Dialoger& dialoger) {
    const auto namn = ValjSparfil(dialoger, QStringLiteral("Spara beräkning"), t.Start.Berakningsmapp,
                                  QStringLiteral("dbok|*.dbok"), Dbok);
    return namn && SkrivBerakning(t, dialoger, *namn, Idag());
}

bool LasBerakning(TTillstand& t, TLivsmedelstabeller& tabeller, Dialoger& dialoger, const QString& fil) {
    // A companion that cannot be read leaves the need as it was.
    if (const auto norm = LasTextrader(BytTillagg(fil, Norm))) LasNormrader(*norm, t.Behov);
    const auto rader = LasTextrader(fil);
    if (!rader) {
        dialoger.Meddelande(QStringLiteral("Kan ej öppna beräkningen"));
        return false;
    }
    const TBerakningsfil innehall = LasBerakningsrader(*rader);
    TBerakning& berakning = t.Dagbok.Berakning;
    for (const TFilrad& rad : innehall.Rader) {
        TMaltidsrad& plats = berakning[rad.Dag][rad.Maltid][rad.Plats];
        if (innehall.Aldre)
            FyllAldreRad(rad, tabeller.Fodtab100, dialoger, plats);
        else
            FyllRad(rad, tabeller, plats);
    }
    t.Rubrik = fil + QStringLiteral("   ") + t.Behov.Normtext;
    if (!innehall.Aldre) t.Rubrik += QStringLiteral("  /") + innehall.Datum;
    return true;
}

bool HamtaBerakning(TTillstand& t, TLivsmedelstabeller& tabeller, Dialoger& dialoger) {
    const auto fil =
        dialoger.OppnaFil(QStringLiteral("Öppna beräkning"), t.Start.Berakningsmapp, QStringLiteral("matvarda|*.dbok"));
    if (!fil) return false;
    if (!NyBerakning(t.Dagbok, dialoger, [&] { return SparaBerakning(t, dialoger); })) return false;
    t.Rubrik = t.Behov.Normtext;
    LasBerakning(t, tabeller, dialoger, *fil);
    return true;
}

void RaderaBerakningar(const QString& mapp, Dialoger& dialoger) {
    while (const auto fil = dialoger.OppnaFil(QStringLiteral("Välj beräkning som du vill radera."), mapp,
                                              QStringLiteral("matvarda|*.dbok"))) {
        // A file that cannot be deleted ends the attempt without a word.
        if (QFileInfo::exists(*fil) && !QFile::remove(*fil)) continue;
        const QString akt = BytTillagg(*fil, Akt);
        if (QFileInfo::exists(akt) && !QFile::remove(akt)) continue;
        dialoger.Meddelande(*fil + QStringLiteral(" borttagen"));
    }
}

}  // namespace matvarda
