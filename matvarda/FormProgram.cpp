#include "matvarda/FormProgram.h"

#include "admin/FormInst.h"
#include "calc/FormSalt.h"
#include "calc/Formsiffror.h"
#include "calc/RaknaOm.h"
#include "matvarda/Form1.h"
#include "need/FormNorm.h"
#include "need/Formnvval.h"

namespace matvarda {

TProgram::TProgram(QString arbetsmapp, Dialoger& dialoger)
    : Arbetsmapp(std::move(arbetsmapp)), Dialogerna(dialoger) {}

TProgram::~TProgram() = default;

void TProgram::RaknaOm() {
    matvarda::RaknaOm(*Tillstand);
    if (Form1) Form1->Uppdatera();
}

void SkapaFonstren(TProgram& program) {
    program.Form1 = std::make_unique<TForm1>(program);
    program.FormNorm = new TFormNorm(program, program.Form1.get());
    program.Formnvval = new Tformnvval(program, program.Form1.get());

    // The vegetables are listed once the diary and the catalogues exist;
    // the start-up phase ends here.
    program.Form1->VisaBildgrupp(QStringLiteral("Grönsaker"));
    program.Tillstand->Start.Uppstart = false;
    program.FormInst = new TFormInst(program, program.Form1.get());
    program.FormSalt = new TFormSalt(program, program.Form1.get());
    program.Formsiffror = new TFormsiffror(program, program.Form1.get());
}

}  // namespace matvarda
