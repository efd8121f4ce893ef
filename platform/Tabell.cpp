#include "platform/Tabell.h"

#include "platform/Textfil.h"
#include "platform/SvenskOrdning.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <sqlite3.h>
#include <memory>
#include <utility>

namespace matvarda {
namespace {

QString Citerat(const QString& namn) {
    return '"' + QString(namn).replace('"', "\"\"") + '"';
}

QString NyAnslutning() {
    static QAtomicInt raknare;
    return QStringLiteral("tabell_%1").arg(raknare.fetchAndAddRelaxed(1));
}

QString Typnamn(const Faltdefinition& falt) {
    switch (falt.Typ) {
    case Falttyp::Heltal: return QStringLiteral("INTEGER");
    case Falttyp::Flyttal: return QStringLiteral("REAL");
    case Falttyp::Text: return QStringLiteral("VARCHAR(%1)").arg(falt.Bredd);
    }
    return {};
}

Falttyp TypAv(const QString& typnamn) {
    const QString t = typnamn.toUpper();
    if (t.contains("INT")) return Falttyp::Heltal;
    if (t.contains("REAL") || t.contains("FLOA") || t.contains("DOUB") || t.contains("NUM"))
        return Falttyp::Flyttal;
    return Falttyp::Text;
}

sqlite3* Handtag(const QSqlDatabase& db) {
    const QVariant handtag = db.driver()->handle();
    if (!handtag.isValid() || qstrcmp(handtag.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handtag.constData());
}

QSqlDatabase Anslut(const QString& anslutning, const QString& fil) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), anslutning);
    db.setDatabaseName(fil);
    if (!db.open()) throw Fel(QStringLiteral("Kan inte öppna %1: %2").arg(fil, db.lastError().text()));
    if (sqlite3* sqlite = Handtag(db)) RegistreraSvenskOrdning(sqlite);
    return db;
}

// A truncated or overwritten file opens without a word and fails only at
// the rows it lacks; SQLite's quick check finds that at once (a few ms).
bool ArHel(const QSqlDatabase& db) {
    QSqlQuery kontroll(db);
    return kontroll.exec(QStringLiteral("PRAGMA quick_check")) && kontroll.next() &&
           kontroll.value(0).toString() == QLatin1String("ok");
}

using TSats = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

void Bind(sqlite3_stmt* sats, int nummer, const QVariant& varde) {
    if (varde.isNull()) {
        sqlite3_bind_null(sats, nummer);
        return;
    }
    switch (varde.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Bool: sqlite3_bind_int64(sats, nummer, varde.toLongLong()); return;
    case QMetaType::Double:
    case QMetaType::Float: sqlite3_bind_double(sats, nummer, varde.toDouble()); return;
    default: {
        const QByteArray text = varde.toString().toUtf8();
        sqlite3_bind_text(sats, nummer, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    }
}

QVariant Kolumnvarde(sqlite3_stmt* sats, int kolumn) {
    switch (sqlite3_column_type(sats, kolumn)) {
    case SQLITE_INTEGER: return QVariant(static_cast<qint64>(sqlite3_column_int64(sats, kolumn)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(sats, kolumn));
    case SQLITE_NULL: return QVariant();
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(sats, kolumn)), sqlite3_column_bytes(sats, kolumn));
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(sats, kolumn)),
                                 sqlite3_column_bytes(sats, kolumn));
    }
}

// Runs a SELECT straight through SQLite, each value read once into memory,
// and finalizes the statement before it returns.
QVector<QVariantList> LasRader(sqlite3* db, const QString& sql, const QVariantList& parametrar) {
    sqlite3_stmt* ny = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &ny, nullptr) != SQLITE_OK)
        throw Fel(QString::fromUtf8(sqlite3_errmsg(db)));
    const TSats sats(ny, &sqlite3_finalize);
    for (int i = 0; i < parametrar.size(); ++i) Bind(sats.get(), i + 1, parametrar[i]);
    const int kolumner = sqlite3_column_count(sats.get());
    QVector<QVariantList> rader;
    int status = SQLITE_ROW;
    while ((status = sqlite3_step(sats.get())) == SQLITE_ROW) {
        QVariantList rad;
        rad.reserve(kolumner);
        for (int k = 0; k < kolumner; ++k) rad.append(Kolumnvarde(sats.get(), k));
        rader.append(std::move(rad));
    }
    if (status != SQLITE_DONE) throw Fel(QString::fromUtf8(sqlite3_errmsg(db)));
    return rader;
}

