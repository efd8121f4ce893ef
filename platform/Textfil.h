#pragma once

// Every text file the program reads or writes is Windows-1252; this is the one
// codec for it. Lines are read with CR LF or LF and written with CR LF.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace matvarda {

QString FranWindows1252(const QByteArray& byte);
// Characters that Windows-1252 lacks become "?".
QByteArray TillWindows1252(const QString& text);

// Splits on LF and drops a CR before it; a last line without line end counts.
QList<QByteArray> DelaRader(const QByteArray& innehall);
QStringList DelaRader(const QString& text);

std::optional<QByteArray> LasFil(const QString& fil);
std::optional<QStringList> LasTextrader(const QString& fil);
// Written beside the old file and renamed over it, so a failed write leaves
// the old file whole.
bool SkrivFil(const QString& fil, const QByteArray& innehall);
bool SkrivTextrader(const QString& fil, const QStringList& rader);

}  // namespace matvarda
