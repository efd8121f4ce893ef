#pragma once

// What the salt window shows: the gauge position and the two lines of text.

#include "core/Resultat.h"

#include <QStringList>

namespace matvarda {

constexpr int SaltmatareMax = 20;

inline const QStringList SaltStarttext{
    QStringLiteral("Kvinnor bör äta högst 6 gram salt per dag och män högst 7 gram."),
    QStringLiteral("En ytterligare sänkning till 5-6 gram salt per dag är önskvärd.")};

// Whole grams, halves to even, held within the gauge's 0..20.
int Saltmatare(float saltgram);

QStringList Salttext(const TResultat& resultat);

}  // namespace matvarda
