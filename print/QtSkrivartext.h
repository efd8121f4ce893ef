#pragma once

// Plain text on paper: the printer dialog, the font dialog limited to
// fixed-pitch fonts, then the lines through the printer text output on a
// painter over the chosen printer. A window that prints plain text holds one,
// so the printer and the font chosen stay for its next printout.

#include "platform/Dialoger.h"

#include <QFont>
#include <QPrinter>
#include <QStringList>

namespace matvarda {

class TSkrivartext {
public:
    TSkrivartext();

    // False when the user cancels either dialog or the printer cannot start
    // the job (the user is told so).
    bool SkrivUt(Dialoger& dialoger, const QStringList& rader);

    QPrinter Skrivare;
    QFont Typsnitt;  // starts as the fixed-pitch font at 10 pt
};

}  // namespace matvarda
