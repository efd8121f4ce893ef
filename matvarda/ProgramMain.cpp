#include "platform/Fel.h"
#include "matvarda/Form1.h"
#include "matvarda/FormProgram.h"
#include "matvarda/Rapportkommando.h"
#include "platform/QtApplikation.h"
#include "platform/QtDialoger.h"
#include "platform/Tabell.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

// On the command line only what was written and what failed is printed;
// Qt's own notes (a missing runtime folder, fonts) are left out.
void BaraAllvarligt(QtMsgType typ, const QMessageLogContext&, const QString& text) {
    if (typ == QtCriticalMsg || typ == QtFatalMsg) fprintf(stderr, "%s\n", qUtf8Printable(text));
}

// `matvarda rapport ...`: the reports of saved calculations, painted
// without windows.
int Rapport(int argc, char* argv[]) {
    matvarda::ValjPlattformForRapport();
    qInstallMessageHandler(BaraAllvarligt);
    QGuiApplication app(argc, argv);
    QTextStream ut(stdout);
    QTextStream fel(stderr);
    return matvarda::KorRapport(QCoreApplication::arguments().mid(2), QDir::currentPath(), ut, fel);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && qstrcmp(argv[1], "rapport") == 0) return Rapport(argc, argv);
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
