#include "core/Losenord.h"

#include "core/Tillstand.h"
#include "platform/SkriptadeDialoger.h"
#include "stod/Fixtur.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace matvarda {
namespace {

enum class Krav { Losenord, Takpann };

struct Fall {
    const char* Namn;
    std::optional<QByteArray> Losenordsfil;  // nullopt: no losenord.txt
    Krav Atgard;
    std::optional<QString> Inmatning;        // nullopt: Cancel
    bool Godkand;
};

const std::vector<Fall> Fallen{
    {"ingen fil, TAKPANN i blandad skiftlage", std::nullopt, Krav::Losenord, QStringLiteral("takPAnn"), true},
    {"ingen fil, TAKPANN-atgard", std::nullopt, Krav::Takpann, QStringLiteral("TakPann"), true},
    {"konfigurerat losenord i valfri skiftlage", QByteArray("Hemlig\r\nannat\r\n"), Krav::Losenord,
     QStringLiteral("hEMLIG"), true},
    {"TAKPANN nekas dar Losenord galler", QByteArray("Hemlig\r\n"), Krav::Losenord, QStringLiteral("TAKPANN"), false},
    {"TAKPANN galler fortfarande for TAKPANN-atgard", QByteArray("Hemlig\r\n"), Krav::Takpann,
     QStringLiteral("takpann"), true},
    {"konfigurerat losenord nekas for TAKPANN-atgard", QByteArray("Hemlig\r\n"), Krav::Takpann,
     QStringLiteral("HEMLIG"), false},
    {"forsta raden ett tecken ger TAKPANN", QByteArray("x\r\n"), Krav::Losenord, QStringLiteral("takpann"), true},
    {"tva tecken ar ett losenord", QByteArray("xy\r\n"), Krav::Losenord, QStringLiteral("XY"), true},
    {"tom fil ger TAKPANN", QByteArray(), Krav::Losenord, QStringLiteral("TAKPANN"), true},
    {"å skrivet som versal nekas", QByteArray("bl\xe5" "b\xe4r\r\n"), Krav::Losenord, QStringLiteral("BLÅBÄR"), false},
    {"å skrivet som gemen godtas", QByteArray("bl\xe5" "b\xe4r\r\n"), Krav::Losenord, QStringLiteral("BLåBäR"), true},
    {"avslutande blanksteg nekas", std::nullopt, Krav::Losenord, QStringLiteral("TAKPANN "), false},
    {"tom inmatning nekas", std::nullopt, Krav::Takpann, QString(), false},
};

TEST(Losenord, VarjeFallGodkannsEllerNekasMedMeddelande) {
    for (const Fall& fall : Fallen) {
        SCOPED_TRACE(fall.Namn);
        QTemporaryDir mapp;
        const QString fil = QDir(mapp.path()).filePath("losenord.txt");
        if (fall.Losenordsfil) test::SkrivBytes(fil, *fall.Losenordsfil);
        const QString accepterat = fall.Atgard == Krav::Losenord ? LasLosenord(fil) : Standardlosenord;

        SkriptadeDialoger dialoger;
        dialoger.SvaraText(fall.Inmatning);
        EXPECT_EQ(FragaLosenord(dialoger, accepterat), fall.Godkand);
        EXPECT_EQ(dialoger.Visat.mid(0, 2), QStringList({"Ange TAKPANN lösenord", "LÖSENORD"}));
        EXPECT_EQ(dialoger.Meddelanden, fall.Godkand ? QStringList() : QStringList{"Fel lösenord!"});
    }
}

TEST(Losenord, AvbrytVisarIngentingOchNekar) {
    SkriptadeDialoger dialoger;
    dialoger.SvaraText(std::nullopt);
    EXPECT_FALSE(FragaLosenord(dialoger, Standardlosenord));
    EXPECT_TRUE(dialoger.Meddelanden.isEmpty());
}

TEST(Losenord, VersalerBytterBaraAtillZ) {
    EXPECT_EQ(Versaler(QStringLiteral("abc xyz åäö é 1")), QStringLiteral("ABC XYZ åäö é 1"));
}

TEST(Prislas, BaraExaktPasswordJaLaser) {
    struct {
        std::optional<QByteArray> Innehall;
        bool Last;
    } const fallen[]{
        {std::nullopt, false},
        {QByteArray("password=ja\r\n"), true},
        {QByteArray("password=ja"), true},
        {QByteArray("password=nej\r\n"), false},
        {QByteArray("Password=ja\r\n"), false},
        {QByteArray("password=ja \r\n"), false},
        {QByteArray("\r\npassword=ja\r\n"), false},
    };
    for (const auto& fall : fallen) {
        SCOPED_TRACE(fall.Innehall.value_or("(ingen fil)").toStdString());
        QTemporaryDir mapp;
        const QString fil = QDir(mapp.path()).filePath("prisPassword.txt");
        if (fall.Innehall) test::SkrivBytes(fil, *fall.Innehall);
        EXPECT_EQ(LasPrislas(fil), fall.Last);
    }
}

TEST(Prislas, SkrivsSomEnRad) {
    QTemporaryDir mapp;
    const QString fil = QDir(mapp.path()).filePath("prisPassword.txt");
    ASSERT_TRUE(SkrivPrislas(fil, true));
    QFile f(fil);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("password=ja\r\n"));
    f.close();
    ASSERT_TRUE(SkrivPrislas(fil, false));
    EXPECT_FALSE(LasPrislas(fil));
}

}  // namespace
}  // namespace matvarda
