#pragma once

// The activity window "Dina aktiviteter": age, weight, sex and the day's
// activities give the energy need, which becomes the need in use.

#include "core/Tillstand.h"
#include "platform/Dialoger.h"
#include "platform/Tabell.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace matvarda {

class QtDiagram;

class TFormAktiv : public QWidget {
    Q_OBJECT
public:
    // Builds the picking list from t.Aktivitetskatalog, so the catalogue
    // editor has loaded it first. `raknaOm` recalculates and refreshes;
    // `visaUtskrift` puts the lines in the preview window; `visaAktivitetstabell`
    // shows the catalogue editor.
    TFormAktiv(TTillstand& t, Dialoger& dialoger, const QString& arbetsmapp, std::function<void()> raknaOm,
               std::function<void(const QStringList&)> visaUtskrift, std::function<void()> visaAktivitetstabell,
               QWidget* foralder);

    // The refresh after every recalculation: the current day's intake
    // against the expenditure.
    void VisaEnergidiagram();

    // The user's actions.
    void EditAgeChange(const QString& text);
    void EditkgChange(const QString& text);
    void RadioGroupSexClick(int kon);
    void RadioGroupKcalClick(int enhet);
    void LaggTillAktivitetClick();
    void AndraMinuterClick(int minuter);
    void TaBortRadClick();
    void HamtaAktivitetslistaClick();
    void SparaAktivitetslistaClick();
    void UtskriftClick();
    void AktivitetstabellClick();

    // The current row, 1..39, shared by both presentations.
    int AktuellRad() const { return aktuellRad_; }
    void ValjRad(int rad);

    QMenuBar* Meny = nullptr;
    QLabel* LabelInstruktion = nullptr;
    QLineEdit* EditAge = nullptr;
    QLineEdit* Editkg = nullptr;
    QRadioButton* RadioKvinna = nullptr;
    QRadioButton* RadioMan = nullptr;
    QRadioButton* RadioKcal = nullptr;
    QRadioButton* RadioKj = nullptr;
    QLabel* LabelBMR = nullptr;
    QLineEdit* EditBMR = nullptr;
    QLabel* LabelTot = nullptr;
    QLineEdit* EditTot = nullptr;
    QLineEdit* EditMinKvar = nullptr;
    QtDiagram* ChartAktiv = nullptr;
    QTableWidget* StringGridAktiv = nullptr;
    QTableWidget* StringGridAktivKj = nullptr;
    QListWidget* ListBoxAktiv = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonTaBort = nullptr;
    std::vector<QPushButton*> MinutKnappar;  // +5, +15, +30, -5, -15, -30

private:
    void SkapaKontroller();
    void SkapaMeny();
    QWidget* SkapaPerson();
    QWidget* SkapaSummor();
    QWidget* SkapaTabeller();
    QWidget* SkapaKatalog();
    QWidget* SkapaMinutknappar();
    QTableWidget* SkapaTabell(const QString& namn, const QStringList& rubriker);
    // BeraknaAktiviteter, the recalculation and the refresh of this window.
    void Berakna();
    void Visa();
    void VisaTabell(QTableWidget* tabell, bool kj);

    TTillstand& t_;
    TAktivitetslista& lista_;
    Dialoger& dialoger_;
    Tabell normer_;
    std::function<void()> raknaOm_;
    std::function<void(const QStringList&)> visaUtskrift_;
    std::function<void()> visaAktivitetstabell_;
    std::vector<TAktivitetspost> valbara_;
    int aktuellRad_ = 1;
};

}  // namespace matvarda
