#pragma once

#include <QStringList>

class QPlainTextEdit;

namespace matvarda {

// The text of a text box as lines, empty lines kept; an empty text has none.
QStringList Textrader(const QPlainTextEdit& ruta);

}  // namespace matvarda
