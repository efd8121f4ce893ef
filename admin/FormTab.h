#pragma once

// The food table window: fodtab100 per 100 gram in a grid that anyone can
// read and that becomes an editor behind the password, with the table tools.

#include "admin/Livsmedelstabell.h"
#include "core/Omgivning.h"
#include "core/Tillstand.h"
#include "platform/Tabell.h"
#include "print/Rapportlayout.h"

#include <QWidget>
#include <functional>
#include <optional>

class QLabel;
class QModelIndex;
class QPushButton;
class QTableView;

namespace matvarda {

class TFormTab : public QWidget {
    Q_OBJECT
public:
    // Opens the table on the table folder, fills the food list through
    // `fyllLivsmedelslistan` and ends the start-up; `losenord` guards the
    // editing; the price list is shown by `forhandsvisning`.
    TFormTab(TStartlage& start, const QString& losenord, std::function<void()> fyllLivsmedelslistan,
             TForhandsvisning forhandsvisning, TOmgivning omgivning, QWidget* foralder);
    ~TFormTab() override;

    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button1Click();
    void Button2Click();
    void ButtonTaBortAsteriskClick();
    void ButtonSkapaTxtfilClick();
    void ButtonLasTextfilClick();
    // Stores an edited row, the open cell included; false after a message
    // when the row is refused.
    bool SparaRaden();

    QTableView* DBISAMDBGrid1 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* LabelText = nullptr;
    QPushButton* ButtonTaBortAsterisk = nullptr;
    QPushButton* ButtonSkapaTxtfil = nullptr;
    QPushButton* ButtonLasTextfil = nullptr;
    // Null when the table could not be opened.
    TLivsmedelsmodell* DBISAMTableLivs = nullptr;

protected:
    bool eventFilter(QObject* objekt, QEvent* handelse) override;
    void hideEvent(QHideEvent* handelse) override;

private:
    void SkapaKontroller();
    void FormCreate();
    void KopplaGrid();
    void OrdnaKolumner();
    void Ordna(Tabellordning ordning);
    void LamnaRad(const QModelIndex& nu, const QModelIndex& forra);
    bool Last() const;
    // Reads the table again after a tool changed it behind the grid.
    void LasOm();

    TStartlage& start_;
    const QString& losenord_;
    TForhandsvisning forhandsvisning_;
    TOmgivning omgivning_;
    Tabell fodtab100_;
    std::optional<Tabellordning> nedtryckt_;
};

}  // namespace matvarda
