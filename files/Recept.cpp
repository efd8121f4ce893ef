#include "files/Recept.h"

#include "core/Filval.h"
#include "platform/Textfil.h"

#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace matvarda {
namespace {

const QString Receptfilter = QStringLiteral("recept|*.recept");
const QString Recepttillagg = QStringLiteral(".recept");

// A text field: its offset and its size in characters (the length byte
// comes first).
struct TTextfalt {
    int Plats;
    int Storlek;
    QString TMaltidsrad::*Falt;
};

struct TTalfalt {
    int Plats;
    float TMaltidsrad::*Falt;
};

constexpr TTextfalt Textfalten[] = {
    {0, KodBredd, &TMaltidsrad::Kod},         {23, LivsmedelBredd, &TMaltidsrad::Livsmedel},
    {104, EnhetBredd, &TMaltidsrad::Enhet},   {128, EnhetBredd, &TMaltidsrad::Enhet1},
    {152, EnhetBredd, &TMaltidsrad::Enhet2},  {176, EnhetBredd, &TMaltidsrad::Enhet3},
    {200, EnhetBredd, &TMaltidsrad::Enhet4},  {232, TillaggBredd, &TMaltidsrad::Tillagg},
};

constexpr TTalfalt Talfalten[] = {
    {124, &TMaltidsrad::Portion}, {148, &TMaltidsrad::Port1}, {172, &TMaltidsrad::Port2},
    {196, &TMaltidsrad::Port3},   {220, &TMaltidsrad::Port4}, {224, &TMaltidsrad::Gram},
    {228, &TMaltidsrad::Kgpris},
};

constexpr int Naringsplats = 244;

void SkrivText(char* post, const TTextfalt& falt, const QString& text) {
    const QByteArray byte = TillWindows1252(text.left(falt.Storlek));
    post[falt.Plats] = static_cast<char>(byte.size());
    std::copy(byte.begin(), byte.end(), post + falt.Plats + 1);
}

QString LasText(QByteArrayView post, const TTextfalt& falt) {
    const int langd = std::min<int>(static_cast<unsigned char>(post[falt.Plats]), falt.Storlek);
    return FranWindows1252(post.sliced(falt.Plats + 1, langd).toByteArray());
}

float LasSingel(QByteArrayView post, int plats) {
    const float varde = qFromLittleEndian<float>(post.data() + plats);
    return std::isfinite(varde) ? varde : 0.0f;
}

}  // namespace

QByteArray Receptpost(const TMaltidsrad& rad) {
    QByteArray post(Receptpostlangd, '\0');
    char* data = post.data();
    for (const TTextfalt& falt : Textfalten) SkrivText(data, falt, rad.*falt.Falt);
    for (const TTalfalt& falt : Talfalten) qToLittleEndian(rad.*falt.Falt, data + falt.Plats);
    for (int k = 0; k < AntalNaringsamnen; ++k) qToLittleEndian(rad.Naring[k], data + Naringsplats + 4 * k);
    return post;
}

TMaltidsrad LasReceptpost(QByteArrayView post) {
    TMaltidsrad rad;
    for (const TTextfalt& falt : Textfalten) rad.*falt.Falt = LasText(post, falt);
    for (const TTalfalt& falt : Talfalten) rad.*falt.Falt = LasSingel(post, falt.Plats);
    for (int k = 0; k < AntalNaringsamnen; ++k) rad.Naring[k] = LasSingel(post, Naringsplats + 4 * k);
    return rad;
}

QByteArray Receptfil(const TMaltid& maltid) {
    QByteArray fil = Receptpost(maltid[0]);
    for (int k = 1; k < AntalPlatser; ++k)
        if (!ArTom(maltid[k])) fil += Receptpost(maltid[k]);
    return fil;
}

std::vector<TMaltidsrad> LasReceptfil(QByteArrayView innehall) {
    std::vector<TMaltidsrad> rader;
    const qsizetype poster = innehall.size() / Receptpostlangd;
    for (qsizetype p = 1; p < poster; ++p) rader.push_back(LasReceptpost(innehall.sliced(p * Receptpostlangd, Receptpostlangd)));
    return rader;
}

int LaggTillRecept(TMaltid& maltid, const std::vector<TMaltidsrad>& rader) {
    int k = 1;
    int ejPlats = 0;
    for (const TMaltidsrad& rad : rader) {
        if (ArTom(rad)) continue;
        while (k < AntalPlatser && !ArTom(maltid[k])) ++k;
        if (k == AntalPlatser) {
            ++ejPlats;
            continue;
        }
        maltid[k] = rad;
    }
    return ejPlats;
}

void SparaRecept(const TTillstand& t, Dialoger& dialoger) {
    const auto fil =
        ValjSparfil(dialoger, QStringLiteral("Spara recept"), t.Start.Berakningsmapp, Receptfilter, Recepttillagg);
    if (!fil) return;
    if (!SkrivFil(*fil, Receptfil(t.Dagbok.AktuellaMaltiden()))) {
        dialoger.Meddelande(QStringLiteral("Kan ej spara beräkningen"));
        return;
    }
    dialoger.Meddelande(QStringLiteral("Receptet är sparat."));
}

bool HamtaRecept(TTillstand& t, Dialoger& dialoger) {
    const auto vald = dialoger.OppnaFil(QStringLiteral("Hämta recept"), t.Start.Berakningsmapp, Receptfilter);
    if (!vald) return false;
    // A missing or unreadable file is passed over without a word.
    const auto innehall = LasFil(BytTillagg(*vald, Recepttillagg));
    if (!innehall) return false;
    const int ejPlats = LaggTillRecept(t.Dagbok.AktuellaMaltiden(), LasReceptfil(*innehall));
    t.Dagbok.Andrad = true;
    if (ejPlats > 0)
        dialoger.Meddelande(QStringLiteral("%1 av receptets rader fick inte plats i måltiden.").arg(ejPlats));
    return true;
}

}  // namespace matvarda
