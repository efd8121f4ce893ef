#include "core/Berakning.h"

namespace matvarda {

const std::array<QString, AntalMaltider> Maltidsnamnen{
    QStringLiteral("Frukost"), QStringLiteral("Lunch"), QStringLiteral("Middag"), QStringLiteral("Mellanmål")};

void SattText(QString& falt, const QString& varde, int bredd) { falt = varde.left(bredd); }

void TomPlats(TMaltidsrad& rad) { rad = TMaltidsrad{}; }

bool NyBerakning(TDagbok& dagbok, Dialoger& dialoger, const std::function<bool()>& spara) {
    if (dagbok.Andrad) {
        const Svar svar = dialoger.FragaJaNejAvbryt(QStringLiteral("Vill du spara pågående beräkning innan ny startas?"));
        if (svar == Svar::Avbryt) return false;
        // An unsaved calculation is not thrown away.
        if (svar == Svar::Ja && !(spara && spara())) return false;
    }
    dagbok.Andrad = false;
    dagbok.AktuellDag = 0;
    dagbok.AktuellMaltid = 0;
    dagbok.Maltidsnamn = Maltidsnamnen[0];
    for (auto& dag : dagbok.Berakning)
        for (auto& maltid : dag)
            for (auto& rad : maltid) TomPlats(rad);
    return true;
}

std::array<QString, AntalKolumner> Radceller(const TMaltidsrad& rad) {
    if (ArTom(rad)) return {};
    const float antal = rad.Portion > 0.01f ? rad.Gram / rad.Portion : 0.0f;
    const auto talEllerStreck = [](float varde, int decimaler) {
        return varde <= 0.01f ? QStringLiteral("-") : SystemTal(varde, decimaler);
    };
    return {rad.Livsmedel, talEllerStreck(antal, 1), rad.Enhet, talEllerStreck(rad.Gram, 0),
            talEllerStreck(rad.Kgpris, 2)};
}

}  // namespace matvarda
