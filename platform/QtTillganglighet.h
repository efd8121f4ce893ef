#pragma once

// Accessible names: screen readers and automated use find every control by
// the name it shows the user.

#include <QStringList>

class QWidget;

namespace matvarda {

// Gives every button and check box under `rot` its caption as accessible
// name, where it has none of its own.
void NamngeKnappar(QWidget* rot);

// The controls under `rot` that a user acts on or reads and that lack an
// accessible name, each as "class objectName (text)".
QStringList KontrollerUtanNamn(QWidget* rot);

}  // namespace matvarda
