#pragma once

#include "core/Naringsamnen.h"
#include "platform/Dialoger.h"

#include <QString>
#include <array>
#include <functional>

namespace matvarda {

constexpr int AntalDagar = 7;
constexpr int AntalMaltider = 4;
constexpr int AntalPlatser = 30;  // slot 0 is never used
constexpr int SistaPlats = AntalPlatser - 1;

// Widths that texts are cut to when stored in a row.
constexpr int KodBredd = 22;
constexpr int LivsmedelBredd = 80;
constexpr int EnhetBredd = 16;
constexpr int TillaggBredd = 5;

extern const std::array<QString, AntalMaltider> Maltidsnamnen;

// One food in a meal; Kod "0" marks an empty slot.
struct TMaltidsrad {
    QString Kod = QStringLiteral("0");
    QString Livsmedel;
    QString Enhet;
    float Portion = 0;
    QString Enhet1;
    float Port1 = 0;
    QString Enhet2;
    float Port2 = 0;
    QString Enhet3;
    float Port3 = 0;
    QString Enhet4;
    float Port4 = 0;
    float Gram = 0;
    float Kgpris = 0;
    QString Tillagg;
    TNaringsvarden Naring{};
};

using TMaltid = std::array<TMaltidsrad, AntalPlatser>;
using TBerakning = std::array<std::array<TMaltid, AntalMaltider>, AntalDagar>;

// The diary with its cursor and the modified flag.
struct TDagbok {
    TBerakning Berakning;
    int AktuellDag = 0;
    int AktuellMaltid = 0;
    QString Maltidsnamn = Maltidsnamnen[0];
    int AktuellRad = 0;
    int AktuellKolumn = 0;
    bool Andrad = false;
    int Visning = 0;  // 0 one meal, 1 one day, 2 the period
    TMaltid Kopierad;  // the meal copied for pasting

    TMaltid& AktuellaMaltiden() { return Berakning[AktuellDag][AktuellMaltid]; }
    const TMaltid& AktuellaMaltiden() const { return Berakning[AktuellDag][AktuellMaltid]; }
};

enum Maltidskolumn { KolumnLivsmedel = 0, KolumnAntal = 1, KolumnEnhet = 2, KolumnGram = 3, KolumnPris = 4 };
constexpr int AntalKolumner = 5;

inline bool ArTom(const TMaltidsrad& rad) { return rad.Kod == QLatin1String("0"); }

// Stores a text cut to its width, as every text of a row is stored.
void SattText(QString& falt, const QString& varde, int bredd);

void TomPlats(TMaltidsrad& rad);

// The five cells of a meal-grid row, empty for an empty slot.
std::array<QString, AntalKolumner> Radceller(const TMaltidsrad& rad);

// Starts a new calculation; asks to save a modified one first (Yes runs
// `spara`). False when the user cancelled, or the save did not happen, and
// nothing changed.
bool NyBerakning(TDagbok& dagbok, Dialoger& dialoger, const std::function<bool()>& spara);

}  // namespace matvarda
