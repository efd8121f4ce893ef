// The window tests start the real windows offscreen inside one application,
// the program's own, so that its error path is tested too.
#include "platform/QtApplikation.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    matvarda::TApplikation app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
