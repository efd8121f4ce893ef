#pragma once

// The file types a report is written to: one list for the print choice
// window and `matvarda rapport`, so both offer and name them alike.

#include <QList>
#include <QString>
#include <optional>

namespace matvarda {

enum class Rapportfiltyp { Pdf, Rtf, Excel, Html, Text };

struct TRapportfiltyp {
    Rapportfiltyp Typ;
    QString Andelse;  // without the dot
    QString Namn;     // as the print choice window lists it; empty: the command only
};

// In the order of the window's list, the plain text last.
const QList<TRapportfiltyp>& Rapportfiltyper();

const TRapportfiltyp& Filtypsinfo(Rapportfiltyp typ);

std::optional<Rapportfiltyp> FiltypForAndelse(const QString& andelse);

}  // namespace matvarda
