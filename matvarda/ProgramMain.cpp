#include "platform/Fel.h"
#include "matvarda/Form1.h"
#include "matvarda/FormProgram.h"
#include "platform/QtApplikation.h"
#include "platform/QtDialoger.h"
#include "platform/Tabell.h"

#include <QDir>

int main(int argc, char* argv[]) {
    matvarda::TApplikation app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Matvarda"));
    matvarda::QtDialoger dialoger;
    app.SattDialoger(&dialoger);
    matvarda::TProgram program(QDir::currentPath(), dialoger);
    // A start that cannot complete says why and ends, rather than running
    // half-started.
    try {
        matvarda::SkapaFonstren(program);
    } catch (const matvarda::Fel& fel) {
        dialoger.Meddelande(fel.Meddelande());
        return 1;
    }
    dialoger.SattForalder(program.Form1.get());
    program.Form1->show();
    return app.exec();
}
