#include "core/Filval.h"

#include <QFileInfo>
#include <algorithm>

namespace matvarda {

QString BytTillagg(const QString& namn, const QString& tillagg) {
    const qsizetype mapp = std::max(namn.lastIndexOf('/'), namn.lastIndexOf('\\'));
    const qsizetype punkt = namn.lastIndexOf('.');
    return (punkt > mapp ? namn.left(punkt) : namn) + tillagg;
}

std::optional<QString> ValjSparfil(Dialoger& dialoger, const QString& titel, const QString& mapp,
                                   const QString& filter, const QString& tillagg, const QString& forvaltNamn) {
    for (;;) {
        const auto vald = dialoger.SparaFil(titel, mapp, filter, forvaltNamn);
        if (!vald) return std::nullopt;
        const QString fil = BytTillagg(*vald, tillagg);
        if (!QFileInfo::exists(fil)) return fil;
        if (dialoger.FragaJaNej(QStringLiteral("%1 finns redan.\nVill du ersätta den?").arg(fil)) == Svar::Ja)
            return fil;
    }
}

}  // namespace matvarda
