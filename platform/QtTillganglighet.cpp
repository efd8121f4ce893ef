#include "platform/QtTillganglighet.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGraphicsView>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextEdit>

namespace matvarda {
namespace {

QString Bildtext(QWidget* kontroll) {
    if (auto* knapp = qobject_cast<QAbstractButton*>(kontroll)) return knapp->text();
    if (auto* ruta = qobject_cast<QGroupBox*>(kontroll)) return ruta->title();
    return {};
}

bool ArKontroll(QWidget* w) {
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QProgressBar*>(w) ||
           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w) || qobject_cast<QGraphicsView*>(w);
}

// Parts that a compound control makes for itself (a combo box's list, a
// spin box's field, a grid's scroll bars) are named through their owner.
bool InreDel(QWidget* w, QWidget* rot) {
    for (QWidget* f = w->parentWidget(); f && f != rot; f = f->parentWidget())
        if (ArKontroll(f)) return true;
    return false;
}

}  // namespace

void NamngeKnappar(QWidget* rot) {
    for (QWidget* w : rot->findChildren<QWidget*>()) {
        if (!w->accessibleName().isEmpty()) continue;
        QString text = Bildtext(w);
        text.remove(QLatin1Char('&'));
        if (!text.isEmpty()) w->setAccessibleName(text);
    }
}

QStringList KontrollerUtanNamn(QWidget* rot) {
    QStringList saknas;
    for (QWidget* w : rot->findChildren<QWidget*>()) {
        if (!ArKontroll(w) || !w->accessibleName().isEmpty() || InreDel(w, rot)) continue;
        // Qt's own helpers, such as the menu bar's overflow button.
        if (w->objectName().startsWith(QLatin1String("qt_"))) continue;
        saknas << QStringLiteral("%1 %2 (%3)").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                                                    Bildtext(w));
    }
    return saknas;
}

}  // namespace matvarda
