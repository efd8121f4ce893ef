#include "platform/QtApplikation.h"

#include "platform/Dialoger.h"
#include "platform/Fel.h"

#include <new>

namespace matvarda {

QString Felmeddelande(std::exception_ptr fel) {
    QString orsak;
    try {
        std::rethrow_exception(fel);
    } catch (const Fel& f) {
        orsak = f.Meddelande();
    } catch (const std::bad_alloc&) {
        orsak = QStringLiteral("Minnet räckte inte till.");
    } catch (const std::exception& f) {
        orsak = QString::fromLocal8Bit(f.what());
    } catch (...) {
        orsak = QStringLiteral("Okänt fel.");
    }
    return QStringLiteral("Åtgärden kunde inte slutföras.\n%1\nProgrammet fortsätter.").arg(orsak);
}

TApplikation::TApplikation(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplikation::notify(QObject* mottagare, QEvent* handelse) {
    try {
        return QApplication::notify(mottagare, handelse);
    } catch (...) {
        const QString text = Felmeddelande(std::current_exception());
        if (dialoger_) dialoger_->Meddelande(text);
        else qWarning("%s", qUtf8Printable(text));
        return false;
    }
}

}  // namespace matvarda
