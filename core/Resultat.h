#pragma once

#include "core/Berakning.h"

namespace matvarda {

// Percent of the energy from protein, fat, carbohydrates and alcohol.
struct TEnergifordelning {
    float Prot = 0;
    float Fett = 0;
    float Kolh = 0;
    float Alko = 0;
};

// Everything the recalculation computes, read by the charts, the windows and
// the reports.
struct TResultat {
    std::array<std::array<float, AntalMaltider>, AntalDagar> Maltidspris{};
    std::array<float, AntalDagar> Dagspris{};
    float Periodpris = 0;
    float Medelpris = 0;
    std::array<std::array<TNaringsvarden, AntalMaltider>, AntalDagar> Maltidssumma{};
    std::array<std::array<std::array<TNaringsvarden, AntalPlatser>, AntalMaltider>, AntalDagar> RadProcent{};
    std::array<TNaringsvarden, AntalDagar> Dagssumma{};
    int IntagsDagar = 0;
    TNaringsvarden PeriodMedel{};
    std::array<std::array<TNaringsvarden, AntalMaltider>, AntalDagar> Maltidsprocent{};
    std::array<TNaringsvarden, AntalDagar> Dagsprocent{};
    TNaringsvarden PeriodProcent{};
    std::array<std::array<TEnergifordelning, AntalMaltider>, AntalDagar> MaltidsEnergi{};
    std::array<TEnergifordelning, AntalDagar> DagsEnergi{};
    TEnergifordelning PeriodEnergi;
    float Saltgram = 0;
    QString Saltetikett;
};

}  // namespace matvarda
