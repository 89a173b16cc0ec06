// Starting and stopping the stand-in's service over and over: each stop must
// unload it cleanly enough for the next start to create its devices again.
#include "DeviceAccess.h"
#include "DriverFit.h"
#include "DriverService.h"
#include "StandInDevices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace kit_test {
namespace {

using namespace norvalex::standin;

TEST(StandInDriverService, HundredStartStopCyclesLeaveAWorkingDriver) {
    constexpr int Cycles = 100;
    RunningDriver driver;
    KIT_REQUIRE_RUNNING_DRIVER(driver);

    auto start = std::chrono::steady_clock::now();
    for (int cycle = 0; cycle < Cycles; ++cycle) {
        ASSERT_TRUE(StopDriverService()) << "stop of cycle " << cycle;
        ASSERT_EQ(OpenDevice(NormalDevice).error, MissingDeviceError) << "cycle " << cycle;
        ASSERT_EQ(StartDriverService(), 0u) << "start of cycle " << cycle;
    }
    auto elapsed = std::chrono::steady_clock::now() - start;
    double seconds = std::chrono::duration<double>(elapsed).count();
    RecordProperty("cycles_100_s", std::to_string(seconds));
    std::printf("%d stop/start cycles: %.2f s\n", Cycles, seconds);

    EXPECT_EQ(QueryServiceState(), ServiceState::Running);
    for (int32_t number : {-1, NormalDevice, FailingDevice}) {
        Opened device = OpenDevice(number);
        ASSERT_TRUE(device.file) << number << ": " << device.error;
        Transfer read = ReadDevice(device.file.get(), 3);
        if (number == FailingDevice) {
            EXPECT_EQ(read.error, FailingDeviceError);
        } else {
            ASSERT_TRUE(read.ok) << read.error;
            EXPECT_EQ(std::string(read.data.begin(), read.data.end()), "ABC");
        }
    }
}

} // namespace
} // namespace kit_test
