#pragma once

// The program-wide settings: meal shares and the ideal energy distribution,
// kept in matvarda.para as the ten grid cells exactly as typed.

#include "core/Tillstand.h"

#include <QString>
#include <array>
#include <optional>

namespace matvarda {

constexpr int AntalAndelar = 4;
constexpr int AntalIdealvarden = 6;

// Cells 0..3 the meal shares in percent, 4..9 the ideal percents in the
// order protein, fat, carbohydrate, monounsaturated, polyunsaturated,
// saturated.
using TInstallningstexter = std::array<QString, AntalAndelar + AntalIdealvarden>;

// The cells that show the settings, as typed numbers ("25", "12.5").
TInstallningstexter Installningstexter(const TInstallningar& installningar);
extern const std::array<QString, AntalIdealvarden> Idealrader;

// nullopt when the file cannot be read; missing lines are empty.
std::optional<TInstallningstexter> LasParafil(const QString& fil);
bool SkrivParafil(const QString& fil, const TInstallningstexter& texter);

// Cells that are no number give 0; shares are divided by 100.
void TillampaInstallningar(const TInstallningstexter& texter, TInstallningar& installningar);

}  // namespace matvarda
