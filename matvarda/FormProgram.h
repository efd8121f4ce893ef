#pragma once

// The running program: the state, the open tables, the dialogs, the windows
// created once in a fixed order, and the refresh list that follows every
// recalculation. Only this shell knows every window; the windows get what
// they read or write and a way to ask for the recalculation.

#include "core/Livsmedel.h"
#include "core/Omgivning.h"
#include "core/Tillstand.h"
#include "matvarda/Uppdatering.h"
#include "platform/Dialoger.h"

#include <QString>
#include <memory>

namespace matvarda {

class TForm1;
class TFormNorm;
class Tformnvval;
class TFormTab;
class TFormAktskapa;
class TFormAktiv;
class TFormUt;
class TFormUtskriftsval2;
class TFormForhandsvisning;
class TFormTips;
class TFormInfotext;
class TFormToppen;
class TFormLivsmedelsgrupper;
class TFormInst;
class TFormSalt;
class TFormGramTotal;
class TFormsiffror;

struct TProgram {
    TProgram(QString arbetsmapp, Dialoger& dialoger);
    ~TProgram();

    // The recalculation and the refresh of every window that exists.
    void RaknaOm();
    TOmgivning Omgivning();

    QString Arbetsmapp;
    Dialoger& Dialogerna;
    std::unique_ptr<TTillstand> Tillstand = std::make_unique<TTillstand>();
    TLivsmedelstabeller Tabeller;
    TUppdateringslista Uppdateringar;

    // The windows in creation order; a window not created yet is null. The
    // secondary windows are children of the main window, which deletes them.
    std::unique_ptr<TForm1> Form1;
    TFormNorm* FormNorm = nullptr;
    Tformnvval* Formnvval = nullptr;
    TFormTab* FormTab = nullptr;
    TFormAktskapa* FormAktskapa = nullptr;
    TFormAktiv* FormAktiv = nullptr;
    TFormTips* FormTips = nullptr;
    TFormInfotext* FormInfotext = nullptr;
    TFormToppen* FormToppen = nullptr;
    TFormUt* FormUt = nullptr;
    TFormUtskriftsval2* FormUtskriftsval2 = nullptr;
    TFormForhandsvisning* FormForhandsvisning = nullptr;  // the report renderer's preview
    TFormLivsmedelsgrupper* FormLivsmedelsgrupper = nullptr;
    TFormInst* FormInst = nullptr;
    TFormSalt* FormSalt = nullptr;
    TFormGramTotal* FormGramTotal = nullptr;
    TFormsiffror* Formsiffror = nullptr;
};

// Creates the windows in their order, each running its start-up work before
// the next is created, then the menu. Throws Fel when the start cannot
// go on.
void SkapaFonstren(TProgram& program);

}  // namespace matvarda