void Kor(QSqlQuery& fraga, const QString& sql, const QVariantList& parametrar = {}) {
    if (!fraga.prepare(sql)) throw Fel(fraga.lastError().text());
    for (const QVariant& p : parametrar) fraga.addBindValue(p);
    if (!fraga.exec()) throw Fel(fraga.lastError().text());
}

// Export writes numbers with "." and texts quoted, so that commas and quotes
// inside a name survive the way back.
QString Exportvarde(const QVariant& varde, Falttyp typ) {
    if (varde.isNull()) return {};
    if (typ == Falttyp::Text) return '"' + varde.toString().replace('"', "\"\"") + '"';
    if (typ == Falttyp::Heltal) return QString::number(varde.toLongLong());
    return QString::number(varde.toDouble(), 'g', QLocale::FloatingPointShortest);
}

struct Textfalt {
    QString Text;
    bool Citerad = false;
};

// Splits the whole file into rows of fields; a quoted field may hold commas,
// doubled quotes and line ends.
QList<QList<Textfalt>> DelaCsv(const QString& text) {
    QList<QList<Textfalt>> rader;
    QList<Textfalt> rad;
    Textfalt falt;
    bool iCitat = false;
    bool radHarInnehall = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (iCitat) {
            if (c != '"') { falt.Text += c; continue; }
            if (i + 1 < text.size() && text[i + 1] == '"') { falt.Text += '"'; ++i; continue; }
            iCitat = false;
            continue;
        }
        if (c == '"') { iCitat = true; falt.Citerad = true; radHarInnehall = true; continue; }
        if (c == ',') { rad << falt; falt = {}; radHarInnehall = true; continue; }
        if (c == '\r') continue;
        if (c == '\n') {
            if (radHarInnehall || !falt.Text.isEmpty()) { rad << falt; rader << rad; }
            rad.clear(); falt = {}; radHarInnehall = false;
            continue;
        }
        falt.Text += c;
        radHarInnehall = true;
    }
    if (radHarInnehall || !falt.Text.isEmpty()) { rad << falt; rader << rad; }
    return rader;
}

QVariant Importvarde(const Textfalt& falt, Falttyp typ, int radnummer) {
    if (falt.Text.isEmpty() && !falt.Citerad) return QVariant();
    if (typ == Falttyp::Text) return falt.Text;
    bool ok = false;
    const QVariant varde = typ == Falttyp::Heltal ? QVariant(falt.Text.trimmed().toLongLong(&ok))
                                                  : QVariant(falt.Text.trimmed().toDouble(&ok));
    if (!ok) throw Fel(QStringLiteral("Rad %1: \"%2\" är inget tal").arg(radnummer).arg(falt.Text));
    return varde;
}

}  // namespace


Tabell::Tabell(QString mapp, QString namn) : mapp_(std::move(mapp)), namn_(std::move(namn)) {}

Tabell::~Tabell() { Stang(); }

void Tabell::Skapa(const QString& mapp, const QString& namn, const QVector<Faltdefinition>& falt,
                   const QString& primarnyckel, const QVector<Indexdefinition>& index) {
    const QString fil = QDir(mapp).filePath(namn + ".db");
    if (QFile::exists(fil) && !QFile::remove(fil)) throw Fel(QStringLiteral("Kan inte ersätta %1").arg(fil));
    const QString anslutning = NyAnslutning();
    {
        QSqlDatabase db = Anslut(anslutning, fil);
        QStringList kolumner;
        for (const Faltdefinition& f : falt) {
            QString kolumn = Citerat(f.Namn) + ' ' + Typnamn(f);
            if (f.Namn.compare(primarnyckel, Qt::CaseInsensitive) == 0) kolumn += " PRIMARY KEY NOT NULL";
            kolumner << kolumn;
        }
        QSqlQuery fraga(db);
        Kor(fraga, QStringLiteral("CREATE TABLE %1 (%2)").arg(Citerat(namn), kolumner.join(", ")));
        for (const Indexdefinition& i : index)
            Kor(fraga, QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                           .arg(Citerat(i.Namn), Citerat(namn), Citerat(i.Falt)));
        db.close();
    }
    QSqlDatabase::removeDatabase(anslutning);
}

