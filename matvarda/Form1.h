#pragma once

#include "core/Livsmedel.h"
#include "core/Omgivning.h"
#include "core/Tillstand.h"
#include "matvarda/Livsmedelsval.h"

#include <QListWidget>
#include <QMainWindow>
#include <QTableWidget>
#include <optional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QVBoxLayout;
class QHBoxLayout;

namespace matvarda {

class TBildgrupper;
class TDiagramyta;
class TTypfilterfalt;

// The food list; a dragged line carries its row, and only this list's
// lines are accepted by the meal grid.
class TLivsmedelslistbox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;
    static const QString Mimetyp;
    // A drag never moves a line out of the list: the codes behind the lines
    // would no longer match them.
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*>& rader) const override;
};

// The meal grid: rows 0..28 of the widget are slots 1..29 of the meal.
class TMaltidsgrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TMaltidsgrid(QWidget* foralder);

signals:
    void EnterTryckt(int rad, int kolumn, const QString& text);
    void LivsmedelSlappt(int listrad, int slot);

protected:
    void keyPressEvent(QKeyEvent* handelse) override;
    void dragEnterEvent(QDragEnterEvent* handelse) override;
    void dragMoveEvent(QDragMoveEvent* handelse) override;
    void dropEvent(QDropEvent* handelse) override;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(TTillstand& tillstand, TLivsmedelstabeller& tabeller, TOmgivning omgivning);
    ~TForm1() override;

    // The main window's steps of the refresh after every recalculation.
    void VisaMaltid();
    void VisaRubrik();
    void VisaDiagramOchPris();
    void UppdateraDaglista();
    void UppdateraMaltidsknappar();
    void VisaBildgrupp(const QString& grupp);
    void VisaUtokadGrupp(const QString& grupp);
    void SokPaNamn();
    // Narrows the food list at every keystroke; an emptied field, or Escape,
    // brings back the list shown before the typing began.
    void EditTypfilterChange(const QString& text);
    void EditTypfilterEscape();
    // Adds the selected food of the list; rad 0 means the first empty slot.
    void LaggTillLivsmedel(int rad, bool infoga);
    void StringGridMaltidKeyPress(int rad, int kolumn, const QString& text);
    void StringGridMaltidHogerklick(const QPoint& punkt);
    void ListBoxViktenClick(int rad);
    void ButtonOkaClick();
    void ButtonMinskaClick();
    void ButtonTaBortClick();
    void ValjMaltid(int maltid);
    void ValjDag(int dag);
    void ValjVisning(int visning);
    void KopieraMaltid1Click();
    void KlistraInMaltid1Click();
    void NyBerakning1Click();
    void Hmtaberkning1Click();
    // True when the calculation file was written.
    bool SparaBerkning1Click();
    void Hmtaettrecept1Click();
    void Sparadennamltidsomrecept1Click();
    void RaderaClick();

    // Controls named as the program's other windows and tests reach them.
    TMaltidsgrid* StringGridMaltid = nullptr;
    TLivsmedelslistbox* ListBoxLivs = nullptr;
    QPushButton* ButtonOk = nullptr;
    TTypfilterfalt* EditTypfilter = nullptr;
    QStringList Livsmedelsnycklar;
    QListWidget* ListBoxVikter = nullptr;
    QComboBox* ComboBoxSLVgrupp = nullptr;
    QComboBox* ComboBoxDag = nullptr;
    QButtonGroup* Maltidsknappar = nullptr;
    QButtonGroup* Visningsknappar = nullptr;
    QLineEdit* EditPris = nullptr;
    QLabel* LabelHogerklick = nullptr;
    TBildgrupper* Bild = nullptr;
    QWidget* PanelDiagram = nullptr;
    QHBoxLayout* LayoutDiagramknappar = nullptr;
    TDiagramyta* Diagram = nullptr;
    QPushButton* ButtonSiffror = nullptr;
    QPushButton* ButtonSalt = nullptr;
    QPushButton* ButtonVarifran = nullptr;
    QPushButton* ButtonGrupper = nullptr;

protected:
    void closeEvent(QCloseEvent* handelse) override;

private:
    void SkapaKontroller();
    QWidget* SkapaMaltidsdel();
    QWidget* SkapaLivsmedelsdel();
    QWidget* SkapaDiagramdel();
    void SkapaDiagram(QWidget* del);
    QWidget* SkapaBilddel();
    void SkapaSokgenvag();
    void VisaListor(const TLivsmedelslistor& listor);
    void FyllListor(const TLivsmedelslistor& listor);
    void GeListanFokus();
    void RaknaOm();
    void FargaMaltidsknappar();
    // Asks to save a modified calculation; false when the user cancels.
    bool SparaFore(const QString& fraga);

    TTillstand& t_;
    TLivsmedelstabeller& tabeller_;
    TOmgivning omgivning_;
    // An opened calculation with an activity-based need takes the norm row
    // of the person from here; opened at the first such opening.
    Tabell normer_;
    QTimer* hogerklickTimer_ = nullptr;
    bool uppdaterar_ = false;
    TTypfilterindex typfilterindex_;
    std::optional<TLivsmedelslistor> foreTypning_;
};

}  // namespace matvarda
