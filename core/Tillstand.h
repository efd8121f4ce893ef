#pragma once

// The program's shared values, grouped by what owns them. The running
// program holds one; a test makes its own.

#include "core/Aktiviteter.h"
#include "core/Resultat.h"
#include "core/Berakning.h"
#include "core/Infotexter.h"
#include "core/Livsmedel.h"
#include "core/Naringsamnen.h"

#include <QString>
#include <algorithm>
#include <array>

namespace matvarda {

inline const QString Standardlosenord = QStringLiteral("TAKPANN");

struct TStartlage {
    QString Berakningsmapp = QStringLiteral(".");
    QString Tabellmapp = QStringLiteral(".");
    bool Uppstart = true;
    bool ForstaTillagg = true;
    int AlkoholFaktor = 2900;
};

struct TBehov {
    TNaringsvarden Dagsbehov = [] {
        TNaringsvarden v;
        v.fill(100.0f);
        return v;
    }();
    QString Normtext;
    QString Normtyp = QStringLiteral("standardnorm");
};

struct TUrval {
    std::array<bool, SistaNaringsnummer + 1> Valda{};
    int AntalValda = 0;
};

// The count of chosen numbers in 15..65.
inline int RaknaValda(const TUrval& urval) {
    return static_cast<int>(std::count(urval.Valda.begin() + ForstaNaringsnummer, urval.Valda.end(), true));
}

struct TIdealfordelning {
    float Protein = 15;
    float Fett = 30;
    float Kolhydrat = 55;
    float Mattat = 10;
    float Enkelomattat = 12.5f;
    float Fleromattat = 7.5f;
};

struct TInstallningar {
    std::array<float, AntalMaltider> Maltidsandel{0.25f, 0.30f, 0.30f, 0.15f};
    TIdealfordelning Idealfordelning;
    bool PriserLasta = false;
};

struct TTillstand {
    TNaringskatalog Katalog;
    TLivsmedelskatalog Livsmedel;
    TDagbok Dagbok;
    TStartlage Start;
    TBehov Behov;
    TUrval Urval;
    TInstallningar Installningar;
    TAktivitetskatalog Aktivitetskatalog;
    TAktivitetslista Aktiviteter;
    // The main window's caption: the need's text after a new calculation,
    // the file's name after a save or an open. Shown by every refresh.
    QString Rubrik;
    QString Losenord = Standardlosenord;
    bool PrisTillTabell = true;  // false after the first failed price write
    // The food-group window's box: searches leave out foods outside the
    // raw-material groups.
    bool EndastRavarugrupper = false;
    TInfotexter Infotexter;
    TResultat Resultat;
};

}  // namespace matvarda
