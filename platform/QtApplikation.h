#pragma once

// The application object with the program's one error path: a fault that no
// operation handles, thrown out of any event or slot, ends in a message box
// that says what failed, and the program goes on.

#include <QApplication>
#include <exception>

namespace matvarda {

class Dialoger;

// The Swedish text shown for a fault that escaped an operation.
QString Felmeddelande(std::exception_ptr fel);

class TApplikation : public QApplication {
public:
    TApplikation(int& argc, char** argv);
    void SattDialoger(Dialoger* dialoger) { dialoger_ = dialoger; }
    bool notify(QObject* mottagare, QEvent* handelse) override;

private:
    Dialoger* dialoger_ = nullptr;
};

}  // namespace matvarda
