#include "print/Rapportfil.h"

#include "core/Filval.h"
#include "print/Rapportritning.h"

namespace matvarda {

bool SparaRapportPdf(const TRapportlayout& layout, Dialoger& dialoger, const QString& mapp) {
    const auto fil = ValjSparfil(dialoger, QStringLiteral("Spara utskrift"), mapp,
                                 QStringLiteral("Acrobat Reader (PDF)|*.pdf"), QStringLiteral(".pdf"),
                                 layout.Namn + QStringLiteral(".pdf"));
    if (!fil) return false;
    if (SkrivRapportPdf(layout, *fil)) return true;
    dialoger.Meddelande(QStringLiteral("Kan ej skriva filen %1.").arg(*fil));
    return false;
}

}  // namespace matvarda
