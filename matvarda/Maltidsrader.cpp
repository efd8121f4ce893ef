#include "matvarda/Maltidsrader.h"

#include "calc/RaknaOm.h"
#include "core/Livsmedel.h"

#include <cmath>

namespace matvarda {
namespace {

const QString EjAndraKolumn = QStringLiteral("Du kan inte ändra i denna kolumn");

void SkrivPrisTillTabell(TTillstand& t, Tabell& fodtab100, Dialoger& dialoger, const QString& kod,
                         const QString& text) {
    try {
        if (!HamtaLivsmedel(fodtab100, kod)) return;
        fodtab100.Redigera();
        fodtab100.SattFalt(QStringLiteral("kgpris"), text);
        fodtab100.Posta();
    } catch (const Fel&) {
        fodtab100.Avbryt();
        dialoger.Meddelande(QStringLiteral("Priserna ändras endast temporärt."));
        t.PrisTillTabell = false;
    }
}

QString Viktrad(double gram, const QString& enhet) {
    return QString::number(std::lround(gram)).leftJustified(3, ' ') + QStringLiteral(" g/") + enhet;
}

bool HarRad(const TTillstand& t) { return t.Dagbok.AktuellRad >= 1 && t.Dagbok.AktuellRad <= SistaPlats; }

TMaltidsrad& AktuellPlats(TTillstand& t) { return t.Dagbok.AktuellaMaltiden()[t.Dagbok.AktuellRad]; }

}  // namespace

int ForstaTommaPlats(const TMaltid& maltid) {
    for (int k = 1; k < AntalPlatser; ++k)
        if (ArTom(maltid[k])) return k;
    return SistaPlats;
}

bool LaggTillLivsmedel(TTillstand& t, Tabell& fodtab100, Dialoger& dialoger, const QString& kod, int rad,
                       bool infoga) {
    TDagbok& dagbok = t.Dagbok;
    dagbok.Andrad = true;
    TMaltid& maltid = dagbok.AktuellaMaltiden();
    const int k = rad == 0 ? ForstaTommaPlats(maltid) : rad;
    dagbok.AktuellRad = k;
    const TMaltid fore = maltid;
    if (infoga)
        for (int r = SistaPlats - 1; r >= k; --r) maltid[r + 1] = maltid[r];
    if (!HamtaLivsmedel(fodtab100, kod)) {
        // The rows that made room go back where they were.
        maltid = fore;
        dialoger.Meddelande(QStringLiteral("Livsmedel med nr ") + kod + QStringLiteral(" finns ej."));
        return false;
    }
    FyllPlats(maltid[k], kod, fodtab100);
    return true;
}

bool RedigeraCell(TTillstand& t, Tabell& fodtab100, Dialoger& dialoger, int kolumn, const QString& text) {
    if (kolumn == KolumnLivsmedel || kolumn == KolumnEnhet) {
        dialoger.Meddelande(EjAndraKolumn);
        return true;
    }
    if (kolumn == KolumnPris && t.Installningar.PriserLasta) {
        dialoger.Meddelande(EjAndraKolumn);
        return false;
    }
    if (!HarRad(t)) return true;
    TMaltidsrad& rad = AktuellPlats(t);
    switch (kolumn) {
    case KolumnAntal:
        rad.Gram = rad.Portion > 0.01f ? TextTillTal(text) * rad.Portion : 0.0f;
        t.Dagbok.Andrad = true;
        break;
    case KolumnGram:
        rad.Gram = TextTillTal(text);
        t.Dagbok.Andrad = true;
        break;
    case KolumnPris:
        rad.Kgpris = TextTillTal(text);
        if (t.PrisTillTabell) SkrivPrisTillTabell(t, fodtab100, dialoger, rad.Kod, text);
        break;
    default:
        break;
    }
    return true;
}

void Oka(TTillstand& t) {
    if (!HarRad(t)) return;
    TMaltidsrad& rad = AktuellPlats(t);
    rad.Gram += 0.1f * rad.Portion;
    t.Dagbok.Andrad = true;
}

bool Minska(TTillstand& t, Dialoger& dialoger) {
    if (!HarRad(t)) return false;
    TMaltidsrad& rad = AktuellPlats(t);
    const float tiondel = 0.1f * rad.Portion;
    if (tiondel >= rad.Gram) {
        if (dialoger.FragaJaNej(QStringLiteral("Vill du ta bort denna rad?")) != Svar::Ja) return false;
        TaBortRad(t);
        return true;
    }
    rad.Gram -= tiondel;
    t.Dagbok.Andrad = true;
    return true;
}

void TaBortRad(TTillstand& t) {
    if (!HarRad(t)) return;
    TMaltid& maltid = t.Dagbok.AktuellaMaltiden();
    for (int r = t.Dagbok.AktuellRad; r < SistaPlats; ++r) maltid[r] = maltid[r + 1];
    TomPlats(maltid[SistaPlats]);
    t.Dagbok.Andrad = true;
}

QStringList Enhetslista(const TMaltidsrad& rad) {
    QStringList rader{rad.Livsmedel};
    const std::pair<const QString*, float> enheter[] = {
        {&rad.Enhet1, rad.Port1}, {&rad.Enhet2, rad.Port2}, {&rad.Enhet3, rad.Port3}, {&rad.Enhet4, rad.Port4}};
    for (const auto& [enhet, vikt] : enheter) {
        if (!(vikt > 0.001f)) continue;
        rader << Viktrad(vikt, *enhet);
        if (*enhet != QLatin1String("dl")) continue;
        rader << Viktrad(vikt / 6.6, QStringLiteral("msk")) << Viktrad(vikt / 20.0, QStringLiteral("tsk"));
    }
    return rader;
}

void ValjEnhet(TMaltidsrad& rad, const QString& enhetsrad) {
    const float vikt = TextTillTal(enhetsrad.section(' ', 0, 0));
    const qsizetype snedstreck = enhetsrad.indexOf('/');
    SattText(rad.Enhet, snedstreck < 0 ? QString() : enhetsrad.mid(snedstreck + 1), EnhetBredd);
    rad.Portion = vikt;
    rad.Gram = vikt;
}

void KopieraMaltid(TDagbok& dagbok) { dagbok.Kopierad = dagbok.AktuellaMaltiden(); }

void KlistraInMaltid(TDagbok& dagbok) { dagbok.AktuellaMaltiden() = dagbok.Kopierad; }

}  // namespace matvarda
