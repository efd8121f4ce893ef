#include "print/Rapportfiltyp.h"

namespace matvarda {

const QList<TRapportfiltyp>& Rapportfiltyper() {
    static const QList<TRapportfiltyp> typer{
        {Rapportfiltyp::Pdf, QStringLiteral("pdf"), QStringLiteral("Acrobat Reader (PDF)")},
        {Rapportfiltyp::Rtf, QStringLiteral("rtf"), QStringLiteral("Word (RTF)")},
        {Rapportfiltyp::Excel, QStringLiteral("xlsx"), QStringLiteral("Excel")},
        {Rapportfiltyp::Html, QStringLiteral("html"), QStringLiteral("Internet (HTML)")},
        {Rapportfiltyp::Text, QStringLiteral("txt"), QString()},
    };
    return typer;
}

const TRapportfiltyp& Filtypsinfo(Rapportfiltyp typ) { return Rapportfiltyper()[static_cast<int>(typ)]; }

std::optional<Rapportfiltyp> FiltypForAndelse(const QString& andelse) {
    for (const TRapportfiltyp& typ : Rapportfiltyper())
        if (typ.Andelse == andelse) return typ.Typ;
    return std::nullopt;
}

}  // namespace matvarda
