#pragma once

// The fixed-pitch font of plain-text printouts, the preview and the reports.

#include <QFont>

namespace matvarda {

// Courier New where it is installed, else Liberation Mono, which has Courier
// New's metrics, so columns laid out for Courier New still line up.
QFont Fastbreddstypsnitt(int punkter = 10);

}  // namespace matvarda
