#include "platform/QtTextrader.h"

#include <QPlainTextEdit>

namespace matvarda {

QStringList Textrader(const QPlainTextEdit& ruta) {
    const QString text = ruta.toPlainText();
    if (text.isEmpty()) return {};
    return text.split(QChar::LineFeed);
}

}  // namespace matvarda
