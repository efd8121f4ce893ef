#pragma once

#include "core/Tillstand.h"

namespace matvarda {

// Recomputes every total of all seven days from the diary, the need and the
// settings. The windows refresh from the results afterwards.
void RaknaOm(TTillstand& tillstand);

// "DAG3" for a day with intake, "dag3" otherwise.
QString Dagtext(const TResultat& resultat, int dag);

// The price line under the meal grid for the current view, with the
// system's decimal separator: " Pris Frukost: 15,00 kr".
QString Prisrad(const TTillstand& tillstand);

}  // namespace matvarda
