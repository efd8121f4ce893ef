#pragma once

// The print choice window: what the report covers and how, then "Skriv"
// composes it and shows it in the preview or writes it to a file.

#include "core/Omgivning.h"
#include "core/Tillstand.h"
#include "print/Rapport.h"
#include "print/Rapportlayout.h"

#include <QWidget>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace matvarda {

class TFormUtskriftsval2 : public QWidget {
    Q_OBJECT
public:
    // `forhandsvisning` shows the composed report.
    TFormUtskriftsval2(const TTillstand& tillstand, TOmgivning omgivning, TForhandsvisning forhandsvisning,
                       QWidget* foralder);

    void ButtonSkrivClick();
    void CheckBox1Click();
    void CheckBoxKomprimeradClick();

    // The choices as the controls show them.
    TUtskriftsval Utskriftsval() const;
    TLayoutval Layoutval() const;

    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* Omfattningsknappar = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QButtonGroup* Detaljknappar = nullptr;
    QCheckBox* CheckBoxDiagram = nullptr;
    QCheckBox* CheckBoxFettsammansattning = nullptr;
    QCheckBox* CheckBoxPris = nullptr;
    QCheckBox* CheckBoxKomprimerad = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBoxCirkeldiagram = nullptr;
    QGroupBox* RadioGroup3 = nullptr;
    QButtonGroup* Filtypsknappar = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditRubrik = nullptr;
    QPushButton* ButtonSkriv = nullptr;

protected:
    void showEvent(QShowEvent* handelse) override;

private:
    void SkapaKontroller();
    QGroupBox* Radiogrupp(const QString& rubrik, const QStringList& val, QButtonGroup*& knappar);

    const TTillstand& t_;
    TOmgivning omgivning_;
    TForhandsvisning forhandsvisning_;
};

}  // namespace matvarda
