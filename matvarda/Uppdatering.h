#pragma once

// The refresh after every recalculation: one slot per view, run in this
// fixed order whatever order the windows were created in. A window fills its
// slot when it is created; an empty slot is skipped.

#include <array>
#include <functional>

namespace matvarda {

enum class Uppdateringssteg {
    Maltidsgrid,
    Diagram,  // the bar chart's title, the charts and the price line
    Aktivitetsdiagram,
    Livsmedelsgrupper,
    Salt,
    Daglista,
    Maltidsknappar,
    Naringskallor,
    Siffror,
    Antal
};

class TUppdateringslista {
public:
    void Fyll(Uppdateringssteg steg, std::function<void()> uppdatera) {
        steg_[static_cast<int>(steg)] = std::move(uppdatera);
    }

    void Uppdatera() const {
        for (const auto& steg : steg_)
            if (steg) steg();
    }

private:
    std::array<std::function<void()>, static_cast<int>(Uppdateringssteg::Antal)> steg_;
};

}  // namespace matvarda
