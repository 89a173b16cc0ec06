// Kelvask against the stand-in driver: every button through the loader, with
// the service and the devices checked from outside.
#include "DeviceProbe.h"
#include "KelvaskWindow.h"

#include "DriverFit.h"
#include "DriverService.h"
#include "StandInDevices.h"

#include <gtest/gtest.h>

using namespace kit_test;
namespace standin = norvalex::standin;

namespace {

const std::wstring Confirmation = L"Драйвер открыт успешно";
const std::wstring OpenFailure = L"Ошибка открытия драйвера";

// Removes the service whatever a test did, also when it failed half way.
struct ServiceCleanup {
    ServiceCleanup() { RemoveDriverService(); }
    ~ServiceCleanup() { RemoveDriverService(); }
};

class KelvaskWithDriver : public ::testing::Test {
  protected:
    void SetUp() override {
        KIT_REQUIRE_RUNNING_DRIVER(driver);
        ASSERT_TRUE(window.Ready()) << "Kelvask's window or a control missing";
    }

    RunningDriver driver;
    KelvaskWindow window;
};

} // namespace

TEST(KelvaskTypicalUse, LoadOpenCallReadCloseUnload) {
    KIT_SKIP_UNLESS_DRIVER_FITS();
    ServiceCleanup cleanup;
    ASSERT_EQ(QueryServiceState(), ServiceState::Absent) << ForeignDriver();
    KelvaskWindow window;
    ASSERT_TRUE(window.Ready());

    ASSERT_TRUE(Click(window.btnLoad));
    ASSERT_TRUE(WaitUntil([] { return QueryServiceState() == ServiceState::Running; }, 60000))
        << "Load must install the service from Kelvask's folder and start it";
    EXPECT_TRUE(window.NoBoxShown());

    ASSERT_TRUE(Click(window.btnOpen));
    EXPECT_TRUE(window.BoxShowsIcon(L"Confirm", SystemIcon::Question, SystemIcon::Stop));
    EXPECT_EQ(window.AnswerBox(L"Confirm"), Confirmation);
    EXPECT_EQ(DeviceOpenError(0), standin::AlreadyOpenError) << "device 0 must be the one held";

    EXPECT_TRUE(window.ClickAndWaitForOutput(window.btnFunc1, L"305419896"));
    EXPECT_TRUE(window.ClickAndWaitForOutput(window.Button1, L"41 42 43 44 45 46 47 48 "));

    ASSERT_TRUE(Click(window.btnClose));
    EXPECT_TRUE(WaitUntil([] { return DeviceOpenError(0) == 0; }))
        << "Close must let the device go";

    ASSERT_TRUE(Click(window.btnUnload));
    EXPECT_TRUE(WaitUntil([] { return QueryServiceState() == ServiceState::Absent; }, 60000))
        << "Unload must stop and delete the service";
    EXPECT_TRUE(window.NoBoxShown());
    EXPECT_TRUE(window.Close());
}

TEST(KelvaskTypicalUse, LoadWhenTheServiceExistsShowsTheSystemErrorAndStillStarts) {
    KIT_SKIP_UNLESS_DRIVER_FITS();
    ServiceCleanup cleanup;
    ASSERT_EQ(CreateDriverService(), 0u);
    KelvaskWindow window;
    ASSERT_TRUE(window.Ready());
    ASSERT_TRUE(Click(window.btnLoad));
    EXPECT_EQ(window.AnswerBox(L"Error"), SystemErrorText(ERROR_SERVICE_EXISTS));
    EXPECT_TRUE(WaitUntil([] { return QueryServiceState() == ServiceState::Running; }, 60000));
    EXPECT_TRUE(window.NoBoxShown()) << "the start after a failed install is silent";
}

TEST(KelvaskClosedDuringABox, EndsCleanlyAndTheHandlerFinishesItsWork) {
    KIT_SKIP_UNLESS_DRIVER_FITS();
    ServiceCleanup cleanup;
    ASSERT_EQ(CreateDriverService(), 0u);
    KelvaskWindow window;
    ASSERT_TRUE(window.Ready());
    ASSERT_TRUE(Click(window.btnLoad));
    HWND box = WaitForMessageBox(window.ProcessId(), L"Error");
    ASSERT_NE(box, nullptr) << "the install of an existing service shows the system's error";
    // As a task manager's "end task" does: the window is asked to close while
    // the install's box is up. The box goes with its window, or is answered.
    PostMessageW(window.form, WM_CLOSE, 0, 0);
    if (!WaitUntil([&] { return !IsWindow(box); }, 3000))
        PressOk(box);
    EXPECT_EQ(window.WaitForEnd(), 0u) << "the program must end, and end cleanly";
    EXPECT_TRUE(WaitUntil([] { return QueryServiceState() == ServiceState::Running; }, 60000))
        << "the start that follows the install still runs";
}

TEST_F(KelvaskWithDriver, FailedOpenShowsTheSystemErrorThenItsOwnMessage) {
    ASSERT_TRUE(window.SetDeviceNumber(L"7"));
    ASSERT_TRUE(Click(window.btnOpen));
    EXPECT_TRUE(window.BoxShowsIcon(L"Error", SystemIcon::Stop, SystemIcon::Question));
    EXPECT_EQ(window.AnswerBox(L"Error"), SystemErrorText(standin::MissingDeviceError));
    EXPECT_TRUE(window.BoxShowsIcon(L"Error", SystemIcon::Stop, SystemIcon::Question));
    EXPECT_EQ(window.AnswerBox(L"Error"), OpenFailure);
    EXPECT_TRUE(window.ClickAndWaitForOutput(window.btnFunc1, L"0"));
    EXPECT_TRUE(window.ClickAndWaitForOutput(window.Button1, L"")) << "no device is open after it";
    EXPECT_TRUE(window.NoBoxShown());
}

