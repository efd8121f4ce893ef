#include "analysis/FormLivsmedelsgrupper.h"

#include "platform/QtDiagram.h"

#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace matvarda;

namespace {

TEST(FormLivsmedelsgrupper, RutanSatterTillstandetOchRaknarOm) {
    TDagbok dagbok;
    TMaltidsrad& rad = dagbok.Berakning[0][2][1];
    rad.Kod = QStringLiteral("2001");
    rad.Gram = 120;
    bool endast = false;
    int omrakningar = 0;
    TFormLivsmedelsgrupper grupper(dagbok, endast, [&] { ++omrakningar; }, nullptr);
    grupper.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grupper));
    EXPECT_FALSE(grupper.CheckBoxEndastRavaror->isChecked());

    grupper.BeraknaLivsmedelsgrupper();
    const TSerie& staplar = grupper.ChartGrupper->Serie(0);
    ASSERT_EQ(staplar.size(), 10);
    EXPECT_EQ(staplar[1].Etikett, "Frukt, bär 120 g");
    EXPECT_EQ(grupper.ChartGrupper->VisadeKategorier().first(), "Grönsaker 0 g");
    EXPECT_EQ(grupper.ChartGrupper->VisadeKategorier().last(), "Okänt 0 g");

    QTest::mouseClick(grupper.CheckBoxEndastRavaror, Qt::LeftButton);
    EXPECT_TRUE(endast);
    EXPECT_EQ(omrakningar, 1);
    QTest::mouseClick(grupper.CheckBoxEndastRavaror, Qt::LeftButton);
    EXPECT_FALSE(endast);
    EXPECT_EQ(omrakningar, 2);
}

}  // namespace
