#pragma once

// What a chart shows, as plain data: series of points, each a value, a label
// and a colour. Logic fills these; the chart component only draws them.

#include <QList>
#include <QString>
#include <cstdint>

namespace matvarda {

struct TFarg {
    std::uint8_t Rod = 0;
    std::uint8_t Gron = 0;
    std::uint8_t Bla = 0;
    bool Automatisk = false;  // the chart picks the colour of the series

    friend bool operator==(const TFarg&, const TFarg&) = default;
};

namespace Farg {
inline constexpr TFarg Automatisk{0, 0, 0, true};
inline constexpr TFarg Rod{255, 0, 0};
inline constexpr TFarg Bla{0, 0, 255};
inline constexpr TFarg Gron{0, 128, 0};
inline constexpr TFarg Gul{255, 255, 0};
inline constexpr TFarg Fuchsia{255, 0, 255};
inline constexpr TFarg Lila{128, 0, 128};
inline constexpr TFarg Ljusgron{128, 255, 128};
inline constexpr TFarg Silver{192, 192, 192};
inline constexpr TFarg Aqua{0, 255, 255};
inline constexpr TFarg Morklila{64, 0, 64};
inline constexpr TFarg Svart{0, 0, 0};
inline constexpr TFarg Lime{0, 255, 0};
inline constexpr TFarg Gra{128, 128, 128};
}  // namespace Farg

struct TPunkt {
    double Varde = 0;
    QString Etikett;
    TFarg Farg = Farg::Automatisk;

    friend bool operator==(const TPunkt&, const TPunkt&) = default;
};

using TSerie = QList<TPunkt>;

}  // namespace matvarda
