#include "core/Berakning.h"

namespace matvarda {

const std::array<QString, AntalMaltider> Maltidsnamnen{
    QStringLiteral("Frukost"), QStringLiteral("Lunch"), QStringLiteral("Middag"), QStringLiteral("Mellanmål")};

void SattText(QString& falt, const QString& varde, int bredd) { falt = varde.left(bredd); }

void TomPlats(TMaltidsrad& rad) { rad = TMaltidsrad{}; }

bool NyBerakning(TDagbok& dagbok, Dialoger& dialoger, const std::function<void()>& spara) {
    if (dagbok.Andrad) {
        const Svar svar = dialoger.FragaJaNejAvbryt(QStringLiteral("Vill du spara pågående beräkning innan ny startas?"));
        if (svar == Svar::Avbryt) return false;
        if (svar == Svar::Ja && spara) spara();
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

}  // namespace matvarda
