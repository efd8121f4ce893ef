#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace matvarda {

// Nutrient number n (15..65) is entry n - 15 of a TNaringsvarden and field
// n - 1 of the food and norm tables.
constexpr int AntalNaringsamnen = 51;
constexpr int ForstaNaringsnummer = 15;
constexpr int SistaNaringsnummer = 65;
constexpr int ForstaNaringsfalt = 14;

// Entries with a fixed role in the calculation.
constexpr int EnergiKj = 0;
constexpr int EnergiKcal = 1;
constexpr int Protein = 4;
constexpr int Fett = 5;
constexpr int Kolhydrater = 6;
constexpr int Natrium = 23;
constexpr int Alkohol = 34;

using TNaringsvarden = std::array<float, AntalNaringsamnen>;

// Field names of the nutrient values in the food and norm tables.
extern const std::array<const char*, AntalNaringsamnen> Naringsfaltnamn;

// The nutrient catalogue, indexed by nutrient number 0..65.
struct TNaringskatalog {
    std::array<QString, SistaNaringsnummer + 1> Kortnamn;
    std::array<QString, SistaNaringsnummer + 1> NamnEnhet;
    std::array<QString, SistaNaringsnummer + 1> Enhetsnamn;
    std::array<std::uint8_t, SistaNaringsnummer + 1> Decimaler{};
};

QByteArray DosTillWindows(QByteArray rad);

// Reads a number as typed by a Swedish user: leading spaces dropped, the first
// comma is the decimal point, anything unreadable is 0.
float TextTillTal(const QString& text);
// The same reading, with nullopt where TextTillTal gives 0 for an unreadable
// text: for a field that must refuse what it cannot read.
std::optional<float> LasTal(const QString& text);

// A number with fixed decimals, the system's decimal separator and no
// thousands separator, as the meal grid and the price line show them.
QString SystemTal(double varde, int decimaler);

// A nutrient value with that nutrient's decimals, right-aligned in 6.
QString VisaVarde(double varde, int nummer, const TNaringskatalog& katalog);

// Loads nvnamn.txt; a missing file or a broken line throws Fel.
void LasNaringsnamn(const QString& fil, TNaringskatalog& katalog);

}  // namespace matvarda
