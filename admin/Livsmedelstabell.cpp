#include "admin/Livsmedelstabell.h"

#include "admin/Livsmedelsimport.h"
#include "core/Naringsamnen.h"
#include "core/Tabellayout.h"

#include <QLocale>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>

namespace matvarda {
namespace {

QVector<TTabellkolumn> SkapaKolumner() {
    const auto falt = [](const char* namn, const char* rubrik, Kolumnformat format) {
        return TTabellkolumn{QString::fromUtf8(namn), QString::fromUtf8(rubrik ? rubrik : namn), format};
    };
    QVector<TTabellkolumn> k{
        falt("Kod", nullptr, Kolumnformat::Text),
        falt("Livsmedel", nullptr, Kolumnformat::Text),
        falt("Portionsstorlek", "Portstorlek", Kolumnformat::TalSomLagrat),
        falt("Enhet", nullptr, Kolumnformat::Text),
        falt("Grupp2", "Bildgrupp", Kolumnformat::Text),
        falt("Grupp1", "Utökad grupp", Kolumnformat::Text),
        falt("kgpris", nullptr, Kolumnformat::TextSomTal),
    };
    // Nutrient entries (0..50) with their titles, in the grid's order.
    const std::pair<int, const char*> naringar[]{
        {0, "kJ"},           {1, "kcal"},           {4, "Prot g"},          {5, "Fett g"},
        {6, "Kolh g"},       {33, "Fibrer g"},      {13, "C vit mg"},       {21, "Järn mg"},
        {19, "Kalcium  mg"}, {7, "Retinol  ug"},    {8, "Karoten ug"},      {9, "Retinolekv  ug"},
        {10, "D vit"},       {11, "a-Tokoferol  mg"}, {12, "Tiamin  mg"},   {14, "Riboflavin  mg"},
        {15, "Niacin  mg"},  {16, "Niacinekv  mg"}, {17, "B6 mg"},          {18, "B12 ug"},
        {20, "Fosfor  mg"},  {22, "Magnesium mg"},  {23, "Natrium mg"},     {24, "Kalium mg"},
        {25, "Zink mg"},     {26, "Mättat fett g"}, {27, "Enkelomättat fett g"}, {28, "Fleromättat fett g"},
        {29, "Kolesterol mg"}, {30, "Monosackarider g"}, {31, "Disackarider g"}, {32, "Sackaros g"},
        {34, "Alkohol g"},
    };
    for (const auto& [nummer, rubrik] : naringar) k << falt(Naringsfaltnamn[nummer], rubrik, Kolumnformat::Tal);
    for (int nummer = 35; nummer <= 48; ++nummer) k << falt(Naringsfaltnamn[nummer], nullptr, Kolumnformat::Tal);
    k << falt(Naringsfaltnamn[49], "Folat ug", Kolumnformat::TalSomLagrat);
    k << falt(Naringsfaltnamn[50], "Selen ug", Kolumnformat::Tal);
    k << falt(Naringsfaltnamn[2], nullptr, Kolumnformat::Tal);
    for (int i = 1; i <= 4; ++i) {
        k << TTabellkolumn{QStringLiteral("port%1").arg(i), QStringLiteral("port%1").arg(i), Kolumnformat::TalSomLagrat};
        k << TTabellkolumn{QStringLiteral("enhet%1").arg(i), QStringLiteral("enhet%1").arg(i), Kolumnformat::Text};
    }
    const QVector<Faltdefinition> definitioner = Livsmedelsfalt();
    for (TTabellkolumn& kolumn : k)
        for (const Faltdefinition& d : definitioner)
            if (d.Namn.compare(kolumn.Falt, Qt::CaseInsensitive) == 0) kolumn.Bredd = d.Bredd;
    return k;
}

// The system's decimal separator, through the default locale, which a test
// may pin.
QLocale Systemtal() {
    QLocale lokal;
    lokal.setNumberOptions(QLocale::OmitGroupSeparator);
    return lokal;
}

bool ArTal(Kolumnformat format) { return format == Kolumnformat::Tal || format == Kolumnformat::TalSomLagrat; }

}  // namespace

const QVector<TTabellkolumn>& Tabellkolumner() {
    static const QVector<TTabellkolumn> kolumner = SkapaKolumner();
    return kolumner;
}

QString VisaCell(const QVariant& varde, Kolumnformat format) {
    if (varde.isNull()) return {};
    // A typed value not yet stored is shown as typed.
    if (!ArTal(format) || varde.typeId() == QMetaType::QString) return varde.toString();
    const double tal = varde.toDouble();
    if (format == Kolumnformat::TalSomLagrat) return Systemtal().toString(tal, 'g', QLocale::FloatingPointShortest);
    return Systemtal().toString(std::round(tal * 100) / 100, 'g', QLocale::FloatingPointShortest);
}

std::optional<QVariant> LasCell(const QVariant& varde, Kolumnformat format) {
    if (format == Kolumnformat::Text || varde.typeId() != QMetaType::QString) return varde;
    const QString text = varde.toString();
    if (text.trimmed().isEmpty()) return ArTal(format) ? QVariant() : QVariant(QString());
    const auto tal = LasTal(text);
    if (!tal) return std::nullopt;
    // The price keeps the text as typed, as the meal grid writes it too.
    if (format == Kolumnformat::TextSomTal) return text;
    return static_cast<double>(*tal);
}

TLivsmedelsmodell::TLivsmedelsmodell(QSqlDatabase databas, const QString& tabell) : QSqlTableModel(nullptr, databas) {
    setTable(tabell);
    setEditStrategy(QSqlTableModel::OnRowChange);
    const QSqlRecord falt = record();
    kolumner_.fill(nullptr, falt.count());
    for (const TTabellkolumn& kolumn : Tabellkolumner()) {
        const int i = falt.indexOf(kolumn.Falt);
        if (i >= 0) kolumner_[i] = &kolumn;
        if (i >= 0) setHeaderData(i, Qt::Horizontal, kolumn.Rubrik);
    }
}

const TTabellkolumn* TLivsmedelsmodell::Kolumn(int modellkolumn) const { return kolumner_.value(modellkolumn); }

QVector<int> TLivsmedelsmodell::VisadeKolumner() const {
    QVector<int> visade;
    for (const TTabellkolumn& kolumn : Tabellkolumner())
        if (const int i = record().indexOf(kolumn.Falt); i >= 0) visade << i;
    return visade;
}

bool TLivsmedelsmodell::Ordna(Tabellordning ordning) {
    ordning_ = ordning;
    if (select()) return true;
    fel_ = lastError().text();
    return false;
}

QString TLivsmedelsmodell::orderByClause() const {
    const QString namn = database().driver()->escapeIdentifier(
        ordning_ == Tabellordning::Alfabetisk ? QStringLiteral("Livsmedel") : QStringLiteral("Kod"),
        QSqlDriver::FieldName);
    if (ordning_ == Tabellordning::Nummer) return QStringLiteral("ORDER BY ") + namn;
    return QStringLiteral("ORDER BY %1 COLLATE SVENSKA, %2")
        .arg(namn, database().driver()->escapeIdentifier(QStringLiteral("Kod"), QSqlDriver::FieldName));
}

QVariant TLivsmedelsmodell::data(const QModelIndex& index, int roll) const {
    const QVariant varde = QSqlTableModel::data(index, roll);
    const TTabellkolumn* kolumn = Kolumn(index.column());
    if (!kolumn) return varde;
    if (roll == Qt::DisplayRole) return VisaCell(varde, kolumn->Format);
    // The editor starts from every decimal the value has.
    if (roll == Qt::EditRole) return VisaCell(varde, ArTal(kolumn->Format) ? Kolumnformat::TalSomLagrat : kolumn->Format);
    return varde;
}

bool TLivsmedelsmodell::SparaAndringar() {
    fel_.clear();
    if (!isDirty() || submitAll()) return true;
    if (fel_.isEmpty()) fel_ = QStringLiteral("Kan ej spara raden i livsmedelstabellen: %1").arg(lastError().text());
    return false;
}

bool TLivsmedelsmodell::RadAndrad(int rad) const {
    for (int k = 0; k < columnCount(); ++k)
        if (isDirty(index(rad, k))) return true;
    return false;
}

QList<TPrispost> TLivsmedelsmodell::Prislista() const {
    const QSqlDriver& drivrutin = *database().driver();
    const auto falt = [&](const QString& namn) { return drivrutin.escapeIdentifier(namn, QSqlDriver::FieldName); };
    QSqlQuery fraga(database());
    fraga.setForwardOnly(true);
    if (!fraga.exec(QStringLiteral("SELECT %1, %2 FROM %3 ")
                        .arg(falt(QStringLiteral("Livsmedel")), falt(QStringLiteral("kgpris")),
                             drivrutin.escapeIdentifier(tableName(), QSqlDriver::TableName)) +
                    orderByClause()))
        throw matvarda::Fel(QStringLiteral("Kan ej läsa livsmedelstabellen: %1").arg(fraga.lastError().text()));
    QList<TPrispost> poster;
    while (fraga.next()) {
        const QString namn = fraga.value(0).toString();
        if (namn.compare(Reservnamn, Qt::CaseInsensitive) != 0) poster.append({namn, fraga.value(1).toString()});
    }
    return poster;
}

bool TLivsmedelsmodell::updateRowInTable(int rad, const QSqlRecord& varden) {
    QSqlRecord lasta = varden;
    for (int i = 0; i < lasta.count(); ++i) {
        const TTabellkolumn* kolumn = Kolumn(i);
        if (!lasta.isGenerated(i) || !kolumn) continue;
        const auto varde = LasCell(lasta.value(i), kolumn->Format);
        if (!varde) {
            fel_ = QStringLiteral("Kan ej spara raden: \"%1\" i kolumnen %2 är inget tal.\n"
                                  "Skriv ett tal, till exempel 12,5, eller töm rutan.")
                       .arg(lasta.value(i).toString(), kolumn->Rubrik);
            return false;
        }
        lasta.setValue(i, *varde);
    }
    return QSqlTableModel::updateRowInTable(rad, lasta);
}

int TaBortAsterisk(Tabell& fodtab100) {
    int antal = 0;
    fodtab100.ValjIndex(QString());
    fodtab100.BorjaTransaktion();
    try {
        for (fodtab100.Forsta(); !fodtab100.Slut(); fodtab100.Nasta()) {
            QString namn = fodtab100.Text(QStringLiteral("livsmedel"));
            const qsizetype stjarna = namn.indexOf('*');
            if (stjarna < 0) continue;
            fodtab100.Redigera();
            fodtab100.SattFalt(QStringLiteral("livsmedel"), namn.remove(stjarna, 1));
            fodtab100.Posta();
            ++antal;
        }
        fodtab100.Bekrafta();
    } catch (...) {
        fodtab100.Databas().rollback();
        throw;
    }
    return antal;
}

QString AsteriskMeddelande(int antal) { return QString::number(antal) + QStringLiteral(" livsmedel har fått * borttagen"); }

std::optional<QString> ExporteraLivsmedelstabell(Tabell& fodtab100, const QString& fil) {
    if (!fodtab100.Finns()) return std::nullopt;
    try {
        fodtab100.ValjIndex(QString());
        fodtab100.SattFilter(QStringLiteral("Kod IS NOT NULL"));
        fodtab100.Filtrera(true);
        fodtab100.ExporteraText(fil);
        fodtab100.Filtrera(false);
    } catch (const Fel& fel) {
        fodtab100.Filtrera(false);
        return QStringLiteral("Kan ej spara livsmedelstabellen\n%1").arg(fel.Meddelande());
    }
    return QStringLiteral("Klart");
}

std::optional<QString> ImporteraLivsmedelstabell(Tabell& fodtab100, const QString& fil) {
    if (!fodtab100.Finns()) return std::nullopt;
    try {
        fodtab100.ImporteraText(fil);
    } catch (const Fel& fel) {
        return QStringLiteral("Kan ej öppna livsmedelstabellen\n%1").arg(fel.Meddelande());
    }
    return QStringLiteral("Klart");
}

}  // namespace matvarda
