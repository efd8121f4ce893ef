#include "platform/Textfil.h"

#include <QFile>
#include <QSaveFile>
#include <array>

namespace matvarda {
namespace {

// Code points of bytes 0x80..0x9F; the rest of Windows-1252 is Latin-1.
// Unassigned bytes map to themselves, as the Windows codec does.
constexpr std::array<char16_t, 32> Hogt80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char TillByte(QChar tecken) {
    const char16_t kod = tecken.unicode();
    if (kod < 0x80 || (kod >= 0xA0 && kod <= 0xFF)) return static_cast<char>(kod);
    for (size_t i = 0; i < Hogt80.size(); ++i)
        if (Hogt80[i] == kod) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QString FranWindows1252(const QByteArray& byte) {
    QString text(byte.size(), Qt::Uninitialized);
    QChar* ut = text.data();
    for (const char b : byte) {
        const auto u = static_cast<unsigned char>(b);
        *ut++ = (u >= 0x80 && u < 0xA0) ? QChar(Hogt80[u - 0x80]) : QChar(u);
    }
    return text;
}

QByteArray TillWindows1252(const QString& text) {
    QByteArray byte(text.size(), Qt::Uninitialized);
    char* ut = byte.data();
    for (const QChar tecken : text) *ut++ = TillByte(tecken);
    return byte;
}

namespace {

template <typename Text>
QList<Text> Dela(const Text& innehall) {
    QList<Text> rader = innehall.split('\n');
    if (!rader.isEmpty() && rader.last().isEmpty()) rader.removeLast();
    for (Text& rad : rader)
        if (rad.endsWith('\r')) rad.chop(1);
    return rader;
}

}  // namespace

QList<QByteArray> DelaRader(const QByteArray& innehall) { return Dela(innehall); }

QStringList DelaRader(const QString& text) { return Dela(text); }

std::optional<QByteArray> LasFil(const QString& fil) {
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}

std::optional<QStringList> LasTextrader(const QString& fil) {
    const auto innehall = LasFil(fil);
    if (!innehall) return std::nullopt;
    QStringList rader;
    for (const QByteArray& rad : DelaRader(*innehall)) rader << FranWindows1252(rad);
    return rader;
}

bool SkrivFil(const QString& fil, const QByteArray& innehall) {
    QSaveFile f(fil);
    // Unbuffered: a buffered write that fails only at the final flush (a full
    // disk) is not seen by commit(), which would rename the empty temporary
    // file over the old one.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (f.write(innehall) != innehall.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

bool SkrivTextrader(const QString& fil, const QStringList& rader) {
    QByteArray innehall;
    for (const QString& rad : rader) innehall += TillWindows1252(rad) + "\r\n";
    return SkrivFil(fil, innehall);
}

}  // namespace matvarda
