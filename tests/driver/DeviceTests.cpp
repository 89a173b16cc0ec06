// The stand-in driver as the kit's programs meet it: loaded as a service in
// the prefix, reached through its devices.
#include "DeviceAccess.h"
#include "DevicePath.h"
#include "DeviceProbe.h"
#include "DriverFit.h"
#include "DriverService.h"
#include "NorvalexContract.h"
#include "StandInDevices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace kit_test {
namespace {

using namespace norvalex::standin;
using norvalex::NORVALEX_IOCTL_800;

constexpr int32_t Unnumbered = -1;
constexpr DWORD TesterBuffer = norvalex::TesterIoctlBufferSize;
constexpr DWORD LoaderAnswerSize = norvalex::Func800AnswerSize;

class StandInDriver : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { driver_ = std::make_unique<RunningDriver>(); }
    static void TearDownTestSuite() { driver_.reset(); }
    void SetUp() override { KIT_REQUIRE_RUNNING_DRIVER(*driver_); }

    static HANDLE MustOpen(Opened& opened) {
        EXPECT_TRUE(opened.file) << "open failed with " << opened.error;
        return opened.file.get();
    }

  private:
    static std::unique_ptr<RunningDriver> driver_;
};
std::unique_ptr<RunningDriver> StandInDriver::driver_;

::testing::AssertionResult HoldsPattern(const std::vector<uint8_t>& data) {
    for (size_t k = 0; k < data.size(); ++k)
        if (data[k] != PatternByte(static_cast<uint32_t>(k)))
            return ::testing::AssertionFailure()
                   << "byte " << k << " is " << int(data[k]) << ", expected "
                   << int(PatternByte(static_cast<uint32_t>(k)));
    return ::testing::AssertionSuccess();
}

TEST_F(StandInDriver, ReadsDeliverThePatternFromItsStartEachTime) {
    for (int32_t number : {Unnumbered, NormalDevice, AllOnesDevice}) {
        SCOPED_TRACE(number);
        Opened device = OpenDevice(number);
        HANDLE handle = MustOpen(device);

        Transfer first = ReadDevice(handle, 8);
        ASSERT_TRUE(first.ok) << first.error;
        EXPECT_EQ(std::string(first.data.begin(), first.data.end()), "ABCDEFGH");

        Transfer whole = ReadDevice(handle, 256);
        ASSERT_TRUE(whole.ok) << whole.error;
        ASSERT_EQ(whole.count, 256u);
        EXPECT_TRUE(HoldsPattern(whole.data));
        bool seen[256] = {};
        for (uint8_t byte : whole.data)
            seen[byte] = true;
        for (int value = 0; value < 256; ++value)
            EXPECT_TRUE(seen[value]) << "value " << value << " missing";

        Transfer empty = ReadDevice(handle, 0);
        EXPECT_TRUE(empty.ok) << empty.error;
        EXPECT_EQ(empty.count, 0u);
    }
}

TEST_F(StandInDriver, LargeReadDeliversEveryByteInOneCall) {
    constexpr DWORD Large = 16 * 1024 * 1024;
    Opened device = OpenDevice(NormalDevice);
    HANDLE handle = MustOpen(device);

    auto start = std::chrono::steady_clock::now();
    Transfer large = ReadDevice(handle, Large);
    auto elapsed = std::chrono::steady_clock::now() - start;

    ASSERT_TRUE(large.ok) << large.error;
    ASSERT_EQ(large.count, Large);
    EXPECT_TRUE(HoldsPattern(large.data));
    double ms = std::chrono::duration<double, std::milli>(elapsed).count();
    RecordProperty("read_16MiB_ms", std::to_string(ms));
    std::printf("one 16 MiB read: %.1f ms\n", ms);
}

TEST_F(StandInDriver, ShortReadDeviceStopsAfterThreeBytes) {
    Opened device = OpenDevice(ShortReadDevice);
    HANDLE handle = MustOpen(device);
    for (DWORD asked : {8u, 512u, 3u}) {
        Transfer read = ReadDevice(handle, asked);
        ASSERT_TRUE(read.ok) << read.error;
        EXPECT_EQ(read.count, ShortReadCount) << "asked " << asked;
        EXPECT_EQ(std::string(read.data.begin(), read.data.end()), "ABC");
    }
    Transfer fewer = ReadDevice(handle, 2);
    ASSERT_TRUE(fewer.ok) << fewer.error;
    EXPECT_EQ(std::string(fewer.data.begin(), fewer.data.end()), "AB");
}

TEST_F(StandInDriver, Function800AnswersInBothBufferShapes) {
    struct Case {
        int32_t number;
        uint32_t answer;
    };
    for (Case c : {Case{Unnumbered, Func800Answer}, Case{NormalDevice, Func800Answer},
                   Case{ShortReadDevice, Func800Answer}, Case{AllOnesDevice, AllOnesAnswer}}) {
        SCOPED_TRACE(c.number);
        Opened device = OpenDevice(c.number);
        HANDLE handle = MustOpen(device);

        Transfer tester = Control(handle, NORVALEX_IOCTL_800, TesterBuffer, TesterBuffer);
        ASSERT_TRUE(tester.ok) << tester.error;
        EXPECT_EQ(tester.count, 4u);
        EXPECT_EQ(AnswerOf(tester), c.answer);

        Transfer loader = Control(handle, NORVALEX_IOCTL_800, 0, LoaderAnswerSize);
        ASSERT_TRUE(loader.ok) << loader.error;
        EXPECT_EQ(loader.count, 4u);
        EXPECT_EQ(AnswerOf(loader), c.answer);
    }
}