void Tabell::SattMapp(const QString& mapp) {
    Stang();
    mapp_ = mapp;
}

QString Tabell::Filsokvag() const { return QDir(mapp_).filePath(namn_ + ".db"); }

bool Tabell::Finns() const { return QFile::exists(Filsokvag()); }

bool Tabell::ArOppen() const { return !anslutning_.isEmpty(); }

void Tabell::Oppna() {
    if (ArOppen()) return;
    // SQLite would create a missing file; a missing table is an error here.
    if (!Finns()) throw Fel(QStringLiteral("Tabellen %1 finns inte (%2)").arg(namn_, Filsokvag()));
    const QString anslutning = NyAnslutning();
    QSqlDatabase db = Anslut(anslutning, Filsokvag());
    if (!ArHel(db)) {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(anslutning);
        throw Fel(QStringLiteral("Tabellen %1 är skadad och kan inte läsas (%2). Ersätt filen med en hel kopia.")
                            .arg(namn_, Filsokvag()));
    }
    QSqlQuery info(db);
    Kor(info, QStringLiteral("PRAGMA table_info(%1)").arg(Citerat(namn_)));
    faltnamn_.clear();
    falttyper_.clear();
    primarnyckel_.clear();
    int nyckelfalt = 0;
    while (info.next()) {
        faltnamn_ << info.value(1).toString();
        falttyper_ << TypAv(info.value(2).toString());
        if (info.value(5).toInt() == 0) continue;
        primarnyckel_ = info.value(1).toString();
        ++nyckelfalt;
    }
    info.finish();
    // Lookups and the walk on from a found row rely on one unique key field.
    QString fel;
    if (faltnamn_.isEmpty())
        fel = QStringLiteral("%1 saknar tabellen %2").arg(Filsokvag(), namn_);
    else if (nyckelfalt != 1)
        fel = QStringLiteral("Tabellen %1 har ingen primärnyckel på ett fält (%2)").arg(namn_, Filsokvag());
    if (!fel.isEmpty()) {
        info = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(anslutning);
        throw Fel(fel);
    }
    anslutning_ = anslutning;
    indexfalt_ = {primarnyckel_};
    TomSida();
}

void Tabell::TomSida() {
    rader_.clear();
    plats_ = 0;
    merEfterSidan_ = false;
    redigerar_ = false;
}

