#pragma once

// The activity catalogue editor: aktiv.txt in a two-column table, editable
// and saved back behind the built-in password.

#include "core/Aktiviteter.h"
#include "platform/Dialoger.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace matvarda {

class TFormAktskapa : public QWidget {
    Q_OBJECT
public:
    // Loads aktiv.txt of the working folder into `katalog`, which the
    // activity window builds its picking list from when it is created.
    TFormAktskapa(TAktivitetskatalog& katalog, Dialoger& dialoger, QString arbetsmapp, QWidget* foralder);

    void ButtonAndraClick();
    void ButtonSparaClick();

    // Rows 1 to 299; the column headings of row 0 head the table.
    QTableWidget* StringGrid1 = nullptr;
    QPushButton* ButtonAndra = nullptr;
    QLabel* LabelAndra = nullptr;
    QPushButton* ButtonSpara = nullptr;

private:
    void FormCreate();
    void VisaKatalogen();
    TAktivitetskatalog KatalogenITabellen() const;
    QString Fil() const;

    TAktivitetskatalog& katalog_;
    Dialoger& dialoger_;
    QString arbetsmapp_;
};

}  // namespace matvarda
