#pragma once

// The advice on one day's eating: for eight nutrient groups the day's amount
// and share of the need, and the stored texts of the level that share falls in.

#include "core/Resultat.h"
#include "core/Infotexter.h"

#include <QStringList>

namespace matvarda {

inline const QString TipsUtanIntag = QStringLiteral("När du har fyllt i vad du ätit visas här goda råd om maten.");
inline const QString Tipsrubrik = QStringLiteral("OBS! TIPSEN FÖRUTSÄTTER ATT DU ANGETT ALLT DU ÄTIT UNDER DAGEN.");

// 0 below 25 % of the need, 1 from 25, 2 from 85, 3 from 115.
int Tipsniva(float procent);

// Advice is given once some day of the period holds food.
bool HarTips(const TResultat& resultat);

// The heading, then per group its line, its texts and an empty line.
QStringList GodaRad(const TResultat& resultat, int dag, const TInfotexter& texter);

}  // namespace matvarda
