// Every file the program writes, under a write that fails: the previous
// file stays whole byte for byte, no temporary file is left beside it, and
// the failure is reported, never passed off as a save.

#include "admin/Installningar.h"
#include "analysis/Infotext.h"
#include "core/Losenord.h"
#include "files/Recept.h"
#include "files/Sparadberakning.h"
#include "need/Aktivitetsfil.h"
#include "need/Aktivitetskatalog.h"
#include "need/Nvval.h"
#include "platform/SkriptadeDialoger.h"
#include "platform/Textfil.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace matvarda;

namespace {

// Runs the write in a child process whose files may not grow at all, as on
// a full disk; SIGXFSZ is ignored so that the write fails with EFBIG instead
// of ending the child. Gives true when the child found the failure reported.
bool UtanDiskutrymme(const std::function<bool()>& skriv) {
    std::fflush(nullptr);
    const pid_t barn = fork();
    if (barn == 0) {
        const rlimit ingenting{0, 0};
        setrlimit(RLIMIT_FSIZE, &ingenting);
        std::signal(SIGXFSZ, SIG_IGN);
        _exit(skriv() ? 0 : 1);
    }
    int status = 0;
    waitpid(barn, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QByteArray Tidigare(const QString& namn) { return "tidigare " + namn.toLatin1() + "\r\n\xE5\r\n"; }

class Skrivfel : public ::testing::Test {
protected:
    QString Fil(const QString& namn) const { return QDir(mapp.path()).filePath(namn); }
    // Writes the files that are not there yet and gives every file's bytes.
    QMap<QString, QByteArray> SkrivTidigare(const QStringList& namn) {
        QMap<QString, QByteArray> innehall;
        for (const QString& n : namn) {
            if (!QFileInfo::exists(Fil(n))) test::SkrivBytes(Fil(n), Tidigare(n));
            innehall[n] = LasFil(Fil(n)).value_or(QByteArray());
        }
        return innehall;
    }
    void ForvantaOrorda(const QMap<QString, QByteArray>& innehall) {
        for (auto i = innehall.cbegin(); i != innehall.cend(); ++i)
            EXPECT_EQ(LasFil(Fil(i.key())), i.value()) << i.key().toStdString();
        const QStringList finns = QDir(mapp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        EXPECT_EQ(finns, innehall.keys()) << finns.join(' ').toStdString();
    }

    QTemporaryDir mapp;
};

TEST_F(Skrivfel, SkrivFilLamnarDenGamlaFilenHel) {
    const QByteArray nytt(64 * 1024, 'x');
    // The target's folder missing: nothing is made anywhere.
    EXPECT_FALSE(SkrivFil(Fil("saknas/a.txt"), nytt));
    EXPECT_FALSE(QFileInfo::exists(Fil("saknas")));
    // The target a folder: the folder and what it holds stay.
    ASSERT_TRUE(QDir(mapp.path()).mkpath("mapp.txt"));
    test::SkrivBytes(Fil("mapp.txt/inne"), "kvar");
    EXPECT_FALSE(SkrivFil(Fil("mapp.txt"), nytt));
    EXPECT_TRUE(QFileInfo(Fil("mapp.txt")).isDir());
    EXPECT_EQ(LasFil(Fil("mapp.txt/inne")), QByteArray("kvar"));
    ASSERT_TRUE(QDir(Fil("mapp.txt")).removeRecursively());
    // The disk full: the write is refused and the old file keeps its bytes.
    const auto tidigare = SkrivTidigare({"a.txt"});
    EXPECT_TRUE(UtanDiskutrymme([&] { return !SkrivFil(Fil("a.txt"), nytt); }));
    ForvantaOrorda(tidigare);
}

// One case per file the program writes: the files it touches, and the
// write, which gives true when the failure was reported as the program
// reports it.
struct TSkrivfall {
    const char* Namn;
    QStringList Filer;
    std::function<bool(const QString& mapp)> SkrivOchRapportera;
};

QString I(const QString& mapp, const char* namn) { return QDir(mapp).filePath(namn); }

bool Meddelat(const SkriptadeDialoger& dialoger, const QStringList& vantat) {
    if (dialoger.Meddelanden == vantat) return true;
    std::fprintf(stderr, "Meddelanden: %s\n", qPrintable(dialoger.Meddelanden.join(" | ")));
    return false;
}

std::vector<TSkrivfall> Skrivfallen() {
    return {
        {"beräkning med följefiler", {"v.dbok", "v.norm", "v.akt"},
         [](const QString& mapp) {
             auto t = std::make_unique<TTillstand>();
             t->Dagbok.Andrad = true;
             SkriptadeDialoger dialoger;
             const bool sparad = SkrivBerakning(*t, dialoger, I(mapp, "v.dbok"), "2024-03-01");
             return !sparad && t->Dagbok.Andrad &&
                    Meddelat(dialoger, {"Kan ej spara beräkningen", "Kan ej spara aktuell norm",
                                        "Kan ej spara aktiviteterna."});
         }},
        {"recept", {"r.recept"},
         [](const QString& mapp) {
             auto t = std::make_unique<TTillstand>();
             t->Dagbok.AktuellaMaltiden()[1].Kod = "1001";
             SkriptadeDialoger dialoger;
             dialoger.SvaraText(I(mapp, "r.recept"));
             dialoger.Svara(Svar::Ja);  // replace the recipe that is there
             SparaRecept(*t, dialoger);
             return Meddelat(dialoger, {"Kan ej spara beräkningen"});
         }},
        {"aktivitetslista", {"a.akt"},
         [](const QString& mapp) { return !SparaAktivitetslista(I(mapp, "a.akt"), TAktivitetslista{}); }},
        {"aktiv.txt", {"aktiv.txt"},
         [](const QString& mapp) {
             TAktivitetskatalog katalog;
             katalog[1] = {"Cykling", "4"};
             return !SparaAktivitetskatalog(I(mapp, "aktiv.txt"), katalog);
         }},
        {"info.txt", {"info.txt"},
         [](const QString& mapp) {
             TKodtexter kodtexter;
             kodtexter[0] = QStringList{"Ät mer."};
             TInfotexter texter;
             return !SparaInfotexter(I(mapp, "info.txt"), kodtexter, texter);
         }},
        {"nvval.txt", {"nvval.txt"},
         [](const QString& mapp) {
             TUrval urval;
             urval.Valda[15] = urval.Valda[65] = true;
             return !SkrivNvval(I(mapp, "nvval.txt"), urval);
         }},
        {"matvarda.para", {"matvarda.para"},
         [](const QString& mapp) {
             return !SkrivParafil(I(mapp, "matvarda.para"), Installningstexter(TInstallningar{}));
         }},
        {"prisPassword.txt", {"prisPassword.txt"},
         [](const QString& mapp) { return !SkrivPrislas(I(mapp, "prisPassword.txt"), true); }},
        {"export av livsmedelstabell", {"fodtab100.db", "fodtab100.txt"},
         [](const QString& mapp) {
             Tabell tabell(mapp, "fodtab100");
             tabell.Oppna();
             try {
                 tabell.ExporteraText(I(mapp, "fodtab100.txt"));
             } catch (const Fel& fel) {
                 return fel.Meddelande() == "Kan inte skriva " + I(mapp, "fodtab100.txt");
             }
             return false;
         }},
    };
}

TEST_F(Skrivfel, VarjeSkrivenFilLamnarDenGamlaHelOchFeletSags) {
    for (const TSkrivfall& fall : Skrivfallen()) {
        SCOPED_TRACE(fall.Namn);
        if (fall.Filer.contains("fodtab100.db"))
            test::SkapaLivsmedelstabell(mapp.path(), "fodtab100", {{"1001", "Äpple", "Frukt", "Frukt"}});
        const auto tidigare = SkrivTidigare(fall.Filer);
        EXPECT_TRUE(UtanDiskutrymme([&] { return fall.SkrivOchRapportera(mapp.path()); }));
        ForvantaOrorda(tidigare);
        for (const QString& n : fall.Filer) QFile::remove(Fil(n));
    }
}

}  // namespace
