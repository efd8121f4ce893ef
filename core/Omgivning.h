#pragma once

// What a window gets besides the state it reads or writes: the dialogs, the
// working folder and a way to ask for the recalculation and the refresh.

#include "platform/Dialoger.h"

#include <QDir>
#include <QString>
#include <functional>

namespace matvarda {

struct TOmgivning {
    Dialoger& Dialogerna;
    QString Arbetsmapp;
    std::function<void()> RaknaOm;

    // A file of the working folder.
    QString Fil(const QString& namn) const { return QDir(Arbetsmapp).filePath(namn); }
};

}  // namespace matvarda
