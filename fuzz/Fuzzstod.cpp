#include "fuzz/Fuzzstod.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace matvarda::fuzz {

QByteArray Indata(const std::uint8_t* data, std::size_t storlek) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(storlek));
}

QString Fuzzmapp() {
    static const QTemporaryDir mapp;
    return mapp.path();
}

QString SkrivFuzzfil(const QString& namn, const QByteArray& innehall) {
    const QString fil = QDir(Fuzzmapp()).filePath(namn);
    QFile f(fil);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(innehall) != innehall.size())
        Fynd("kan inte skriva fuzzfilen");
    return fil;
}

void Fynd(const char* vad) {
    std::fprintf(stderr, "Fynd: %s\n", vad);
    std::abort();
}

}  // namespace matvarda::fuzz
