#include "matvarda/FormProgram.h"
#include "platform/QtTillganglighet.h"
#include "stod/Fonstertest.h"

#include <gtest/gtest.h>

using namespace matvarda;
using namespace matvarda::test;

namespace {

class FormProgramTest : public TFonstertest {};

// Screen readers and automated use find every control of every window by name.
TEST_F(FormProgramTest, VarjeKontrollIVarjeFonsterHarEttNamn) {
    Starta();
    EXPECT_EQ(KontrollerUtanNamn(form), QStringList());
}

}  // namespace
