#pragma once

// The food table editor's logic: the shown fields of fodtab100 with their
// titles and number formats, the grid's model, which checks what was typed
// before a row is stored, and the table tools behind the password.

#include "admin/Prislista.h"
#include "platform/Tabell.h"

#include <QSqlTableModel>
#include <QString>
#include <QVector>
#include <optional>

namespace matvarda {

enum class Kolumnformat {
    Text,
    Tal,          // at most two decimals shown
    TalSomLagrat, // shown with every decimal it has
    TextSomTal,   // a text field read as a number (the price)
};

struct TTabellkolumn {
    QString Falt;
    QString Rubrik;
    Kolumnformat Format = Kolumnformat::Text;
    int Bredd = 0;  // characters of a text field
};

// The shown fields in their order; the table's other fields stay hidden.
const QVector<TTabellkolumn>& Tabellkolumner();

enum class Tabellordning { Nummer, Alfabetisk };

// fodtab100 in a grid. Typed numbers stay text in the grid until the row
// is stored, so that a refused value is still there for the user to mend;
// rows are stored only by SparaAndringar, which the window calls when the
// user leaves a row or the window.
class TLivsmedelsmodell : public QSqlTableModel {
public:
    TLivsmedelsmodell(QSqlDatabase databas, const QString& tabell);

    // Reads the table again in the order; unstored edits must be stored
    // first, as the read drops them.
    bool Ordna(Tabellordning ordning);
    Tabellordning Ordning() const { return ordning_; }

    // Stores every changed row; false, with Fel(), when a typed value is not
    // a number or the store refuses the row. The changes stay in the grid.
    bool SparaAndringar();
    const QString& Fel() const { return fel_; }
    // The row holds an edit not yet stored.
    bool RadAndrad(int rad) const;
    // Every food's name and price as stored, in the grid's order; the unused
    // reserve rows are left out. Throws Fel when the table cannot be read.
    QList<TPrispost> Prislista() const;

    // The shown field of the model column; null for a hidden one.
    const TTabellkolumn* Kolumn(int modellkolumn) const;
    // The model column of a shown field, in the order of Tabellkolumner().
    QVector<int> VisadeKolumner() const;

    QVariant data(const QModelIndex& index, int roll = Qt::DisplayRole) const override;
    // The views' own automatic submit is off: SparaAndringar stores.
    bool submit() override { return true; }

protected:
    bool updateRowInTable(int rad, const QSqlRecord& varden) override;
    QString orderByClause() const override;

private:
    QVector<const TTabellkolumn*> kolumner_;
    Tabellordning ordning_ = Tabellordning::Nummer;
    QString fel_;
};

// A cell as shown: numbers with at most two decimals, or as stored.
QString VisaCell(const QVariant& varde, Kolumnformat format);
// The value to store for what was typed in a cell; nullopt when a number
// column gets a text that TextTillTal cannot read. An empty cell is allowed.
std::optional<QVariant> LasCell(const QVariant& varde, Kolumnformat format);

// Every food whose name holds a "*" loses its first "*"; the count of
// changed rows. All or nothing: a failing row leaves the table as it was.
int TaBortAsterisk(Tabell& fodtab100);
QString AsteriskMeddelande(int antal);

// The table as text and back; the message to show, nothing when the
// table's file is missing.
std::optional<QString> ExporteraLivsmedelstabell(Tabell& fodtab100, const QString& fil);
std::optional<QString> ImporteraLivsmedelstabell(Tabell& fodtab100, const QString& fil);

}  // namespace matvarda
