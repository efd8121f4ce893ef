#pragma once

// A working folder for tests that start the program's windows: small food
// tables, a norm table and the text files the start reads.

#include "stod/Fixtur.h"

#include <QTemporaryDir>

namespace matvarda::test {

class TProvmapp {
public:
    TProvmapp();
    QString Sokvag() const { return mapp_.path(); }
    QString Fil(const QString& namn) const;

private:
    QTemporaryDir mapp_;
};

// The foods of the test working folder.
QVector<Provlivsmedel> Provlivsmedlen();

}  // namespace matvarda::test