void Tabell::Stang() {
    if (!ArOppen()) return;
    TomSida();
    {
        QSqlDatabase db = QSqlDatabase::database(anslutning_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(anslutning_);
    anslutning_.clear();
}

QSqlDatabase Tabell::Databas() const {
    KravOppen();
    return QSqlDatabase::database(anslutning_, false);
}

void Tabell::KravOppen() const {
    if (!ArOppen()) throw Fel(QStringLiteral("Tabellen %1 är inte öppen").arg(namn_));
}

void Tabell::KravRad() const {
    KravOppen();
    if (Slut()) throw Fel(QStringLiteral("Tabellen %1 står inte på någon rad").arg(namn_));
}

int Tabell::KravFalt(const QString& falt) const {
    const int position = Faltposition(falt);
    if (position < 0) throw Fel(QStringLiteral("Fältet %1 finns inte i %2").arg(falt, namn_));
    return position;
}

void Tabell::ValjIndex(const QString& index) {
    KravOppen();
    if (index.isEmpty()) {
        indexfalt_ = {primarnyckel_};
        return;
    }
    QSqlQuery lista(Databas());
    Kor(lista, QStringLiteral("PRAGMA index_list(%1)").arg(Citerat(namn_)));
    QString hittat;
    while (lista.next())
        if (lista.value(1).toString().compare(index, Qt::CaseInsensitive) == 0) hittat = lista.value(1).toString();
    if (hittat.isEmpty()) throw Fel(QStringLiteral("Indexet %1 finns inte i %2").arg(index, namn_));
    QSqlQuery kolumner(Databas());
    Kor(kolumner, QStringLiteral("PRAGMA index_info(%1)").arg(Citerat(hittat)));
    QStringList falt;
    while (kolumner.next()) falt << kolumner.value(2).toString();
    indexfalt_ = falt;
}

QString Tabell::Ordning(const QStringList& index) const {
    QStringList delar;
    for (const QString& falt : index) {
        const int position = Faltposition(falt);
        const bool text = position >= 0 && falttyper_[position] == Falttyp::Text && falt != primarnyckel_;
        delar << Citerat(falt) + (text ? QStringLiteral(" COLLATE SVENSKA") : QString());
    }
    delar << QStringLiteral("rowid");
    return delar.join(", ");
}

QString Tabell::Filtervillkor() const {
    if (!filtrerad_ || filterFalt_.isEmpty()) return {};
    return Citerat(filterFalt_) + (filterArNull_ ? QStringLiteral(" IS NULL") : QStringLiteral(" IS NOT NULL"));
}

// Reads the rows of the query (at most `grans`, 0 for all) into memory and
// finishes the statement, so that no lock outlives the call.
void Tabell::KorFraga(const QString& villkor, const QVariantList& parametrar, const QStringList& index,
                      int grans) {
    QStringList alla;
    if (!villkor.isEmpty()) alla << villkor;
    if (const QString filter = Filtervillkor(); !filter.isEmpty()) alla << filter;
    QString sql = QStringLiteral("SELECT rowid, * FROM %1%2 ORDER BY %3")
                      .arg(Citerat(namn_),
                           alla.isEmpty() ? QString() : QStringLiteral(" WHERE ") + alla.join(" AND "),
                           Ordning(index));
    if (grans > 0) sql += QStringLiteral(" LIMIT %1").arg(grans);
    sqlite3* db = Handtag(Databas());
    if (!db) throw Fel(QStringLiteral("Tabellen %1 är ingen SQLite-tabell").arg(namn_));
    QVector<QVariantList> rader = LasRader(db, sql, parametrar);
    TomSida();
    rader_ = std::move(rader);
    merEfterSidan_ = grans > 0 && rader_.size() == grans;
}

void Tabell::Forsta() {
    KravOppen();
    KorFraga({}, {}, indexfalt_, 0);
}

void Tabell::Nasta() {
    KravOppen();
    if (Slut()) return;
    redigerar_ = false;
    if (++plats_ < rader_.size() || !merEfterSidan_) return;
    // The page after a found key: the rows after the last one read, in
    // primary-key order.
    const QVariant sista = rader_.last()[Faltposition(primarnyckel_) + 1];
    KorFraga(Citerat(primarnyckel_) + QStringLiteral(" > ?"), {sista}, {primarnyckel_}, Sidstorlek);
}

bool Tabell::Slut() const { return plats_ >= rader_.size(); }

bool Tabell::HittaNyckel(const QVariant& nyckel) {
    KravOppen();
    const int position = Faltposition(primarnyckel_);
    const bool heltal = falttyper_[position] == Falttyp::Heltal;
    const QVariant varde = heltal ? QVariant(nyckel.toLongLong()) : QVariant(nyckel.toString());
    const QVector<QVariantList> tidigare = rader_;
    const qsizetype tidigarePlats = plats_;
    const bool tidigareMer = merEfterSidan_;
    KorFraga(Citerat(primarnyckel_) + QStringLiteral(" >= ?"), {varde}, {primarnyckel_}, 1);
    if (!Slut() && rader_.first()[position + 1] == varde) {
        indexfalt_ = {primarnyckel_};
        return true;
    }
    // No match: the cursor stays where it was.
    rader_ = tidigare;
    plats_ = tidigarePlats;
    merEfterSidan_ = tidigareMer;
    return false;
}

void Tabell::HittaNycklar(const QVariantList& nycklar) {
    KravOppen();
    indexfalt_ = {primarnyckel_};
    const QString platser = QStringList(nycklar.size(), QStringLiteral("?")).join(", ");
    KorFraga(Citerat(primarnyckel_) + QStringLiteral(" IN (") + platser + ')', nycklar, indexfalt_, 0);
}

int Tabell::AntalFalt() const { return static_cast<int>(faltnamn_.size()); }

QString Tabell::Faltnamn(int position) const { return faltnamn_.value(position); }

int Tabell::Faltposition(const QString& namn) const {
    for (int i = 0; i < faltnamn_.size(); ++i)
        if (faltnamn_[i].compare(namn, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QVariant Tabell::Varde(int position) const {
    KravRad();
    if (position < 0 || position >= AntalFalt())
        throw Fel(QStringLiteral("Fält nr %1 finns inte i %2").arg(position).arg(namn_));
    return rader_[plats_][position + 1];
}

QList<QVariantList> Tabell::LasFalt(const QList<int>& positioner) {
    KravOppen();
    QStringList kolumner;
    for (const int p : positioner) {
        if (p < 0 || p >= AntalFalt())
            throw Fel(QStringLiteral("Fält nr %1 finns inte i %2").arg(p).arg(namn_));
        kolumner << Citerat(faltnamn_[p]);
    }
    const QString filter = Filtervillkor();
    QSqlQuery fraga(Databas());
    fraga.setForwardOnly(true);
    Kor(fraga, QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4")
                   .arg(kolumner.join(", "), Citerat(namn_),
                        filter.isEmpty() ? QString() : QStringLiteral(" WHERE ") + filter, Ordning(indexfalt_)));
    QList<QVariantList> rader;
    while (fraga.next()) {
        QVariantList rad;
        rad.reserve(positioner.size());
        for (int i = 0; i < positioner.size(); ++i) rad << fraga.value(i);
        rader << std::move(rad);
    }
    return rader;
}

QString Tabell::Text(const QString& falt) const { return Text(KravFalt(falt)); }

QString Tabell::Text(int position) const {
    const QVariant varde = Varde(position);
    if (varde.isNull()) return {};
    // Numbers read as text follow the system's decimal separator (the
    // default locale, which is the system's unless a test sets another).
    if (falttyper_[position] == Falttyp::Flyttal) {
        QLocale lokal;
        lokal.setNumberOptions(QLocale::OmitGroupSeparator);
        return lokal.toString(varde.toDouble(), 'g', QLocale::FloatingPointShortest);
    }
    return varde.toString();
}

qint64 Tabell::Heltal(const QString& falt) const { return Varde(KravFalt(falt)).toLongLong(); }

double Tabell::Flyttal(const QString& falt) const { return Flyttal(KravFalt(falt)); }

double Tabell::Flyttal(int position) const { return Varde(position).toDouble(); }

void Tabell::Redigera() {
    KravRad();
    redigerar_ = true;
    andringar_.clear();
}

void Tabell::SattFalt(const QString& falt, const QVariant& varde) {
    if (!redigerar_) throw Fel(QStringLiteral("Tabellen %1 är inte i redigeringsläge").arg(namn_));
    andringar_.insert(faltnamn_[KravFalt(falt)], varde);
}

void Tabell::Posta() {
    if (!redigerar_) throw Fel(QStringLiteral("Tabellen %1 är inte i redigeringsläge").arg(namn_));
    redigerar_ = false;
    if (andringar_.isEmpty()) return;
    QStringList tilldelningar;
    QVariantList parametrar;
    for (auto it = andringar_.cbegin(); it != andringar_.cend(); ++it) {
        tilldelningar << Citerat(it.key()) + QStringLiteral(" = ?");
        parametrar << it.value();
    }
    QVariantList& rad = rader_[plats_];
    parametrar << rad.first();
    QSqlQuery fraga(Databas());
    Kor(fraga, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(Citerat(namn_), tilldelningar.join(", ")),
        parametrar);
    for (auto it = andringar_.cbegin(); it != andringar_.cend(); ++it) rad[Faltposition(it.key()) + 1] = it.value();
    andringar_.clear();
}

void Tabell::Avbryt() {
    redigerar_ = false;
    andringar_.clear();
}

void Tabell::SattFilter(const QString& uttryck) {
    KravOppen();
    static const QRegularExpression monster(QStringLiteral(R"(^\s*("[^"]+"|\S+)\s+IS\s+(NOT\s+)?NULL\s*$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto traff = monster.match(uttryck);
    if (!traff.hasMatch()) throw Fel(QStringLiteral("Filtret \"%1\" kan inte användas").arg(uttryck));
    QString falt = traff.captured(1);
    if (falt.startsWith('"')) falt = falt.mid(1, falt.size() - 2);
    filterFalt_ = faltnamn_[KravFalt(falt)];
    filterArNull_ = traff.captured(2).isEmpty();
}

void Tabell::Filtrera(bool pa) { filtrerad_ = pa; }

void Tabell::ExporteraText(const QString& fil) {
    KravOppen();
    QStringList rader;
    QStringList rubriker;
    for (const QString& namn : faltnamn_) rubriker << '"' + namn + '"';
    rader << rubriker.join(',');
    for (Forsta(); !Slut(); Nasta()) {
        QStringList falt;
        for (int i = 0; i < AntalFalt(); ++i) falt << Exportvarde(Varde(i), falttyper_[i]);
        rader << falt.join(',');
    }
    if (!SkrivTextrader(fil, rader)) throw Fel(QStringLiteral("Kan inte skriva %1").arg(fil));
}

void Tabell::ImporteraText(const QString& fil) {
    KravOppen();
    const auto innehall = LasFil(fil);
    if (!innehall) throw Fel(QStringLiteral("Kan inte läsa %1").arg(fil));
    const auto rader = DelaCsv(FranWindows1252(*innehall));
    if (rader.isEmpty()) return;
    QVector<int> positioner;
    for (const Textfalt& rubrik : rader.first()) positioner << KravFalt(rubrik.Text);
    if (!positioner.contains(Faltposition(primarnyckel_)))
        throw Fel(QStringLiteral("%1 saknar nyckelfältet %2").arg(fil, primarnyckel_));

    QStringList kolumner;
    QStringList uppdateringar;
    for (const int p : positioner) {
        kolumner << Citerat(faltnamn_[p]);
        uppdateringar << Citerat(faltnamn_[p]) + QStringLiteral(" = excluded.") + Citerat(faltnamn_[p]);
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT(%4) DO UPDATE SET %5")
                            .arg(Citerat(namn_), kolumner.join(", "),
                                 QStringList(positioner.size(), QStringLiteral("?")).join(", "),
                                 Citerat(primarnyckel_), uppdateringar.join(", "));
    BorjaTransaktion();
    try {
        QSqlQuery fraga(Databas());
        if (!fraga.prepare(sql)) throw Fel(fraga.lastError().text());
        for (int r = 1; r < rader.size(); ++r) {
            if (rader[r].size() != positioner.size())
                throw Fel(QStringLiteral("Rad %1 i %2 har fel antal fält").arg(r + 1).arg(fil));
            for (int i = 0; i < positioner.size(); ++i)
                fraga.bindValue(i, Importvarde(rader[r][i], falttyper_[positioner[i]], r + 1));
            if (!fraga.exec()) throw Fel(QStringLiteral("Rad %1: %2").arg(r + 1).arg(fraga.lastError().text()));
        }
    } catch (...) {
        Databas().rollback();
        throw;
    }
    Bekrafta();
}

void Tabell::BorjaTransaktion() {
    if (!Databas().transaction()) throw Fel(Databas().lastError().text());
}

void Tabell::Bekrafta() {
    if (!Databas().commit()) throw Fel(Databas().lastError().text());
}

void Tabell::LaggTillRad(const QVariantList& varden) {
    KravOppen();
    if (varden.size() != AntalFalt())
        throw Fel(QStringLiteral("%1 värden för %2 fält i %3").arg(varden.size()).arg(AntalFalt()).arg(namn_));
    QSqlQuery fraga(Databas());
    Kor(fraga, QStringLiteral("INSERT INTO %1 VALUES (%2)")
                   .arg(Citerat(namn_), QStringList(AntalFalt(), QStringLiteral("?")).join(", ")),
        varden);
}

}  // namespace matvarda
