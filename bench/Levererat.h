#pragma once

// The benchmarks run on the delivered data of the build (build/data), copied
// into a temporary working folder so nothing there changes.

#include "core/Tillstand.h"
#include "matvarda/Maltidsrader.h"
#include "platform/SkriptadeDialoger.h"

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

// Every slot of every meal of every day holds a food of the table.
inline void FyllDagboken(TTillstand& t, Tabell& fodtab100) {
    SkriptadeDialoger dialoger;
    const auto& lista = t.Livsmedel.Livsmedelslista;
    int i = 0;
    for (int d = 0; d < AntalDagar; ++d)
        for (int m = 0; m < AntalMaltider; ++m) {
            t.Dagbok.AktuellDag = d;
            t.Dagbok.AktuellMaltid = m;
            for (int k = 1; k < AntalPlatser; ++k, i += 7)
                LaggTillLivsmedel(t, fodtab100, dialoger, lista[i % lista.size()].Kod, k, false);
        }
    t.Dagbok.AktuellDag = 0;
    t.Dagbok.AktuellMaltid = 0;
}

}  // namespace matvarda::bench
