#include "core/Naringsamnen.h"

#include "platform/Fel.h"
#include "platform/Textfil.h"

#include <QFileInfo>
#include <QLocale>
#include <cmath>
#include <limits>
#include <utility>

namespace matvarda {

const std::array<const char*, AntalNaringsamnen> Naringsfaltnamn{
    "Energi _kJ_ _kJ_", "Energi _kcal_ _kcal_", "Vatten _g_", "Aska _g_", "Protein _g_",
    "Fett _g_", "Kolhydrater _g_", "Retinol _mcg_", "Karoten _mcg_", "Retinolekv _mcg_",
    "D vitamin _mcg_", "a-Tokoferol _mg_", "Tiamin _mg_", "Askorbinsyra _mg_", "Riboflavin _mg_",
    "Niacin _mg_", "Niacinekv _mg_", "Vitamin B6 _mg_", "Vitamin B12 _mcg_", "Kalcium _mg_",
    "Fosfor _mg_", "Järn _mg_", "Magnesium _mg_", "Natrium _mg_", "Kalium _mg_",
    "Zink _mg_", "Mättade fettsyror _g_", "Enkelomättade fettsyror _", "Fleromättade fettsyror _g",
    "Kolesterol _mg_", "Monosackarider _g_", "Disackarider _g_", "Sackaros _g_", "Fibrer _g_",
    "Alkohol _g_", "Fettsyra C4-C10 _g_", "Fettsyra C12:0 _g_", "Fettsyra C14:0 _g_",
    "Fettsyra C16:0 _g_", "Fettsyra C18:0 _g_", "Fettsyra C20:0 _g_", "Fettsyra C16:1 _g_",
    "Fettsyra C18:1 _g_", "Fettsyra C18:2 _g_", "Fettsyra C18:3 _g_", "Fettsyra C20:4 _g_",
    "Fettsyra C20:5 _g_", "Fettsyra C22:5 _g_", "Fettsyra C22:6 _g_", "Folat _mcg_", "Selen _mcg_"};

namespace {

constexpr std::array<std::pair<unsigned char, unsigned char>, 9> DosTillWindowsTabell{{
    {0x8E, 0xC4}, {0x8F, 0xC5}, {0x99, 0xD6}, {0x84, 0xE4}, {0x86, 0xE5},
    {0x94, 0xF6}, {0xF8, 0xB0}, {0x8A, 0xE8}, {0x82, 0xE9}}};

constexpr int KortnamnBredd = 12;
constexpr int NamnEnhetBredd = 12;
constexpr int EnhetsnamnBredd = 2;

// Characters 1..2 hold the number; a leading space is allowed, nothing else.
int LasNummer(const QByteArray& rad) {
    if (rad.size() < 2) return -1;
    const char forsta = rad[0];
    const char andra = rad[1];
    const auto arSiffra = [](char c) { return c >= '0' && c <= '9'; };
    if (!arSiffra(andra) || !(forsta == ' ' || arSiffra(forsta))) return -1;
    return (forsta == ' ' ? 0 : (forsta - '0') * 10) + (andra - '0');
}

void LasRad(const QByteArray& radbyte, TNaringskatalog& katalog, const QString& fel) {
    const QByteArray rad = DosTillWindows(radbyte);
    const int nummer = LasNummer(rad);
    if (nummer < 0 || nummer > SistaNaringsnummer) throw Fel(fel);
    const QString rest = FranWindows1252(rad.mid(3));
    const qsizetype komma = rest.indexOf(',');
    if (komma < 0 || komma + 1 >= rest.size() || !rest[komma + 1].isDigit() || rest[komma + 1].unicode() > '9')
        throw Fel(fel);
    qsizetype mellanslag = rest.indexOf(' ');
    if (mellanslag < 0) mellanslag = rest.size();
    katalog.Kortnamn[nummer] = rest.left(std::min(mellanslag, komma)).left(KortnamnBredd);
    katalog.Enhetsnamn[nummer] =
        mellanslag < komma ? rest.mid(mellanslag + 1, komma - mellanslag - 1).left(EnhetsnamnBredd) : QString();
    katalog.NamnEnhet[nummer] = rest.left(komma).left(NamnEnhetBredd);
    katalog.Decimaler[nummer] = static_cast<std::uint8_t>(rest[komma + 1].unicode() - '0');
}

}  // namespace

QByteArray DosTillWindows(QByteArray rad) {
    for (const auto& [fran, till] : DosTillWindowsTabell)
        rad.replace(static_cast<char>(fran), static_cast<char>(till));
    return rad;
}

std::optional<float> LasTal(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text[start] == ' ') ++start;
    QString tal = text.mid(start);
    if (const qsizetype komma = tal.indexOf(','); komma >= 0) tal[komma] = '.';
    if (tal.isEmpty()) return std::nullopt;
    // Only a plain decimal number counts; toDouble would also take "inf",
    // hex or surrounding blanks.
    for (const QChar c : tal)
        if (!(c.isDigit() && c.unicode() <= '9') && c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E')
            return std::nullopt;
    bool ok = false;
    const double varde = tal.toDouble(&ok);
    // A number beyond the range of a single is as unreadable as letters.
    if (!ok || std::fabs(varde) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(varde);
}

float TextTillTal(const QString& text) { return LasTal(text).value_or(0.0f); }

QString VisaVarde(double varde, int nummer, const TNaringskatalog& katalog) {
    const int decimaler = (nummer >= 0 && nummer <= SistaNaringsnummer) ? katalog.Decimaler[nummer] : 0;
    return QString::number(varde, 'f', decimaler).rightJustified(6, ' ');
}

void LasNaringsnamn(const QString& fil, TNaringskatalog& katalog) {
    const auto innehall = LasFil(fil);
    if (!innehall)
        throw Fel(QStringLiteral("Kan ej läsa näringsämnenas namn i filen %1.")
                           .arg(QFileInfo(fil).absoluteFilePath()));
    const QString fel = QStringLiteral("Fel i namnfilen nvnamn.txt");
    for (const QByteArray& rad : DelaRader(*innehall)) {
        if (rad.startsWith('*')) continue;
        LasRad(rad, katalog, fel);
    }
}

QString SystemTal(double varde, int decimaler) {
    QLocale lokal;
    lokal.setNumberOptions(QLocale::OmitGroupSeparator);
    return lokal.toString(varde, 'f', decimaler);
}

}  // namespace matvarda
