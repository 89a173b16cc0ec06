// The loader against Wine's real service manager and the stand-in driver.
#include "DrvLoader.h"
#include "DriverFit.h"
#include "DriverService.h"
#include "ServiceAccessRecorder.h"
#include "SystemErrorText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using kit_test::AccessRequest;
using kit_test::QueryServiceState;
using kit_test::ServiceState;
using kit_test::WaitForServiceState;
using Requests = std::vector<AccessRequest>;

namespace {

class LoaderService : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(kit_test::RemoveDriverService()) << kit_test::ForeignDriver();
        Loader.SetErrorReporter([this](const std::string& text) { Boxes.push_back(text); });
    }
    void TearDown() override { kit_test::RemoveDriverService(); }

    // Starting right after the session came up may meet Wine's locked database.
    // Every start asks only to connect and to start.
    void StartUntilRunning() {
        for (int attempt = 0; attempt < 600 && QueryServiceState() != ServiceState::Running;
             ++attempt) {
            ASSERT_EQ(Recorded([this] { return Loader.StartDriver(); }), Start);
            Sleep(100);
        }
        ASSERT_EQ(QueryServiceState(), ServiceState::Running);
    }

    // What the loader asked the service manager for during `call`, which must succeed.
    template <typename Call> Requests Recorded(Call call) {
        bool answer = false;
        Requests made = Recorder.During([&] { answer = call(); });
        EXPECT_TRUE(answer) << "the loader's call failed";
        return made;
    }

    const AccessRequest FullManager{"OpenSCManagerA", SC_MANAGER_ALL_ACCESS};
    const AccessRequest Connect{"OpenSCManagerA", SC_MANAGER_CONNECT};
    const Requests Install{FullManager};
    const Requests Start{Connect, {"OpenServiceA", SERVICE_START}};
    const Requests Stop{Connect, {"OpenServiceA", SERVICE_STOP}};
    const Requests Remove{FullManager, {"OpenServiceA", SERVICE_ALL_ACCESS}};

    kit_test::ServiceAccessRecorder Recorder;
    TNorvalexLoader Loader;
    std::vector<std::string> Boxes;
};

TEST(CtlCode, ComposesUnknownDeviceBufferedAnyAccess) {
    EXPECT_EQ(CtlCode(0x800), 0x222000u);
    EXPECT_EQ(CtlCode(0x801), 0x222004u);
    EXPECT_EQ(CtlCode(0), 0x220000u);
}

TEST_F(LoaderService, FullLifecycle) {
    KIT_SKIP_UNLESS_DRIVER_FITS();
    ASSERT_TRUE(Recorder.Installed()) << "the service manager's calls cannot be watched";
    EXPECT_EQ(Recorded([this] { return Loader.InstallDriver(kit_test::BinDir()); }), Install);
    EXPECT_EQ(QueryServiceState(), ServiceState::Stopped);

    // A second install reports the system's text for an existing service.
    EXPECT_FALSE(Loader.InstallDriver(kit_test::BinDir()));
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], SystemErrorText(ERROR_SERVICE_EXISTS));
    EXPECT_FALSE(Boxes[0].empty());
    Boxes.clear();

    StartUntilRunning();
    EXPECT_EQ(Recorded([this] { return Loader.StartDriver(); }), Start)
        << "starting a running service still opens it";
    EXPECT_EQ(QueryServiceState(), ServiceState::Running);

    // The loader's own stop and removal are what the service goes through.
    EXPECT_EQ(Recorded([this] { return Loader.StopDriver(); }), Stop);
    EXPECT_TRUE(WaitForServiceState(ServiceState::Stopped)) << "the loader's stop must stop it";
    EXPECT_EQ(Recorded([this] { return Loader.StopDriver(); }), Stop)
        << "stopping a stopped service still opens it";
    EXPECT_EQ(QueryServiceState(), ServiceState::Stopped);

    EXPECT_EQ(Recorded([this] { return Loader.RemoveDriver(); }), Remove);
    EXPECT_TRUE(WaitForServiceState(ServiceState::Absent)) << "the loader's removal must delete it";
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(LoaderService, WithoutServiceOperationsFailSilently) {
    EXPECT_FALSE(Loader.StartDriver());
    EXPECT_FALSE(Loader.StopDriver());
    EXPECT_FALSE(Loader.RemoveDriver());
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(LoaderService, InstallFromFolderWithoutDriverFileStillCreatesService) {
    std::string folder = kit_test::BinDir() + "no-such-folder\\";
    ASSERT_TRUE(Loader.InstallDriver(folder));
    EXPECT_EQ(QueryServiceState(), ServiceState::Stopped);
    EXPECT_TRUE(Loader.StartDriver()) << "the start's own failure is not reported";
    Sleep(500);
    EXPECT_NE(QueryServiceState(), ServiceState::Running);
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(LoaderService, InstallRegistersKernelDriverWithUnquotedPath) {
    // A folder with blanks, inside the kit's own: a service registered from
    // anywhere else would be another driver's, which the clean-up leaves alone.
    std::string folder = kit_test::BinDir() + "Program Files\\Norvalex kit\\";
    ASSERT_TRUE(Loader.InstallDriver(folder));
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceA(manager, "NorvalexDevice", SERVICE_QUERY_CONFIG);
    ASSERT_NE(service, nullptr);
    alignas(QUERY_SERVICE_CONFIGA) char storage[8192];
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(storage);
    DWORD needed = 0;
    ASSERT_TRUE(QueryServiceConfigA(service, config, sizeof(storage), &needed));
    EXPECT_EQ(config->dwServiceType, static_cast<DWORD>(SERVICE_KERNEL_DRIVER));
    EXPECT_EQ(config->dwStartType, static_cast<DWORD>(SERVICE_DEMAND_START));
    EXPECT_EQ(config->dwErrorControl, static_cast<DWORD>(SERVICE_ERROR_NORMAL));
    EXPECT_STREQ(config->lpDisplayName, "NorvalexDevice");
    EXPECT_NE(std::string(config->lpBinaryPathName).find(folder + "Norvalex.sys"),
              std::string::npos)
        << config->lpBinaryPathName;
    EXPECT_EQ(std::string(config->lpBinaryPathName).find('"'), std::string::npos);
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
}

TEST(SystemErrorText, NoTextForUnknownCodeAndMarkersShownAsTheyStand) {
    EXPECT_EQ(SystemErrorText(0x20001234), "");
    // ERROR_WRONG_DISK has insert markers: they must not be formatted against nothing.
    std::string wrongDisk = SystemErrorText(ERROR_WRONG_DISK);
    EXPECT_FALSE(wrongDisk.empty());
    EXPECT_NE(wrongDisk.back(), '.');
    EXPECT_NE(wrongDisk.back(), '\n');
}

TEST(SystemErrorText, BadExeFormatKeepsItsInsertMarker) {
    // English Windows says "%1 is not a valid Win32 application."; the words
    // follow the system's language (this prefix's Russian puts %1 last), the
    // marker does not. Formatted against arguments that do not exist, the
    // text comes back empty under Wine, or worse.
    const std::string badExe = SystemErrorText(ERROR_BAD_EXE_FORMAT);
    EXPECT_NE(badExe.find("%1"), std::string::npos) << badExe;
    EXPECT_GT(badExe.size(), 2u) << "the text around the marker is missing";
}

} // namespace
