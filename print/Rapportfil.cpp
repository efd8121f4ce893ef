#include "print/Rapportfil.h"

#include "core/Filval.h"
#include "platform/Textfil.h"
#include "print/RapportExcel.h"
#include "print/RapportHtml.h"
#include "print/RapportRtf.h"
#include "print/Rapportritning.h"
#include "print/Rapporttext.h"

#include <functional>

namespace matvarda {
namespace {

constexpr double Cirkelskala = 2;  // the pictures' pixels to a report pixel, sharp when printed

// Asks where, offering `grundnamn` with the type's extension, and says so
// when `skriv` fails.
bool Spara(Rapportfiltyp typ, const QString& grundnamn, Dialoger& dialoger, const QString& mapp,
           const std::function<bool(const QString&)>& skriv) {
    const TRapportfiltyp& info = Filtypsinfo(typ);
    const QString andelse = u'.' + info.Andelse;
    const QString namn = info.Namn.isEmpty() ? info.Andelse.toUpper() : info.Namn;
    const auto fil = ValjSparfil(dialoger, QStringLiteral("Spara utskrift"), mapp,
                                 namn + QStringLiteral("|*") + andelse, andelse, grundnamn + andelse);
    if (!fil) return false;
    if (skriv(*fil)) return true;
    dialoger.Meddelande(QStringLiteral("Kan ej skriva filen %1.").arg(*fil));
    return false;
}

}  // namespace

bool SkrivRapportfil(Rapportfiltyp typ, const TRapport& rapport, const TLayoutval& val, const QString& fil) {
    switch (typ) {
    case Rapportfiltyp::Pdf:
        return SkrivRapportPdf(LayoutaRapport(rapport, val), fil);
    case Rapportfiltyp::Rtf:
        return SkrivFil(fil, RapportRtf(rapport, val, [](const TCirkeldiagram& cirkel) {
                            return CirkelPng(cirkel, Cirkelskala);
                        }));
    case Rapportfiltyp::Excel:
        return SkrivRapportExcel(rapport, val, fil);
    case Rapportfiltyp::Html:
        return SkrivFil(fil, RapportHtml(rapport, val));
    case Rapportfiltyp::Text:
        return SkrivTextrader(fil, Rapporttext(rapport));
    }
    return false;
}

bool SparaRapport(Rapportfiltyp typ, const TRapport& rapport, const TLayoutval& val, Dialoger& dialoger,
                  const QString& mapp) {
    return Spara(typ, Rapportnamn, dialoger, mapp,
                 [&](const QString& fil) { return SkrivRapportfil(typ, rapport, val, fil); });
}

bool SparaRapportPdf(const TRapportlayout& layout, Dialoger& dialoger, const QString& mapp) {
    return Spara(Rapportfiltyp::Pdf, layout.Namn, dialoger, mapp,
                 [&](const QString& fil) { return SkrivRapportPdf(layout, fil); });
}

}  // namespace matvarda
