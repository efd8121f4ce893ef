#pragma once

// The activity list of one day, from which the activity-based need is
// computed, and the catalogue of activities the user picks from.

#include <QString>
#include <array>

namespace matvarda {

constexpr int AntalAktivitetsrader = 39;  // rows 1..39; slot 0 is the header line
constexpr int AntalKatalograder = 300;    // row 0 holds the column headings
constexpr int Kvinna = 0;
constexpr int Man = 1;
constexpr int EnhetKcal = 0;
constexpr int EnhetKj = 1;

// One activity of the day. The texts are kept as shown, since the
// computation reads the per-minute value back from its two decimals.
struct TAktivitetsrad {
    QString Namn;      // empty: an unused row, skipped by every computation
    QString Faktor;    // the BMR factor as the catalogue has it
    QString Minuter;
    QString PerMinut;  // added kcal per minute, two decimals: "0.61"
    QString Energi;    // added kcal, a whole number

    bool Anvand() const { return !Namn.isEmpty(); }
    friend bool operator==(const TAktivitetsrad&, const TAktivitetsrad&) = default;
};

struct TAktivitetslista {
    // The person, as typed.
    QString Alder = QStringLiteral("15");
    QString Vikt = QStringLiteral("55");
    int Kon = Kvinna;
    int Energienhet = EnhetKcal;  // shown only, never saved
    std::array<TAktivitetsrad, AntalAktivitetsrader + 1> Rader{};

    // Kept between computations: an age outside every band leaves the
    // basal metabolism as it was.
    float Grundforbrukning = 0;          // kcal per day
    float GrundforbrukningPerMinut = 0;  // kcal per minute
    float Aktivitetsenergi = 0;          // kcal per day
    float Energibehov = 0;               // kcal per day
    float MinuterKvar = 1440;            // may go below 0
};

// One catalogue row: the activity and its BMR factor as text.
struct TAktivitetspost {
    QString Namn;
    QString Faktor;

    friend bool operator==(const TAktivitetspost&, const TAktivitetspost&) = default;
};

using TAktivitetskatalog = std::array<TAktivitetspost, AntalKatalograder>;

}  // namespace matvarda
