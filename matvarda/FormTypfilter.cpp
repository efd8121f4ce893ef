#include "matvarda/FormTypfilter.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>

namespace matvarda {

TTypfilterfalt::TTypfilterfalt(QAbstractItemView* lista, QWidget* foralder) : QLineEdit(foralder), lista_(lista) {
    setAccessibleName(QStringLiteral("Sök i listan"));
    setPlaceholderText(QStringLiteral("Skriv för att söka, t.ex. ost"));
    setToolTip(QStringLiteral("Pil upp och ned väljer, Enter lägger till, Esc ger tillbaka listan"));
    setClearButtonEnabled(true);
}

void TTypfilterfalt::keyPressEvent(QKeyEvent* handelse) {
    switch (handelse->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        QCoreApplication::sendEvent(lista_, handelse);
        return;
    case Qt::Key_Escape:
        emit EscapeTryckt();
        return;
    default:
        QLineEdit::keyPressEvent(handelse);
    }
}

}  // namespace matvarda
