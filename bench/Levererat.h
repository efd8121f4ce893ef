#pragma once

// The benchmarks run on the delivered data of the build (build/data), copied
// into a temporary working folder so nothing there changes.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace matvarda::bench {

inline QString LevereradData() { return QStringLiteral(MATVARDA_LEVERERAD_DATA); }

class TLevereradMapp {
public:
    TLevereradMapp() {
        const QDir kalla(LevereradData());
        for (const QString& fil : kalla.entryList(QDir::Files))
            QFile::copy(kalla.filePath(fil), QDir(mapp_.path()).filePath(fil));
    }
    QString Sokvag() const { return mapp_.path(); }

private:
    QTemporaryDir mapp_;
};

}  // namespace matvarda::bench
