#include "need/Nvval.h"

#include "platform/Textfil.h"

#include <QFileInfo>
#include <algorithm>

namespace matvarda {
namespace {

// Retinol, carotene and retinol equivalents are counted in micrograms, so
// their boxes say ug.
constexpr TNvruta Kolumn1[]{
    {15, "kJ"}, {16, "kcal"}, {19, "prot g"}, {20, "fett g"}, {21, "kolhydrater g"}, {48, "fiber g"},
    {28, "C-vit mg"}, {36, "järn mg"}, {34, "kalcium mg"}, {22, "retinol ug"}, {23, "karoten ug"},
    {24, "retinol ekv ug"}, {25, "D-vit ug"}, {26, "tokoferol mg"}, {27, "tiamin mg"}, {29, "riboflavin mg"},
    {30, "niacin mg"}, {31, "niacin ekv mg"},
};
constexpr TNvruta Kolumn2[]{
    {32, "B6 mg"}, {33, "B12 ug"}, {35, "fosf mg"}, {37, "magnesium mg"}, {38, "natrium mg"},
    {39, "kalium mg"}, {40, "zink mg"}, {49, "alkohol g"}, {41, "fett mättat g"}, {42, "fett enkelomättat g"},
    {43, "fett fleromättat g"}, {44, "kolesterol mg"}, {45, "monosackarider g"}, {46, "disackarider g"},
    {47, "sackaros g"}, {50, "F410, smörsyra g"}, {51, "F120, laurinsyra g"},
};
constexpr TNvruta Kolumn3[]{
    {52, "F140, myristinsyra g"}, {53, "F160, palmitinsyra g"}, {54, "F180, stearinsyra g"},
    {55, "F200, arakidinsyra g"}, {56, "F161, palmitoljesyra g"}, {57, "F181, oljesyra g"},
    {58, "F182, linolsyra g"}, {59, "F183, linolensyra g"}, {60, "F204, arakidonsyra g"},
    {61, "F205, eikosapentaensyra g"}, {62, "F225, dokosapentaensyra g"}, {63, "F226, cervonsyra g"},
    {64, "folacin ug"}, {65, "selen ug"}, {17, "vatten g"},
};

constexpr int Aska = 18;

}  // namespace

const std::array<std::span<const TNvruta>, 3> Nvkolumner{Kolumn1, Kolumn2, Kolumn3};

bool HarRuta(int nummer) { return nummer >= ForstaNaringsnummer && nummer <= SistaNaringsnummer && nummer != Aska; }

std::optional<QString> LasNvval(const QString& fil, TUrval& urval) {
    urval.Valda.fill(false);
    urval.AntalValda = 0;
    const QString namn = QFileInfo(fil).fileName();
    const auto rader = LasTextrader(fil);
    if (!rader) return QStringLiteral("Kan ej läsa valda näringsämnen ur filen %1. Inga näringsämnen är valda.").arg(namn);
    std::optional<QString> fel;
    for (int i = 0; i < rader->size(); ++i) {
        const QString rad = rader->at(i).trimmed();
        if (rad.isEmpty()) continue;
        // Strict, unlike TextTillTal: a line that is no whole number ends the reading.
        bool ok = false;
        const int nummer = rad.toInt(&ok);
        if (!ok) {
            fel = QStringLiteral("Rad %1 i filen %2 är inget heltal (\"%3\"). Bara näringsämnena före den är valda.")
                      .arg(i + 1)
                      .arg(namn, rad);
            break;
        }
        // A number outside 0..65 selects nothing.
        if (nummer >= 0 && nummer <= SistaNaringsnummer) urval.Valda[nummer] = true;
    }
    urval.AntalValda = RaknaValda(urval);
    return fel;
}

bool SkrivNvval(const QString& fil, const TUrval& urval) {
    QStringList rader;
    for (int n = ForstaNaringsnummer; n <= SistaNaringsnummer; ++n)
        if (urval.Valda[n]) rader << QString::number(n);
    return SkrivTextrader(fil, rader);
}

}  // namespace matvarda
