#include "matvarda/FormProgram.h"

#include "admin/FormInst.h"
#include "admin/FormTab.h"
#include "analysis/FormGramTotal.h"
#include "analysis/FormInfotext.h"
#include "analysis/FormLivsmedelsgrupper.h"
#include "analysis/FormTips.h"
#include "analysis/FormToppen.h"
#include "analysis/Livsmedelsgrupper.h"
#include "calc/FormSalt.h"
#include "calc/Formsiffror.h"
#include "calc/RaknaOm.h"
#include "core/Bildgrupper.h"
#include "matvarda/Form1.h"
#include "matvarda/Start.h"
#include "need/FormAktiv.h"
#include "need/FormAktskapa.h"
#include "need/FormNorm.h"
#include "need/Formnvval.h"
#include "platform/QtTillganglighet.h"
#include "print/FormForhandsvisning.h"
#include "print/FormUt.h"
#include "print/FormUtskriftsval2.h"

#include <QMenuBar>
#include <QPushButton>

namespace matvarda {
namespace {

// Secondary windows keep their content between showings.
void Visa(QWidget* fonster) {
    fonster->show();
    fonster->raise();
    fonster->activateWindow();
}

void SkapaMeny(TProgram& p) {
    TForm1* f = p.Form1.get();
    QMenuBar* rad = f->menuBar();
    QMenu* arkiv = rad->addMenu(QStringLiteral("Arkiv"));
    arkiv->addAction(QStringLiteral("Ny beräkning"), f, &TForm1::NyBerakning1Click);
    arkiv->addAction(QStringLiteral("Hämta beräkning"), f, &TForm1::Hmtaberkning1Click);
    arkiv->addAction(QStringLiteral("Spara Beräkning"), f, &TForm1::SparaBerkning1Click);
    arkiv->addSeparator();
    arkiv->addAction(QStringLiteral("Utskrift"), f, [&p] { Visa(p.FormUtskriftsval2); });
    arkiv->addSeparator();
    arkiv->addAction(QStringLiteral("Kopiera denna måltid"), f, &TForm1::KopieraMaltid1Click);
    arkiv->addAction(QStringLiteral("Klistra in måltid"), f, &TForm1::KlistraInMaltid1Click);
    arkiv->addSeparator();
    arkiv->addAction(QStringLiteral("Hämta ett recept"), f, &TForm1::Hmtaettrecept1Click);
    arkiv->addAction(QStringLiteral("Spara denna måltid som recept"), f, &TForm1::Sparadennamltidsomrecept1Click);
    arkiv->addSeparator();
    arkiv->addAction(QStringLiteral("Inställningar"), f, [&p] { Visa(p.FormInst); });
    arkiv->addAction(QStringLiteral("Radera beräkningar"), f, &TForm1::RaderaClick);
    arkiv->addAction(QStringLiteral("Tipstexter"), f, [&p] { p.FormInfotext->Tipstexter1Click(); });

    QMenu* vem = rad->addMenu(QStringLiteral("Vem är du?"));
    vem->addAction(QStringLiteral("Standardnormer"), f, [&p] { Visa(p.FormNorm); });
    vem->addAction(QStringLiteral("Aktiviteter"), f, [&p] { Visa(p.FormAktiv); });
    rad->addAction(QStringLiteral("Välj näringsämnen"), f, [&p] { Visa(p.Formnvval); });
    rad->addAction(QStringLiteral("Näringstoppen"), f, [&p] { Visa(p.FormToppen); });
    rad->addAction(QStringLiteral("Livsmedelstabell"), f, [&p] { Visa(p.FormTab); });
    rad->addAction(QStringLiteral("MatTips"), f, [&p] { p.FormTips->MatTips1Click(); });
    rad->addAction(QStringLiteral("Copyright"), f, [&p] { p.Dialogerna.Meddelande(Omtext(p.Arbetsmapp)); });
}

void KopplaKnappar(TProgram& p) {
    TForm1* f = p.Form1.get();
    QObject::connect(f->ButtonSalt, &QPushButton::clicked, f, [&p] { Visa(p.FormSalt); });
    QObject::connect(f->ButtonSiffror, &QPushButton::clicked, f, [&p] {
        Visa(p.Formsiffror);
        p.RaknaOm();
    });
    QObject::connect(f->ButtonVarifran, &QPushButton::clicked, f, [&p] {
        p.FormGramTotal->VisaNaringskallor();
        Visa(p.FormGramTotal);
    });
    QObject::connect(f->ButtonGrupper, &QPushButton::clicked, f, [&p] { Visa(p.FormLivsmedelsgrupper); });
}

// The report preview, created after some of the windows that show in it.
TForhandsvisning Forhandsvisning(TProgram& program) {
    return [&program](const TRapportlayout& layout) { program.FormForhandsvisning->VisaRapport(layout); };
}

}  // namespace

TProgram::TProgram(QString arbetsmapp, Dialoger& dialoger)
    : Arbetsmapp(std::move(arbetsmapp)), Dialogerna(dialoger) {}

TProgram::~TProgram() = default;

void TProgram::RaknaOm() {
    matvarda::RaknaOm(*Tillstand);
    Uppdateringar.Uppdatera();
}

TOmgivning TProgram::Omgivning() { return {Dialogerna, Arbetsmapp, [this] { RaknaOm(); }}; }

void SkapaFonstren(TProgram& program) {
    TTillstand& t = *program.Tillstand;
    TUppdateringslista& u = program.Uppdateringar;

    program.Form1 = std::make_unique<TForm1>(t, program.Tabeller, program.Omgivning());
    TForm1* f = program.Form1.get();
    u.Fyll(Uppdateringssteg::Maltidsgrid, [f] {
        f->VisaRubrik();
        f->VisaMaltid();
    });
    u.Fyll(Uppdateringssteg::Diagram, [f] { f->VisaDiagramOchPris(); });
    u.Fyll(Uppdateringssteg::Daglista, [f] { f->UppdateraDaglista(); });
    u.Fyll(Uppdateringssteg::Maltidsknappar, [f] { f->UppdateraMaltidsknappar(); });

    program.FormNorm = new TFormNorm(t.Behov, t.Rubrik, t.Losenord, program.Omgivning(), f);
    program.Formnvval = new Tformnvval(t.Urval, program.Omgivning(), f);

    // The food table window lists the vegetables, once the diary and the
    // catalogues exist, and ends the start-up phase.
    program.FormTab = new TFormTab(
        t.Start, t.Losenord, [f] { f->VisaBildgrupp(Bildgruppnamn(Bildgrupp::Gronsaker)); }, Forhandsvisning(program),
        program.Omgivning(), f);

    program.FormAktskapa = new TFormAktskapa(t.Aktivitetskatalog, program.Dialogerna, program.Arbetsmapp, f);
    // The preview is created later; the activity printout finds it when
    // the user asks for it.
    program.FormAktiv = new TFormAktiv(
        t, program.Dialogerna, program.Arbetsmapp, [&program] { program.RaknaOm(); },
        [&program](const QStringList& rader) { program.FormUt->VisaUtskrift(rader); },
        [&program] { Visa(program.FormAktskapa); }, f);
    u.Fyll(Uppdateringssteg::Aktivitetsdiagram, [a = program.FormAktiv] { a->VisaEnergidiagram(); });
    program.FormTips = new TFormTips(t.Resultat, t.Dagbok, t.Infotexter, program.Dialogerna, f);
    program.FormInfotext = new TFormInfotext(t.Infotexter, program.Dialogerna, program.Arbetsmapp, f);
    program.FormToppen = new TFormToppen(t.Katalog, program.Tabeller.Fodtab100, program.Dialogerna, f);
    program.FormUt = new TFormUt(program.Dialogerna, f);
    program.FormForhandsvisning = new TFormForhandsvisning(program.Dialogerna, t.Start.Berakningsmapp, f);
    program.FormUtskriftsval2 = new TFormUtskriftsval2(t, program.Omgivning(), Forhandsvisning(program), f);
    program.FormLivsmedelsgrupper = new TFormLivsmedelsgrupper(
        t.Dagbok, t.EndastRavarugrupper, [&program] { program.RaknaOm(); }, f);
    u.Fyll(Uppdateringssteg::Livsmedelsgrupper, [g = program.FormLivsmedelsgrupper, f, &t] {
        g->BeraknaLivsmedelsgrupper();
        f->ButtonGrupper->setText(Gruppknapptext(t.EndastRavarugrupper));
    });

    program.FormInst = new TFormInst(t.Installningar, t.Losenord, program.Omgivning(), f);
    program.FormSalt = new TFormSalt(t.Resultat, f);
    u.Fyll(Uppdateringssteg::Salt, [s = program.FormSalt] { s->FyllSalt(); });
    program.FormGramTotal = new TFormGramTotal(t, f);
    u.Fyll(Uppdateringssteg::Naringskallor, [g = program.FormGramTotal] { g->VisaNaringskallor(); });
    program.Formsiffror = new TFormsiffror(t, f);
    u.Fyll(Uppdateringssteg::Siffror, [s = program.Formsiffror] {
        if (s->isVisible()) s->FyllSiffror();
    });

    SkapaMeny(program);
    KopplaKnappar(program);
    NamngeKnappar(f);
    // The norm window named the need; without a recalculation during the
    // start the caption shows it from here.
    f->VisaRubrik();
}

}  // namespace matvarda
