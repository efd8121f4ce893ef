#pragma once

// What every window of the program shares: the state, the open tables, the
// dialogs and the windows themselves, created once in a fixed order.

#include "core/Tillstand.h"
#include "platform/Dialoger.h"

#include <QDir>
#include <QString>
#include <memory>

namespace matvarda {

class TForm1;
class TFormNorm;
class Tformnvval;
class TFormInst;
class TFormSalt;
class TFormsiffror;

struct TProgram {
    TProgram(QString arbetsmapp, Dialoger& dialoger);
    ~TProgram();

    // A file of the working folder.
    QString Fil(const QString& namn) const { return QDir(Arbetsmapp).filePath(namn); }
    // The recalculation and the refresh of every window that exists.
    void RaknaOm();

    QString Arbetsmapp;
    Dialoger& Dialogerna;
    std::unique_ptr<TTillstand> Tillstand = std::make_unique<TTillstand>();
    TLivsmedelstabeller Tabeller;

    // The windows in creation order; a window not created yet is null. The
    // secondary windows are children of the main window, which deletes them.
    std::unique_ptr<TForm1> Form1;
    TFormNorm* FormNorm = nullptr;
    Tformnvval* Formnvval = nullptr;
    TFormInst* FormInst = nullptr;
    TFormSalt* FormSalt = nullptr;
    TFormsiffror* Formsiffror = nullptr;
};

// Creates the windows in their order, each running its start-up work before
// the next is created. Throws Startfel when the start cannot go on.
void SkapaFonstren(TProgram& program);

}  // namespace matvarda
