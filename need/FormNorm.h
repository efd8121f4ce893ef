#pragma once

// The norm window: the user picks a person group from the norm table, and
// behind the password edits the table.

#include "core/Omgivning.h"
#include "core/Tillstand.h"
#include "platform/Tabell.h"

#include <QWidget>
#include <memory>

class QLabel;
class QModelIndex;
class QPushButton;
class QSqlTableModel;
class QTableView;

namespace matvarda {

class TFormNorm : public QWidget {
    Q_OBJECT
public:
    // Sets the need and the caption; `losenord` guards the table's editing.
    TFormNorm(TBehov& behov, QString& rubrik, const QString& losenord, TOmgivning omgivning, QWidget* foralder);
    ~TFormNorm() override;

    void DBISAMDBGridNormCellClick(const QModelIndex& index);
    void Button1Click();

    QLabel* LabelBla = nullptr;
    QTableView* DBISAMDBGridNorm = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* LabelRod = nullptr;
    // Null when the norm table could not be opened.
    QSqlTableModel* DBISAMTableNorm = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* handelse) override;

private:
    void SkapaKontroller();
    void FormCreate();
    void KopplaGrid();
    void OrdnaKolumner();
    void LamnaRad(const QModelIndex& nu, const QModelIndex& forra);
    // Stores a changed row; false, after a message, when the store refuses it.
    bool SparaRaden();
    void LaggTillRad();

    void VisaNorm();

    TBehov& behov_;
    QString& rubrik_;
    const QString& losenord_;
    TOmgivning omgivning_;
    Tabell normer_;
};

}  // namespace matvarda
