#pragma once

// Runs `matvarda rapport`: the working folder is read as the program reads
// it at its start, each calculation as "Hämta beräkning" reads it, and each
// report is written without any window.

#include <QString>
#include <QStringList>

class QTextStream;

namespace matvarda {

// The arguments after "rapport". `ut` names each report written, `fel`
// says what failed. Returns the exit status: 0 when every report was
// written, 1 when a calculation could not be read or its report written
// (the others still are), 2 for wrong arguments or a working folder the
// program cannot start in.
int KorRapport(const QStringList& argument, const QString& arbetsmapp, QTextStream& ut, QTextStream& fel);

// Without a display the reports are painted on Qt's offscreen platform;
// set before the application is made.
void ValjPlattformForRapport();

}  // namespace matvarda
