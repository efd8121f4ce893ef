#pragma once

// The activity-based need: the basal metabolism from age, weight and sex,
// the energy each activity of the day adds, and from their sum the daily
// need that replaces the standard norm. All of it works on the state, so
// opening a saved calculation computes it without any window.

#include "core/Tillstand.h"
#include "platform/Diagramdata.h"
#include "platform/Tabell.h"

#include <QStringList>
#include <array>
#include <optional>

namespace matvarda {

constexpr int MinuterPerDygn = 1440;
constexpr float KjPerKcal = 4.184f;
constexpr int StartminuterAktivitet = 30;

// The age as typed, to the nearest whole year, halves to the even year.
int AvrundadAlder(const QString& alder);

// Basal metabolism in kcal per day by the equation of the sex and the
// rounded age; nullopt below 0 and above 110.
std::optional<float> Grundomsattning(int kon, int alder, float vikt);

// The norm row whose vitamins and minerals the activity-based need takes:
// the band of the age and sex from 11 years, the children's rows 21 (below
// 2), 22 (2 to 5) and 23 (6 to 10); nullopt below 0 and above 110.
std::optional<int> Aktivnormnummer(int kon, int alder);

// `BeraknaGrundforbrukning`: the basal metabolism (kept as it was for an
// age outside every band) and every used row's added kcal per minute.
void BeraknaGrundforbrukning(TAktivitetslista& lista);

// `BeraknaAktiviteter`: the basal metabolism, every used row's energy, the
// activity energy, the minutes left and `Energibehov`, then `SattAktivnorm`
// and Normtyp "aktivnorm". The caller then recalculates (RaknaOm) and
// refreshes, which redraws the energy chart.
void BeraknaAktiviteter(TTillstand& t, Tabell& normer);

// `SattAktivnorm`: Dagsbehov from the norm row of the person (kept as it was
// when the table lacks the row or cannot be read), with the energy and the
// energy-bound needs from `Energibehov` and the ideal energy distribution;
// Normtext "Kvinna 15 år, 55 kg.  5929 kJ/dag (1417 kcal/dag)" and the
// caption "Norm: " + Normtext.
void SattAktivnorm(TTillstand& t, Tabell& normer);

// The row operations; the caller runs BeraknaAktiviteter after each that
// changed something.
// `LaggTillAktivitet`: the activity goes into the first empty row with 30
// minutes; the row's number, or nullopt when all 39 rows are used.
std::optional<int> LaggTillAktivitet(TAktivitetslista& lista, const TAktivitetspost& aktivitet);
// `AndraMinuter`: false for the header line (0) and an empty row; a result
// below 0.5 minutes gives 0 and the row stays.
bool AndraMinuter(TAktivitetslista& lista, int rad, int minuter);
// `TaBortAktivitetsrad`: the rows below move up; false for the header line.
bool TaBortAktivitetsrad(TAktivitetslista& lista, int rad);
// `TomAktivitetstabell`: rows 1 to 39 empty; the person stays.
void TomAktivitetstabell(TAktivitetslista& lista);

// What the window shows. The kJ presentation turns the shown kcal values
// into whole kJ; the fields follow the chosen unit.
QString KjText(const QString& kcal);
QString Grundforbrukningsetikett(int enhet);
QString Aktivitetsetikett(int enhet);
QString Grundforbrukningstext(const TAktivitetslista& lista);
QString Aktivitetsenergitext(const TAktivitetslista& lista);
QString MinuterKvarText(const TAktivitetslista& lista);

// The energy chart: "Förbrukn." (basal metabolism, then the activities)
// above "Intag" (the day's energy), in the chosen unit.
inline const QString Energidiagramrubrik = QStringLiteral("Dagens Intag och förbrukning av energi.");
std::array<TSerie, 2> Energidiagram(const TAktivitetslista& lista, const TResultat& resultat, int dag);

// The printout for the preview window: heading and date, the person, the
// rows of the kcal presentation in columns, the basal metabolism and the
// activity energy.
QStringList Aktivitetsutskrift(const TAktivitetslista& lista, const QString& rubrik, const QString& datum);

}  // namespace matvarda
