// The loader's device operations against the running stand-in driver.
#include "DrvLoader.h"
#include "DeviceProbe.h"
#include "DriverFit.h"
#include "DriverRecords.h"
#include "DriverService.h"
#include "StandInDevices.h"
#include "SystemErrorText.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdio.h>
#include <string>
#include <vector>

namespace standin = norvalex::standin;

namespace {

class LoaderDevice : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { Driver = std::make_unique<kit_test::RunningDriver>(); }
    static void TearDownTestSuite() { Driver.reset(); }
    void SetUp() override {
        KIT_REQUIRE_RUNNING_DRIVER(*Driver);
        Loader.SetErrorReporter([this](const std::string& text) { Boxes.push_back(text); });
    }

    static std::unique_ptr<kit_test::RunningDriver> Driver;
    TNorvalexLoader Loader;
    std::vector<std::string> Boxes;
};

std::unique_ptr<kit_test::RunningDriver> LoaderDevice::Driver;

// Held now; a device that must be free is given a moment (kit_test::BecomesFree).
bool IsHeld(const char* path) {
    return kit_test::OpenErrorOf(path) != 0;
}

// What shows a leaked handle: the process's handle count, where the system
// keeps one. Wine answers 0 there; its handle table gives out the lowest free
// value, so there the value the process would be given next moves instead.
std::string HandleUse() {
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0)
        return "handle count " + std::to_string(count);
    HANDLE probe = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    CloseHandle(probe);
    return "next free handle " + std::to_string(reinterpret_cast<uintptr_t>(probe));
}

TEST_F(LoaderDevice, UnnumberedAndNumberedPaths) {
    ASSERT_TRUE(Loader.OpenDevice(-1));
    EXPECT_TRUE(IsHeld("\\\\.\\NorvalexDevice")) << "-1 must hold the unnumbered device";
    EXPECT_TRUE(kit_test::BecomesFree("\\\\.\\NorvalexDevice0"));
    ASSERT_TRUE(Loader.OpenDevice(0));
    EXPECT_TRUE(kit_test::BecomesFree("\\\\.\\NorvalexDevice"))
        << "reopening releases the earlier device";
    EXPECT_TRUE(IsHeld("\\\\.\\NorvalexDevice0"));
    ASSERT_TRUE(Loader.OpenDevice(standin::NegativeDevice));
    EXPECT_TRUE(IsHeld("\\\\.\\NorvalexDevice-5")) << "-5 must hold its own device";
    Loader.CloseDevice();
    EXPECT_TRUE(kit_test::BecomesFree("\\\\.\\NorvalexDevice0"));
    EXPECT_TRUE(kit_test::BecomesFree("\\\\.\\NorvalexDevice-5"));
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(LoaderDevice, OpensForReadAndWriteSharingNothing) {
    const uint32_t mark = kit_test::RecordMark();
    ASSERT_TRUE(Loader.OpenDevice(standin::NormalDevice));
    Loader.CloseDevice();
    const std::vector<kit_test::RequestRecord> opens =
        kit_test::RecordsSince(mark, standin::NormalDevice);
    ASSERT_EQ(opens.size(), 1u) << "one open of device 0";

    const kit_test::RequestRecord& open = opens[0];
    EXPECT_EQ(open.kind, static_cast<uint32_t>(standin::RequestKind::Create));
    EXPECT_EQ(open.shareAccess, 0u) << "the loader's open must keep everyone else out";
    if (open.desiredAccess == standin::NotPassed) {
        printf("this system passes the driver no desired access\n");
    } else {
        EXPECT_TRUE(open.desiredAccess & (GENERIC_READ | FILE_READ_DATA)) << open.desiredAccess;
        EXPECT_TRUE(open.desiredAccess & (GENERIC_WRITE | FILE_WRITE_DATA)) << open.desiredAccess;
    }
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(LoaderDevice, MissingDeviceShowsSystemTextAndForgetsHandle) {
    ASSERT_TRUE(Loader.OpenDevice(0));
    EXPECT_FALSE(Loader.OpenDevice(7));
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], SystemErrorText(standin::MissingDeviceError));
    EXPECT_FALSE(Boxes[0].empty());
    EXPECT_EQ(Loader.CallFunc800(), 0u) << "no device is open after a failed open";
    EXPECT_FALSE(Loader.OpenDevice(-2)) << "a negative number other than -1 is a name too";
    EXPECT_TRUE(kit_test::BecomesFree("\\\\.\\NorvalexDevice0"));
}