TEST_F(KelvaskWithDriver, AnswerOfAllOnesShowsUnsigned) {
    ASSERT_TRUE(window.SetDeviceNumber(L""));
    PostChar(window.SpinEdit1, L'2');
    ASSERT_TRUE(WaitForText(window.SpinEdit1, L"2"));
    EXPECT_EQ(window.OpenAndAnswer(L"Confirm"), Confirmation);
    EXPECT_TRUE(window.ClickAndWaitForOutput(window.btnFunc1, L"4294967295"));
}

TEST_F(KelvaskWithDriver, NegativeNumbersOpenTheUnnumberedDeviceOrTheirOwn) {
    ASSERT_TRUE(window.SetDeviceNumber(L"-1"));
    EXPECT_EQ(window.OpenAndAnswer(L"Confirm"), Confirmation);
    EXPECT_EQ(DeviceOpenError(-1), standin::AlreadyOpenError);
    EXPECT_EQ(DeviceOpenError(0), 0u);
    EXPECT_TRUE(window.ClickAndWaitForOutput(window.Button1, L"41 42 43 44 45 46 47 48 "));

    ASSERT_TRUE(window.SetDeviceNumber(L"-5"));
    EXPECT_EQ(window.OpenAndAnswer(L"Confirm"), Confirmation);
    EXPECT_EQ(DeviceOpenError(standin::NegativeDevice), standin::AlreadyOpenError);
    EXPECT_EQ(DeviceOpenError(-1), 0u);
}

TEST_F(KelvaskWithDriver, EnterOutsideAButtonClicksNone) {
    ASSERT_TRUE(window.SetDeviceNumber(std::to_wstring(standin::ShortReadDevice)));
    EXPECT_EQ(window.OpenAndAnswer(L"Confirm"), Confirmation);
    ASSERT_TRUE(SetText(window.EOutput, L"unchanged"));
    // Had Enter clicked a button: Load and Open would show a box, Unload
    // remove the service, Close free the device, FUNC and Read change the line.
    for (HWND control : {window.EOutput, window.SpinEdit1}) {
        ASSERT_TRUE(TabTo(window.form, control));
        PostKey(control, VK_RETURN);
    }
    // Up comes after the Enters: once it has stepped the number, they are handled.
    PostKey(window.SpinEdit1, VK_UP);
    ASSERT_TRUE(WaitForText(window.SpinEdit1, L"2"));
    EXPECT_EQ(window.Output(), L"unchanged");
    EXPECT_TRUE(window.NoBoxShown());
    EXPECT_EQ(QueryServiceState(), ServiceState::Running);
    EXPECT_EQ(DeviceOpenError(standin::ShortReadDevice), standin::AlreadyOpenError);
}

TEST_F(KelvaskWithDriver, LettersOrNothingInTheNumberOpenDeviceZero) {
    for (const wchar_t* number : {L"abc", L""}) {
        ASSERT_TRUE(window.SetDeviceNumber(number));
        EXPECT_EQ(window.OpenAndAnswer(L"Confirm"), Confirmation) << number;
        EXPECT_EQ(DeviceOpenError(0), standin::AlreadyOpenError) << number;
        ASSERT_TRUE(Click(window.btnClose));
        EXPECT_TRUE(WaitUntil([] { return DeviceOpenError(0) == 0; }));
    }
}

TEST_F(KelvaskWithDriver, HexadecimalNumberOpensItsDevice) {
    ASSERT_TRUE(window.SetDeviceNumber(L"$2"));
    EXPECT_EQ(window.OpenAndAnswer(L"Confirm"), Confirmation);
    EXPECT_EQ(DeviceOpenError(standin::AllOnesDevice), standin::AlreadyOpenError);
}

TEST_F(KelvaskWithDriver, FailedReadShowsTheSystemErrorThenEightZeroBytes) {
    ASSERT_TRUE(window.SetDeviceNumber(std::to_wstring(standin::FailingDevice)));
    EXPECT_EQ(window.OpenAndAnswer(L"Confirm"), Confirmation);
    ASSERT_TRUE(Click(window.Button1));
    EXPECT_EQ(window.AnswerBox(L"Error"), SystemErrorText(standin::FailingDeviceError));
    EXPECT_TRUE(WaitForText(window.EOutput, L"00 00 00 00 00 00 00 00 "));
}

TEST_F(KelvaskWithDriver, ShortReadFillsTheRestWithZeros) {
    ASSERT_TRUE(window.SetDeviceNumber(std::to_wstring(standin::ShortReadDevice)));
    EXPECT_EQ(window.OpenAndAnswer(L"Confirm"), Confirmation);
    EXPECT_TRUE(window.ClickAndWaitForOutput(window.Button1, L"41 42 43 00 00 00 00 00 "));
}

TEST_F(KelvaskWithDriver, ClosingTheWindowClosesTheDeviceAndLeavesTheService) {
    EXPECT_EQ(window.OpenAndAnswer(L"Confirm"), Confirmation);
    EXPECT_EQ(DeviceOpenError(0), standin::AlreadyOpenError);
    ASSERT_TRUE(window.Close());
    // The ended program's handle may reach the driver's close a moment later.
    EXPECT_TRUE(WaitUntil([] { return DeviceOpenError(0) == 0; }));
    EXPECT_EQ(QueryServiceState(), ServiceState::Running);
}
