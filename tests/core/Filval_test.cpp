#include "core/Filval.h"
#include "platform/SkriptadeDialoger.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;

TEST(BytTillagg, ErsatterSistaTillaggetIFilnamnetOchLaggerTillDetSomSaknas) {
    const struct {
        const char* namn;
        const char* vantat;
    } fall[] = {
        {"/hem/vecka.txt", "/hem/vecka.dbok"},
        {"/hem/vecka", "/hem/vecka.dbok"},
        {"/hem/vecka.dbok", "/hem/vecka.dbok"},
        {"/hem/v.1.txt", "/hem/v.1.dbok"},
        {"/hem.mapp/vecka", "/hem.mapp/vecka.dbok"},
        {"C:\\Mat.d\\vecka", "C:\\Mat.d\\vecka.dbok"},
        {"vecka.", "vecka.dbok"},
    };
    for (const auto& f : fall) EXPECT_EQ(BytTillagg(f.namn, ".dbok"), f.vantat) << f.namn;
}

TEST(ValjSparfil, FragarOmNamnetSomSkrivsOchNejVisarDialogenIgen) {
    QTemporaryDir mapp;
    const QString dbok = QDir(mapp.path()).filePath("vecka.dbok");
    test::SkrivBytes(dbok, "gammal");
    SkriptadeDialoger dialoger;
    const QString fraga = dbok + " finns redan.\nVill du ersätta den?";

    // A name typed with another extension still meets the file it would replace.
    dialoger.SvaraText(QDir(mapp.path()).filePath("vecka.txt"));
    dialoger.Svara(Svar::Nej);
    dialoger.SvaraText(std::nullopt);
    EXPECT_FALSE(ValjSparfil(dialoger, "Spara beräkning", mapp.path(), "dbok|*.dbok", ".dbok").has_value());
    EXPECT_EQ(dialoger.Visat, QStringList({"Spara beräkning", fraga, "Spara beräkning"}));

    dialoger.Visat.clear();
    dialoger.SvaraText(QDir(mapp.path()).filePath("vecka.txt"));
    dialoger.Svara(Svar::Ja);
    EXPECT_EQ(ValjSparfil(dialoger, "Spara beräkning", mapp.path(), "dbok|*.dbok", ".dbok"), dbok);
    EXPECT_EQ(dialoger.Visat, QStringList({"Spara beräkning", fraga}));

    dialoger.Visat.clear();
    dialoger.SvaraText(QDir(mapp.path()).filePath("ny"));
    EXPECT_EQ(ValjSparfil(dialoger, "Spara beräkning", mapp.path(), "dbok|*.dbok", ".dbok"),
              QDir(mapp.path()).filePath("ny.dbok"));
    EXPECT_EQ(dialoger.Visat, QStringList({"Spara beräkning"}));
}
