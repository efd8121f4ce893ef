#pragma once

// The advice texts: 32 codes, one per nutrient group and level, each with
// the lines of info.txt that begin with it.

#include "core/Infotexter.h"

#include <QString>
#include <QStringList>
#include <array>

namespace matvarda {

constexpr int AntalInfokoder = 32;

struct TInfokod {
    // With its trailing blank, so that "M1 " never matches a line of "M10 ".
    QString Kod;
    QString Etikett;
};

// "M1 " .. "M32 " in order, with the labels the editor offers them under.
extern const std::array<TInfokod, AntalInfokoder> Infokoder;

inline const QString KanEjSparaTipstexter = QStringLiteral("Kan ej spara tips-texterna");

// The lines of the store that begin with the code, the code cut off, in
// store order.
QStringList Kodrader(const TInfotexter& texter, const QString& kod);

// Replaces the store with the lines of the file; false, with the store
// emptied, when the file cannot be read.
bool LasInfotexter(const QString& fil, TInfotexter& texter);

// The message shown at start when info.txt cannot be read.
QString InfotexterSaknas(const QString& fil);

using TKodtexter = std::array<QStringList, AntalInfokoder>;

// The text of every code, in code order.
TKodtexter Kodtexter(const TInfotexter& texter);

// The store becomes the texts, "M1 " lines first, every line with its code,
// empty lines included; then it is written to the file. False when the file
// could not be written: the previous file stays whole, the store keeps the
// new lines.
bool SparaInfotexter(const QString& fil, const TKodtexter& kodtexter, TInfotexter& texter);

}  // namespace matvarda
