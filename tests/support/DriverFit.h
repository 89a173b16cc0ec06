// Whether the Norvalex.sys beside the tools can be loaded by the running
// Windows. 64-bit Windows loads only the x64 driver, also for the x86 tools
// under WOW64; tests that need the driver skip, and say so, rather than fail
// a start that cannot work.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kit_test {

// Empty when the driver fits this Windows (or there is no driver to judge, so
// that its start fails and shows why); otherwise what the user must change.
std::string DriverMisfit();

} // namespace kit_test

// In a test or its SetUp: skips the test when the driver does not fit.
#define KIT_SKIP_UNLESS_DRIVER_FITS()                                                              \
    do {                                                                                           \
        const std::string kitDriverMisfit = ::kit_test::DriverMisfit();                            \
        if (!kitDriverMisfit.empty())                                                              \
            GTEST_SKIP() << kitDriverMisfit;                                                       \
    } while (false)

// In a test or its SetUp that needs `driver` (a RunningDriver) to run: skips
// where the driver cannot load, fails with the system's error where it did
// not start.
#define KIT_REQUIRE_RUNNING_DRIVER(driver)                                                         \
    do {                                                                                           \
        KIT_SKIP_UNLESS_DRIVER_FITS();                                                             \
        ASSERT_TRUE((driver).ok()) << "the stand-in driver did not start: " << (driver).problem(); \
    } while (false)
