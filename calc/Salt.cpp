#include "calc/Salt.h"

#include <algorithm>
#include <cmath>

namespace matvarda {

int Saltmatare(float saltgram) {
    // nearbyint rounds halves to even in the default rounding mode.
    const float gram = std::clamp(saltgram, 0.0f, float(SaltmatareMax));
    return static_cast<int>(std::nearbyint(gram));
}

QStringList Salttext(const TResultat& resultat) {
    return {QStringLiteral("Kvinnor bör minska intaget av salt till 6 gram per dag, män till 7 gram."),
            resultat.Saltetikett + QString::number(resultat.Saltgram, 'f', 1) + QStringLiteral(" gram.")};
}

}  // namespace matvarda
