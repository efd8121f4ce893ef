#include "platform/SvenskOrdning.h"
#include "platform/Tabell.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

// Writes a price through a connection of its own that does not wait for a
// lock, as a user's SQLite tool does; returns the error, empty on success.
QString SkrivPrisUtifran(const QString& fil, const QString& kod, const QString& pris) {
    const QString anslutning = QStringLiteral("utifran");
    QString fel;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), anslutning);
        db.setDatabaseName(fil);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        QSqlQuery fraga(db);
        if (!db.open())
            fel = db.lastError().text();
        else if (!fraga.exec(QStringLiteral("UPDATE fodtab100 SET kgpris = '%1' WHERE Kod = '%2'").arg(pris, kod)))
            fel = fraga.lastError().text();
    }
    QSqlDatabase::removeDatabase(anslutning);
    return fel;
}

// Started again with this variable naming a table file, the test binary
// only writes a price to it and ends: the writer of another process.
constexpr char Barnvariabel[] = "MATVARDA_TEST_SKRIV_PRIS";
[[maybe_unused]] const bool Barnprocess = [] {
    const QString fil = qEnvironmentVariable(Barnvariabel);
    if (fil.isEmpty()) return false;
    const QString fel = SkrivPrisUtifran(fil, QStringLiteral("2003"), QStringLiteral("77"));
    if (!fel.isEmpty()) fprintf(stderr, "%s\n", qPrintable(fel));
    std::exit(fel.isEmpty() ? 0 : 1);
}();

QString SkrivPrisIAnnanProcess(const QString& fil) {
    QProcess barn;
    QProcessEnvironment miljo = QProcessEnvironment::systemEnvironment();
    miljo.insert(Barnvariabel, fil);
    barn.setProcessEnvironment(miljo);
    barn.start(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath(), {QStringLiteral("--gtest_filter=-*")});
    if (!barn.waitForFinished(30000)) return QStringLiteral("barnprocessen blev inte klar");
    if (barn.exitStatus() != QProcess::NormalExit || barn.exitCode() != 0)
        return QString::fromLocal8Bit(barn.readAllStandardError());
    return {};
}

class TabellTest : public ::testing::Test {
protected:
    void SetUp() override {
        SkapaLivsmedelstabell(mapp.path(), "fodtab100",
                              {{"5001", "Ärtsoppa", "Rätter", "Övrigt", "portion", 300, "25", {{0, 250}}},
                               {"2001", "apelsin", "Frukt, bär", "Frukt,bär", "st", 150, "", {{0, 200}}},
                               {"2002", "Banan", "Frukt, bär", "Frukt,bär", "st", 120, "20,50", {{0, 380}}},
                               {"9001", "Öl, starköl", "Dryck", "Drycker", "glas", 330, "30", {{0, 180}}},
                               {"2003", "åkerbär", "Frukt, bär", "Frukt,bär", "dl", 60, "200", {{0, 150}}},
                               {"1001", "zucchini", "Grönsaker, baljväxter, svamp", "Grönsaker", "st", 250, "", {}}});
        tabell.Oppna();
    }

    QStringList NamnIOrdning() {
        QStringList namn;
        for (tabell.Forsta(); !tabell.Slut(); tabell.Nasta()) namn << tabell.Text("livsmedel");
        return namn;
    }

    QTemporaryDir mapp;
    Tabell tabell{mapp.path(), "fodtab100"};
};

TEST_F(TabellTest, NamnindexetSorterarSvensktUtanSkiftlage) {
    tabell.ValjIndex("LIVSMEDEL");
    EXPECT_EQ(NamnIOrdning(),
              QStringList({"apelsin", "Banan", "zucchini", "åkerbär", "Ärtsoppa", "Öl, starköl"}));
}

TEST_F(TabellTest, PrimarindexetOchTomtIndexnamnFoljerKoden) {
    tabell.ValjIndex("livsmedel");
    tabell.ValjIndex("");
    QStringList koder;
    for (tabell.Forsta(); !tabell.Slut(); tabell.Nasta()) koder << tabell.Text("KOD");
    EXPECT_EQ(koder, QStringList({"1001", "2001", "2002", "2003", "5001", "9001"}));
}

TEST_F(TabellTest, NyckelsokningHittarOchFortsatterIKodordning) {
    tabell.ValjIndex("livsmedel");
    ASSERT_TRUE(tabell.HittaNyckel(QString("2002")));
    EXPECT_EQ(tabell.Text("Livsmedel"), "Banan");
    EXPECT_DOUBLE_EQ(tabell.Flyttal(14), 380.0);
    EXPECT_DOUBLE_EQ(tabell.Flyttal("portionsstorlek"), 120.0);
    tabell.Nasta();
    EXPECT_EQ(tabell.Text("Kod"), "2003");
}

