#pragma once

#include "core/Tillstand.h"

namespace matvarda {

// initdir.txt: line 1 the folder of calculations, line 2 the folder of the
// food tables. A missing file or line keeps the default "."; a relative
// folder counts from the working folder.
void LasInitdir(const QString& arbetsmapp, TStartlage& start);

// The About text; the source of the food data is the delivered kalla.txt's.
QString Omtext(const QString& arbetsmapp);

}  // namespace matvarda
