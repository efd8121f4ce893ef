#pragma once

// `matvarda rapport`: the report of saved calculations from the command
// line, with the choices of the print choice window as options.

#include "print/Rapport.h"

#include <QString>
#include <QStringList>

namespace matvarda {

struct TRapportkommando {
    TUtskriftsval Val{.Omfattning = 2};  // the whole period unless narrowed
    int Dag = 0;     // 0..6
    int Maltid = 0;  // 0..3
    bool Cirklar = true;
    QString Rubrik;
    QString Typ;  // an extension of Rapportfiltyper(); empty: by the output file's extension
    QStringList Berakningar;
    QString Ut;
    bool Hjalp = false;
};

struct TRapportargument {
    TRapportkommando Kommando;
    QString Fel;  // a Swedish message; empty when the arguments were read
};

// The arguments after "rapport".
TRapportargument LasRapportargument(const QStringList& argument);

QString Rapporthjalp();

}  // namespace matvarda