TEST_F(LoaderDevice, DeviceHeldElsewhereShowsAccessDenied) {
    HANDLE other =
        CreateFileA("\\\\.\\NorvalexDevice0", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    // Windows refuses the open itself; Wine hands out the handle and the
    // driver refuses its first request. Either way the user sees "denied".
    std::string text;
    if (Loader.OpenDevice(0))
        Loader.ReadBytes(text);
    CloseHandle(other);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], SystemErrorText(standin::AlreadyOpenError));
    Loader.CloseDevice();
}

TEST_F(LoaderDevice, Func800Answers) {
    EXPECT_EQ(Loader.CallFunc800(), 0u) << "no device open: nothing sent, 0";
    ASSERT_TRUE(Loader.OpenDevice(standin::NormalDevice));
    EXPECT_EQ(Loader.CallFunc800(), standin::Func800Answer);
    ASSERT_TRUE(Loader.OpenDevice(standin::AllOnesDevice));
    EXPECT_EQ(Loader.CallFunc800(), 0xFFFFFFFFu);
    ASSERT_TRUE(Loader.OpenDevice(standin::FailingDevice));
    EXPECT_EQ(Loader.CallFunc800(), 0u) << "a failed request answers 0";
    EXPECT_TRUE(Boxes.empty()) << "a failed request shows nothing";
}

TEST_F(LoaderDevice, ReadBytesRendersEightBytes) {
    std::string text = "stale";
    Loader.ReadBytes(text);
    EXPECT_EQ(text, "") << "no device open: empty, no box";
    EXPECT_TRUE(Boxes.empty());

    ASSERT_TRUE(Loader.OpenDevice(standin::NormalDevice));
    Loader.ReadBytes(text);
    EXPECT_EQ(text, "41 42 43 44 45 46 47 48 ");

    ASSERT_TRUE(Loader.OpenDevice(standin::ShortReadDevice));
    Loader.ReadBytes(text);
    EXPECT_EQ(text, "41 42 43 00 00 00 00 00 ");
    EXPECT_TRUE(Boxes.empty());

    ASSERT_TRUE(Loader.OpenDevice(standin::FailingDevice));
    Loader.ReadBytes(text);
    EXPECT_EQ(text, "00 00 00 00 00 00 00 00 ");
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], SystemErrorText(standin::FailingDeviceError));
}

TEST_F(LoaderDevice, CloseWithoutDeviceDoesNothing) {
    Loader.CloseDevice();
    Loader.CloseDevice();
    std::string text;
    Loader.ReadBytes(text);
    EXPECT_EQ(text, "");
}

TEST_F(LoaderDevice, DestructorReleasesDevice) {
    {
        TNorvalexLoader scoped;
        ASSERT_TRUE(scoped.OpenDevice(0));
        EXPECT_TRUE(IsHeld("\\\\.\\NorvalexDevice0"));
    }
    EXPECT_TRUE(kit_test::BecomesFree("\\\\.\\NorvalexDevice0"));
}

TEST_F(LoaderDevice, RepeatedOpensLeakNoHandle) {
    ASSERT_TRUE(Loader.OpenDevice(0));
    Loader.CloseDevice();
    const std::string before = HandleUse();
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(Loader.OpenDevice(0));
        Loader.CloseDevice();
    }
    EXPECT_EQ(HandleUse(), before);
    // Opening again without a close in between releases the earlier device.
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(Loader.OpenDevice(i % 2 ? -1 : 0)) << "open " << i;
    Loader.CloseDevice();
    EXPECT_EQ(HandleUse(), before);
    EXPECT_TRUE(kit_test::BecomesFree("\\\\.\\NorvalexDevice"));
    EXPECT_TRUE(kit_test::BecomesFree("\\\\.\\NorvalexDevice0"));
    EXPECT_TRUE(Boxes.empty());
}

} // namespace
