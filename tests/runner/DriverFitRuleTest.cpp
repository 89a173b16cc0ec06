// Which driver the tests expect a Windows to load: a wrong answer fails every
// driver case on a machine that could never load it, instead of skipping.
#include "DriverFitRule.h"

#include <gtest/gtest.h>

using namespace kit_test;

TEST(DriverFitRule, EachWidthLoadsItsOwnDriverAndArm64Neither) {
    EXPECT_EQ(DriverMisfitFor(MachineI386, MachineI386), "");
    EXPECT_EQ(DriverMisfitFor(MachineAmd64, MachineAmd64), "");
    EXPECT_NE(DriverMisfitFor(MachineI386, MachineAmd64).find("x86 Norvalex.sys"),
              std::string::npos);
    EXPECT_NE(DriverMisfitFor(MachineAmd64, MachineI386).find("x64 Norvalex.sys"),
              std::string::npos);
    for (uint16_t driver : {MachineI386, MachineAmd64})
        EXPECT_NE(DriverMisfitFor(MachineArm64, driver).find("ARM64"), std::string::npos)
            << "ARM64 loads no driver of the kit's, also not the x64 one it emulates";
}
