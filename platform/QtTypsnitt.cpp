#include "platform/QtTypsnitt.h"

#include <QFontDatabase>

namespace matvarda {

QFont Fastbreddstypsnitt(int punkter) {
    const QString familj = QFontDatabase::hasFamily(QStringLiteral("Courier New")) ? QStringLiteral("Courier New")
                                                                                    : QStringLiteral("Liberation Mono");
    QFont typsnitt(familj, punkter);
    typsnitt.setStyleHint(QFont::TypeWriter);
    typsnitt.setFixedPitch(true);
    return typsnitt;
}

}  // namespace matvarda