TEST_F(StandInDriver, RefusesWhatItDoesNotOffer) {
    Opened device = OpenDevice(NormalDevice);
    HANDLE handle = MustOpen(device);

    for (DWORD size : {0u, 3u}) {
        Transfer small = Control(handle, NORVALEX_IOCTL_800, 0, size);
        EXPECT_FALSE(small.ok) << "output of " << size;
        EXPECT_EQ(small.error, DWORD(ERROR_INSUFFICIENT_BUFFER)) << "output of " << size;
    }

    DWORD function801 = norvalex::ComposeControlCode(norvalex::FileDeviceUnknown, 0x801,
                                                     norvalex::MethodBuffered, 0);
    DWORD otherDeviceType = norvalex::ComposeControlCode(0x23, 0x800, norvalex::MethodBuffered, 0);
    for (DWORD code : {function801, otherDeviceType}) {
        Transfer unknown = Control(handle, code, TesterBuffer, TesterBuffer);
        EXPECT_FALSE(unknown.ok) << std::hex << code;
        EXPECT_EQ(unknown.error, DWORD(ERROR_INVALID_FUNCTION)) << std::hex << code;
    }

    Transfer write = WriteDevice(handle, {1, 2, 3, 4});
    EXPECT_FALSE(write.ok);
    EXPECT_EQ(write.error, DWORD(ERROR_INVALID_FUNCTION));
    EXPECT_EQ(write.count, 0u);
}

TEST_F(StandInDriver, FailingDeviceOpensButFailsReadsAndRequests) {
    Opened device = OpenDevice(FailingDevice);
    HANDLE handle = MustOpen(device);

    Transfer read = ReadDevice(handle, 8);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error, FailingDeviceError);
    EXPECT_EQ(read.count, 0u);

    for (DWORD inputSize : {TesterBuffer, DWORD{0}}) {
        Transfer control = Control(handle, NORVALEX_IOCTL_800, inputSize, TesterBuffer);
        EXPECT_FALSE(control.ok);
        EXPECT_EQ(control.error, FailingDeviceError);
    }
}

TEST_F(StandInDriver, NumbersBeyondTheDevicesAreNotFound) {
    for (int32_t number : {DeviceCount, 10, -2}) {
        Opened device = OpenDevice(number);
        EXPECT_FALSE(device.file) << number;
        EXPECT_EQ(device.error, MissingDeviceError) << number;
    }
}

TEST_F(StandInDriver, NameBelowADeviceIsNoOpenOfTheDevice) {
    const std::string below = norvalex::DevicePathFor(NormalDevice) + "\\x";
    norvalex::UniqueFile file(CreateFileA(below.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
        // Wine hands out a handle whatever the driver answered: it must be of no use.
        Transfer read = ReadDevice(file.get(), 4);
        EXPECT_FALSE(read.ok) << "a read through " << below << " delivered " << read.count;
    }
    EXPECT_EQ(DeviceOpenError(NormalDevice), 0u) << below << " must not hold device 0";
}

// Windows fails the open itself. Wine hands out the handle without waiting
// for the driver's answer to the open, so there the driver refuses every
// request on that handle instead; either way the caller sees error 5.
::testing::AssertionResult RefusedAsAlreadyOpen(const Opened& opened) {
    if (!opened.file) {
        if (opened.error == AlreadyOpenError)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "open failed with " << opened.error;
    }
    Transfer read = ReadDevice(opened.file.get(), 4);
    Transfer control = Control(opened.file.get(), NORVALEX_IOCTL_800, 0, LoaderAnswerSize);
    if (read.ok || read.error != AlreadyOpenError)
        return ::testing::AssertionFailure() << "read on a second open gave " << read.error;
    if (control.ok || control.error != AlreadyOpenError)
        return ::testing::AssertionFailure() << "request on a second open gave " << control.error;
    return ::testing::AssertionSuccess();
}

TEST_F(StandInDriver, OneOpenAtATimePerDevice) {
    Opened first = OpenDevice(NormalDevice);
    ASSERT_TRUE(first.file) << first.error;

    EXPECT_TRUE(RefusedAsAlreadyOpen(OpenDevice(NormalDevice)));
    // Neither the refusal nor the refused handle's close frees the device.
    EXPECT_TRUE(RefusedAsAlreadyOpen(OpenDevice(NormalDevice)));
    Transfer stillHeld = ReadDevice(first.file.get(), 4);
    EXPECT_TRUE(stillHeld.ok) << stillHeld.error;
    EXPECT_EQ(DeviceOpenError(NormalDevice), AlreadyOpenError);

    // The hold is per device: the others stay free.
    for (int32_t other : {Unnumbered, ShortReadDevice}) {
        Opened device = OpenDevice(other);
        ASSERT_TRUE(device.file) << other << ": " << device.error;
        Transfer read = ReadDevice(device.file.get(), 2);
        EXPECT_TRUE(read.ok) << other << ": " << read.error;
    }

    first.file.reset();
    EXPECT_EQ(DeviceOpenError(NormalDevice), 0u);
    // A close right before the next open must already have freed the device.
    for (int round = 0; round < 20; ++round) {
        Opened again = OpenDevice(NormalDevice);
        ASSERT_TRUE(again.file) << "round " << round << ": " << again.error;
        Transfer read = ReadDevice(again.file.get(), 4);
        EXPECT_TRUE(read.ok) << "round " << round << ": " << read.error;
    }
}

} // namespace
} // namespace kit_test
