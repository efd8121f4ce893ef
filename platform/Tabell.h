#pragma once

// The table store: one SQLite file per table (<folder>/<table>.db), read
// through a cursor that walks an index, as the food and norm tables need it.
// The cursor reads rows into memory and finishes every statement at once, so
// the store never holds a lock between calls: other connections (the editors'
// own, the importer, a user's SQLite tool) can write while the program runs.

#include "platform/Fel.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace matvarda {


enum class Falttyp { Heltal, Flyttal, Text };

struct Faltdefinition {
    QString Namn;
    Falttyp Typ = Falttyp::Text;
    int Bredd = 0;  // characters, text fields only
};

struct Indexdefinition {
    QString Namn;
    QString Falt;  // text fields of an index sort by Swedish rules
};

class Tabell {
public:
    Tabell(QString mapp, QString namn);
    ~Tabell();
    Tabell(const Tabell&) = delete;
    Tabell& operator=(const Tabell&) = delete;

    // Creates the table file (replacing one that exists) with its fields,
    // a primary index on `primarnyckel` and the further indexes.
    static void Skapa(const QString& mapp, const QString& namn,
                      const QVector<Faltdefinition>& falt, const QString& primarnyckel,
                      const QVector<Indexdefinition>& index);

    void SattMapp(const QString& mapp);
    QString Mapp() const { return mapp_; }
    QString Namn() const { return namn_; }
    QString Filsokvag() const;
    bool Finns() const;
    void Oppna();
    void Stang();
    bool ArOppen() const;

    // Index names ignore case; the empty name selects the primary index.
    void ValjIndex(const QString& index);
    void Forsta();
    void Nasta();
    bool Slut() const;
    // Looks the key up in the primary index; on a match the cursor stands on
    // that row and walks on in primary-key order, a page of rows at a time.
    bool HittaNyckel(const QVariant& nyckel);
    // Walks the rows whose primary key is one of the keys, in key order: one
    // query for many lookups.
    void HittaNycklar(const QVariantList& nycklar);

    QString Primarnyckel() const { return primarnyckel_; }
    int AntalFalt() const;
    QString Faltnamn(int position) const;
    int Faltposition(const QString& namn) const;  // -1 when missing
    QString Text(const QString& falt) const;
    QString Text(int position) const;
    qint64 Heltal(const QString& falt) const;
    double Flyttal(const QString& falt) const;
    double Flyttal(int position) const;
    QVariant Varde(int position) const;
    // The fields at the positions of every visible row, in index order,
    // without moving the cursor: far less to read than a walk when only a
    // few fields are wanted.
    QList<QVariantList> LasFalt(const QList<int>& positioner);

    // Edit, set, post: the current row is stored at once on post.
    void Redigera();
    void SattFalt(const QString& falt, const QVariant& varde);
    void Posta();
    void Avbryt();

    // Accepts "<field> IS NOT NULL" or "<field> IS NULL".
    void SattFilter(const QString& uttryck);
    void Filtrera(bool pa);

    // Text exchange: "," between fields, "." as decimal point, a heading
    // line of field names, Windows-1252. Import updates rows with a known
    // key and adds the others.
    void ExporteraText(const QString& fil);
    void ImporteraText(const QString& fil);

    // For the importer: rows given in field order.
    void BorjaTransaktion();
    void Bekrafta();
    void LaggTillRad(const QVariantList& varden);

    // The open connection, for a bound grid (QSqlTableModel).
    QSqlDatabase Databas() const;

private:
    void KravOppen() const;
    void KravRad() const;
    static constexpr int Sidstorlek = 64;  // rows a walk from a found key reads at a time

    void TomSida();
    void KorFraga(const QString& villkor, const QVariantList& parametrar, const QStringList& index, int grans);
    QString Ordning(const QStringList& index) const;
    QString Filtervillkor() const;
    int KravFalt(const QString& falt) const;

    QString mapp_;
    QString namn_;
    QString anslutning_;
    QStringList faltnamn_;
    QVector<Falttyp> falttyper_;
    QString primarnyckel_;
    QStringList indexfalt_;  // fields of the selected index
    QString filterFalt_;
    bool filterArNull_ = false;
    bool filtrerad_ = false;
    // The rows read by the last query, each rowid first, then the fields;
    // when `merEfterSidan_` the walk goes on from the last row's key.
    QVector<QVariantList> rader_;
    qsizetype plats_ = 0;
    bool merEfterSidan_ = false;
    bool redigerar_ = false;
    QVariantMap andringar_;
};

}  // namespace matvarda