TEST_F(TabellTest, MisslyckadNyckelsokningLamnarMarkorenOrord) {
    ASSERT_TRUE(tabell.HittaNyckel(QString("2001")));
    EXPECT_FALSE(tabell.HittaNyckel(QString("200")));
    EXPECT_FALSE(tabell.HittaNyckel(QString("9999")));
    EXPECT_EQ(tabell.Text("Kod"), "2001");
}

TEST_F(TabellTest, FleraNycklarGerDeRaderSomFinnsIKodordning) {
    tabell.ValjIndex("livsmedel");
    tabell.HittaNycklar({"9001", "200", "2001", "1001", "2001"});
    QStringList koder;
    for (; !tabell.Slut(); tabell.Nasta()) koder << tabell.Text("Kod");
    EXPECT_EQ(koder, QStringList({"1001", "2001", "9001"}));
    tabell.HittaNycklar({});
    EXPECT_TRUE(tabell.Slut());
}

TEST_F(TabellTest, AndringSparasDirektOchFinnsKvarEfterOmoppning) {
    ASSERT_TRUE(tabell.HittaNyckel(QString("2002")));
    tabell.Redigera();
    tabell.SattFalt("KGPRIS", "22,90");
    tabell.Posta();
    EXPECT_EQ(tabell.Text("kgpris"), "22,90");
    tabell.Stang();
    tabell.Oppna();
    ASSERT_TRUE(tabell.HittaNyckel(QString("2002")));
    EXPECT_EQ(tabell.Text("kgpris"), "22,90");
}

TEST_F(TabellTest, LasFaltGerFaltenIIndexordningOchLamnarMarkoren) {
    ASSERT_TRUE(tabell.HittaNyckel(QString("2002")));
    tabell.ValjIndex("livsmedel");
    const QList<QVariantList> rader = tabell.LasFalt({1, 14, 2});
    ASSERT_EQ(rader.size(), 6);
    EXPECT_EQ(rader[0], QVariantList({"apelsin", 200.0, 150.0}));
    EXPECT_EQ(rader[5][0], "Öl, starköl");
    EXPECT_TRUE(rader[2][1].isNull());  // zucchini has no energy value
    EXPECT_EQ(tabell.Text("Kod"), "2002");
    EXPECT_THROW(tabell.LasFalt({1, 99}), Fel);
    tabell.SattFilter("Enhet1 IS NOT NULL");
    tabell.Filtrera(true);
    EXPECT_TRUE(tabell.LasFalt({0}).isEmpty());
}

// Whatever the store did last, another connection of this process and
// another process can write to the table while it stays open.
TEST_F(TabellTest, AndraKanSkrivaMedanTabellenArOppen) {
    const std::pair<const char*, std::function<void()>> steg[] = {
        {"öppnad", [] {}},
        {"uppslag", [&] { ASSERT_TRUE(tabell.HittaNyckel(QString("2002"))); }},
        {"misslyckat uppslag", [&] { ASSERT_FALSE(tabell.HittaNyckel(QString("2000"))); }},
        {"halvvägs i namnindexet", [&] {
             tabell.ValjIndex("livsmedel");
             tabell.Forsta();
             tabell.Nasta();
         }},
        {"namnsökning i indexet", [&] {
             for (tabell.Forsta(); !tabell.Slut() && tabell.Text("Livsmedel") != "zucchini"; tabell.Nasta()) {}
             ASSERT_FALSE(tabell.Slut());
         }},
        {"vidare från ett uppslag", [&] {
             ASSERT_TRUE(tabell.HittaNyckel(QString("2001")));
             tabell.Nasta();
             ASSERT_EQ(tabell.Text("Kod"), "2002");
         }},
        {"pris skrivet tillbaka", [&] {
             ASSERT_TRUE(tabell.HittaNyckel(QString("2001")));
             tabell.Redigera();
             tabell.SattFalt("kgpris", "21");
             tabell.Posta();
         }},
    };
    for (const auto& [namn, gor] : steg) {
        SCOPED_TRACE(namn);
        gor();
        EXPECT_EQ(SkrivPrisUtifran(tabell.Filsokvag(), "2002", "66"), "");
        EXPECT_EQ(SkrivPrisIAnnanProcess(tabell.Filsokvag()), "");
    }
    ASSERT_TRUE(tabell.HittaNyckel(QString("2002")));
    EXPECT_EQ(tabell.Text("kgpris"), "66");
    ASSERT_TRUE(tabell.HittaNyckel(QString("2003")));
    EXPECT_EQ(tabell.Text("kgpris"), "77");
}

