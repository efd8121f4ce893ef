#include "matvarda/Form1.h"
#include "platform/SkriptadeDialoger.h"
#include "stod/Fonstertest.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QFile>
#include <QMenu>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class Form1SparatTest : public TFonstertest {
protected:
    void SetUp() override {
        Starta();
        t.Start.Berakningsmapp = mapp.Sokvag();
    }
    QAction* Atgard(const QString& text) {
        for (QAction* atgard : Meny("Arkiv")->actions())
            if (atgard->text() == text) return atgard;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    QString Cell(int slot) { return form->StringGridMaltid->item(slot - 1, 0)->text(); }
};

TEST_F(Form1SparatTest, MenynsPosterSpararOchHamtarMedRubrik) {
    QStringList poster;
    for (QAction* atgard : Meny("Arkiv")->actions())
        if (!atgard->isSeparator()) poster << atgard->text();
    EXPECT_EQ(poster, QStringList({"Ny beräkning", "Hämta beräkning", "Spara Beräkning", "Utskrift", "Kopiera denna måltid",
                                   "Klistra in måltid", "Hämta ett recept", "Spara denna måltid som recept",
                                   "Inställningar", "Radera beräkningar", "Tipstexter"}));
    EXPECT_TRUE(Atgard("Spara Beräkning")->shortcut().isEmpty());

    form->ValjMaltid(2);
    LaggTill("Gurka");
    LaggTill("Ost");
    dialoger.SvaraText(mapp.Fil("vecka"));
    Atgard("Spara Beräkning")->trigger();
    const QString normtext = t.Behov.Normtext;
    EXPECT_EQ(form->windowTitle(), mapp.Fil("vecka.dbok") + "   " + normtext);
    EXPECT_FALSE(t.Dagbok.Andrad);

    LaggTill("Tomat");
    dialoger.SvaraText(mapp.Fil("vecka.dbok"));
    dialoger.Svara(Svar::Nej);
    Atgard("Hämta beräkning")->trigger();
    EXPECT_TRUE(form->windowTitle().startsWith(mapp.Fil("vecka.dbok") + "   " + normtext + "  /"));
    EXPECT_TRUE(form->Maltidsknappar->button(0)->isChecked());
    EXPECT_EQ(Cell(1), "");
    form->ValjMaltid(2);
    EXPECT_EQ(Cell(1), "Gurka");
    EXPECT_EQ(Cell(2), "Ost");
    EXPECT_EQ(Cell(3), "");
    EXPECT_FALSE(t.Dagbok.Andrad);
}

TEST_F(Form1SparatTest, JaMedAvbrutenSparningHallerFonstretOppet) {
    form->show();
    LaggTill("Gurka");
    dialoger.Svara(Svar::Ja);
    dialoger.SvaraText(std::nullopt);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(Cell(1), "Gurka");
    EXPECT_TRUE(t.Dagbok.Andrad);

    dialoger.Svara(Svar::Ja);
    dialoger.SvaraText(mapp.Fil("sist"));
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(QFile::exists(mapp.Fil("sist.dbok")));
}

TEST_F(Form1SparatTest, ReceptHamtasTillAktuellMaltid) {
    LaggTill("Äpple");
    LaggTill("Mjölk");
    dialoger.SvaraText(mapp.Fil("frukost"));
    Atgard("Spara denna måltid som recept")->trigger();
    EXPECT_EQ(dialoger.Meddelanden.last(), "Receptet är sparat.");

    form->ValjMaltid(3);
    LaggTill("Ost");
    dialoger.SvaraText(mapp.Fil("frukost.recept"));
    Atgard("Hämta ett recept")->trigger();
    EXPECT_EQ(Cell(1), "Ost");
    EXPECT_EQ(Cell(2), "Äpple");
    EXPECT_EQ(Cell(3), "Mjölk");
}

}  // namespace
