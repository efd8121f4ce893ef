#include "platform/Textfil.h"
#include "stod/Fixtur.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace matvarda;

TEST(Textfil, Windows1252TurOchRetur) {
    const QString text = QStringLiteral("Räksmörgås €5 – “citat” é");
    const QByteArray byte = TillWindows1252(text);
    EXPECT_EQ(byte, QByteArray("R\xE4ksm\xF6rg\xE5s \x80" "5 \x96 \x93" "citat\x94 \xE9"));
    EXPECT_EQ(FranWindows1252(byte), text);
    EXPECT_EQ(TillWindows1252(QStringLiteral("漢")), "?");
}

TEST(Textfil, LaserCrLfOchLfOchSkriverCrLf) {
    QTemporaryDir mapp;
    const QString fil = QDir(mapp.path()).filePath("a.txt");
    test::SkrivBytes(fil, "ett\r\ntv\xE5\nsista");
    EXPECT_EQ(LasTextrader(fil), QStringList({"ett", "två", "sista"}));
    ASSERT_TRUE(SkrivTextrader(fil, {"å", ""}));
    EXPECT_EQ(LasFil(fil), QByteArray("\xE5\r\n\r\n"));
    EXPECT_FALSE(LasTextrader(QDir(mapp.path()).filePath("saknas.txt")).has_value());
    EXPECT_FALSE(SkrivTextrader(QDir(mapp.path()).filePath("saknas/b.txt"), {"x"}));
}