TEST_F(TabellTest, FiltretVisarBaraRaderMedVarde) {
    tabell.SattFilter("kgpris IS NOT NULL");
    tabell.Filtrera(true);
    tabell.ValjIndex("");
    // Two foods have an empty price text, which is a value; none is NULL.
    EXPECT_EQ(NamnIOrdning().size(), 6);
    tabell.SattFilter("Enhet1 IS NOT NULL");
    EXPECT_EQ(NamnIOrdning().size(), 0);
    tabell.Filtrera(false);
    EXPECT_EQ(NamnIOrdning().size(), 6);
}

TEST_F(TabellTest, ExportOchImportGerSammaTabellTillbaka) {
    const QString fil = QDir(mapp.path()).filePath("fodtab.txt");
    tabell.ExporteraText(fil);
    ASSERT_TRUE(tabell.HittaNyckel(QString("5001")));
    tabell.Redigera();
    tabell.SattFalt("Livsmedel", "ändrad");
    tabell.Posta();

    tabell.ImporteraText(fil);
    ASSERT_TRUE(tabell.HittaNyckel(QString("5001")));
    EXPECT_EQ(tabell.Text("Livsmedel"), "Ärtsoppa");
    ASSERT_TRUE(tabell.HittaNyckel(QString("9001")));
    EXPECT_EQ(tabell.Text("Livsmedel"), "Öl, starköl");
    EXPECT_DOUBLE_EQ(tabell.Flyttal("Portionsstorlek"), 330.0);
    tabell.ValjIndex("");
    EXPECT_EQ(NamnIOrdning().size(), 6);
}

TEST_F(TabellTest, ImportMedFelaktigtTalAndrarIngenting) {
    const QString fil = QDir(mapp.path()).filePath("fel.txt");
    SkrivBytes(fil, "\"Kod\",\"Livsmedel\",\"Portionsstorlek\"\r\n\"7777\",\"Ny\",\"10\"\r\n\"2001\",\"X\",\"tio\"\r\n");
    EXPECT_THROW(tabell.ImporteraText(fil), Fel);
    EXPECT_FALSE(tabell.HittaNyckel(QString("7777")));
}

TEST(Fel, FelBarTabellensEgetMeddelande) {
    QTemporaryDir mapp;
    Tabell saknad(mapp.path(), "fodtab100");
    EXPECT_FALSE(saknad.Finns());
    try {
        saknad.Oppna();
        FAIL() << "öppnade en tabell som saknas";
    } catch (const Fel& fel) {
        EXPECT_TRUE(fel.Meddelande().contains("fodtab100"));
    }
    EXPECT_FALSE(QFile::exists(saknad.Filsokvag()));

    SkapaLivsmedelstabell(mapp.path(), "fodtab100", {});
    Tabell tom(mapp.path(), "fodtab100");
    tom.Oppna();
    tom.Forsta();
    EXPECT_TRUE(tom.Slut());
    EXPECT_THROW(tom.Text("Kod"), Fel);
    EXPECT_THROW(tom.ValjIndex("saknas"), Fel);
    EXPECT_THROW(tom.SattFilter("Kod = 'x'; DROP TABLE fodtab100"), Fel);
    EXPECT_THROW(tom.SattFilter("Saknas IS NOT NULL"), Fel);
}

TEST(SvenskOrdning, BokstavernaAAOEfterZOchSkiftlägetSpelarIngenRoll) {
    EXPECT_LT(JamforSvenskt("zebra", "ål"), 0);
    EXPECT_LT(JamforSvenskt("Ål", "äpple"), 0);
    EXPECT_LT(JamforSvenskt("ÄPPLE", "öl"), 0);
    EXPECT_LT(JamforSvenskt("apelsin", "Banan"), 0);
    EXPECT_LT(JamforSvenskt("abborre", "Apelsin"), 0);
    EXPECT_LT(JamforSvenskt("Crème", "creme fraiche"), 0);
    EXPECT_LT(JamforSvenskt("ost", "ostkaka"), 0);
    EXPECT_NE(JamforSvenskt("Ost", "ost"), 0);
    EXPECT_EQ(JamforSvenskt("ost", "ost"), 0);
}

}  // namespace
