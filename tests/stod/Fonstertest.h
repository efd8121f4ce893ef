#pragma once

// The base of the window tests: the program started on the test working
// folder, with scripted dialogs.

#include "matvarda/Form1.h"
#include "matvarda/FormProgram.h"
#include "platform/SkriptadeDialoger.h"
#include "stod/Arbetsmapp.h"

#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace matvarda::test {

class TFonstertest : public ::testing::Test {
protected:
    // Closing the windows at the end of a test must not ask to save.
    void TearDown() override { t.Dagbok.Andrad = false; }

    void Starta() {
        SkapaFonstren(program);
        form = program.Form1.get();
    }

    // A menu of the main window's menu bar.
    QMenu* Meny(const QString& titel) {
        for (QAction* atgard : form->menuBar()->actions())
            if (atgard->text() == titel && atgard->menu()) return atgard->menu();
        ADD_FAILURE() << titel.toStdString();
        return nullptr;
    }

    // Finds the food by the name search and adds it to the current meal.
    void LaggTill(const QString& namn, int rad = 0, bool infoga = false) {
        dialoger.SvaraText(namn);
        form->SokPaNamn();
        const auto traffar = form->ListBoxLivs->findItems(namn, Qt::MatchExactly);
        ASSERT_EQ(traffar.size(), 1) << namn.toStdString();
        form->ListBoxLivs->setCurrentItem(traffar.first());
        form->LaggTillLivsmedel(rad, infoga);
    }

    TProvmapp mapp;
    SkriptadeDialoger dialoger;
    TProgram program{mapp.Sokvag(), dialoger};
    TTillstand& t = *program.Tillstand;
    TForm1* form = nullptr;
};

}  // namespace matvarda::test
