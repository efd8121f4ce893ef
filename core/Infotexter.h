#pragma once

#include <QStringList>

namespace matvarda {

// The advice texts as info.txt holds them: every line a code ("M1 " ..
// "M32 ") followed by one line of that code's text, in file order.
struct TInfotexter {
    QStringList Rader;
};

}  // namespace matvarda
