#include "matvarda/FormProgram.h"

#include "calc/RaknaOm.h"
#include "matvarda/Form1.h"

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

    // The vegetables are listed once the diary and the catalogues exist;
    // the start-up phase ends here.
    program.Form1->VisaBildgrupp(QStringLiteral("Grönsaker"));
    program.Tillstand->Start.Uppstart = false;
}

}  // namespace matvarda
