#include "platform/QtApplikation.h"
#include "platform/SkriptadeDialoger.h"
#include "platform/Tabell.h"
#include "stod/Fonstertest.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace matvarda;
using namespace matvarda::test;

namespace {

TApplikation& Applikationen() { return *static_cast<TApplikation*>(QCoreApplication::instance()); }

TEST(Felmeddelande, SagerVadSomFallerOchAttProgrammetFortsatter) {
    const std::pair<std::exception_ptr, QString> fall[] = {
        {std::make_exception_ptr(Fel(QStringLiteral("Tabellen fodtab100 är inte öppen"))),
         "Tabellen fodtab100 är inte öppen"},
        {std::make_exception_ptr(std::bad_alloc()), "Minnet räckte inte till."},
        {std::make_exception_ptr(std::runtime_error("trasig fil")), "trasig fil"},
        {std::make_exception_ptr(42), "Okänt fel."},
    };
    for (const auto& [fel, orsak] : fall)
        EXPECT_EQ(Felmeddelande(fel), "Åtgärden kunde inte slutföras.\n" + orsak + "\nProgrammet fortsätter.");
}

class FelvagTest : public TFonstertest {
protected:
    void SetUp() override { Applikationen().SattDialoger(&dialoger); }
    void TearDown() override {
        Applikationen().SattDialoger(nullptr);
        TFonstertest::TearDown();
    }
};

TEST_F(FelvagTest, FelIEnSlotVisasOchNastaKlickFungerar) {
    QPushButton knapp(QStringLiteral("Fel"));
    int klick = 0;
    QObject::connect(&knapp, &QPushButton::clicked, [&] {
        ++klick;
        throw std::runtime_error("trasig fil");
    });
    knapp.show();
    QTest::mouseClick(&knapp, Qt::LeftButton);
    QTest::mouseClick(&knapp, Qt::LeftButton);
    EXPECT_EQ(klick, 2);
    ASSERT_EQ(dialoger.Meddelanden.size(), 2);
    EXPECT_EQ(dialoger.Meddelanden[0], "Åtgärden kunde inte slutföras.\ntrasig fil\nProgrammet fortsätter.");
}

// A table error during a lookup, from a real click on "OK" under the list.
TEST_F(FelvagTest, TabellfelVidUppslagningBlirEttMeddelande) {
    Starta();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    form->ListBoxLivs->setCurrentRow(0);
    program.Tabeller.Fodtab100.Stang();
    QPushButton* ok = form->ButtonOk;
    QTest::mouseClick(ok, Qt::LeftButton);
    ASSERT_EQ(dialoger.Meddelanden.size(), 1);
    EXPECT_EQ(dialoger.Meddelanden[0], "Åtgärden kunde inte slutföras.\nTabellen fodtab100 är inte öppen\n"
                                       "Programmet fortsätter.");
    EXPECT_EQ(form->StringGridMaltid->item(0, 0)->text(), "");
    form->hide();
}

}  // namespace
