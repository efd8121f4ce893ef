#pragma once

// The nutrient selection window: 50 boxes, and "OK" stores and applies them.

#include "core/Omgivning.h"
#include "core/Tillstand.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QPushButton;

namespace matvarda {

class Tformnvval : public QWidget {
    Q_OBJECT
public:
    Tformnvval(TUrval& urval, TOmgivning omgivning, QWidget* foralder);

    void Button1Click();

    // The box of nutrient number n; null for the numbers without a box.
    std::array<QCheckBox*, SistaNaringsnummer + 1> Rutor{};
    QPushButton* Button1 = nullptr;

private:
    void SkapaKontroller();
    void FormCreate();
    TUrval MarkeradeRutor() const;

    TUrval& urval_;
    TOmgivning omgivning_;
};

}  // namespace matvarda
