// The console tester as a user runs it, against the stand-in driver in the
// prefix: exact bytes on standard output (text mode, CR LF) and exit codes.
#include "DriverFit.h"
#include "DriverRecords.h"
#include "DriverService.h"
#include "ImageHeader.h"
#include "KitFolders.h"
#include "DevicePath.h"
#include "NorvalexContract.h"
#include "ProcessRunner.h"
#include "StandInDevices.h"
#include "UiAutomation.h"
#include "UniqueHandle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <stdio.h>
#include <string>
#include <vector>

using kit_test::RunProgram;
using norvalex::standin::PatternByte;

namespace {

// What the program prints with "\n", as the text-mode stream writes it.
std::string TextMode(const std::string& printed) {
    std::string text;
    for (char c : printed)
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return text;
}

const std::string Started = "Test application Test_Norvalex starting...\n"
                            "Device found, handle open.\n";
const std::string CodeList = "         IO control code index\n"
                             "           0 is code NORVALEX_IOCTL_800 [222000]\n";
const std::string Usage = "Usage: Test_Norvalex [r n] [w n] [i n]\n"
                          "       r initiates a read of specified number of bytes\n"
                          "       w initiates a write of specified number of bytes\n"
                          "       i initiates an IO Control Code message with specified index "
                          "value\n" +
                          CodeList +
                          "Example:\n"
                          "    Test_Norvalex r 32 w 32\n"
                          "        read 32 bytes, then write 32 bytes\n";
const std::string Exiting = "Exiting...\n\n";
const std::string IndexTooLarge = "IO control code index must be less than 1\n" + CodeList;
const std::string Ioctl = "Issuing Ioctl to device - ";
const std::string Write = "Driver does not have a write handler\n";
const std::string AllocationFailed = "Failed to allocate buffer for read";

// A read of `count` bytes from device 0, which delivers them all.
std::string Read(size_t count) {
    std::string printed = "Reading from device - " + std::to_string(count) +
                          " bytes read from device (" + std::to_string(count) + " requested).\n";
    for (size_t p = 0; p < count; ++p) {
        printed += static_cast<char>(PatternByte(static_cast<uint32_t>(p)));
        printed += ", ";
        if ((p + 1) % 26 == 0 || p + 1 == count)
            printed += "\n";
    }
    return printed;
}

std::string TesterCommand(const std::string& arguments) {
    std::string command = "\"" + kit_test::BinPath("Test_Norvalex.exe") + "\"";
    return arguments.empty() ? command : command + " " + arguments;
}

struct Case {
    std::string arguments;
    std::string printed; // after the banner and the open, before text-mode translation
    unsigned long exitCode;
};

void ExpectRuns(const std::vector<Case>& cases, const std::string& opening = Started) {
    for (const Case& c : cases) {
        const kit_test::ProcessResult result = RunProgram(TesterCommand(c.arguments));
        ASSERT_TRUE(result.started) << c.arguments << ": error " << result.startError;
        EXPECT_EQ(result.output, TextMode(opening + c.printed)) << "arguments: " << c.arguments;
        EXPECT_EQ(result.exitCode, c.exitCode) << "arguments: " << c.arguments;
    }
}

class TesterWithDriver : public testing::Test {
  protected:
    static void SetUpTestSuite() { driver_ = std::make_unique<kit_test::RunningDriver>(); }
    static void TearDownTestSuite() { driver_.reset(); }
    void SetUp() override { KIT_REQUIRE_RUNNING_DRIVER(*driver_); }

  private:
    static std::unique_ptr<kit_test::RunningDriver> driver_;
};

std::unique_ptr<kit_test::RunningDriver> TesterWithDriver::driver_;

} // namespace

TEST_F(TesterWithDriver, ReadsDumpEveryPositionInLinesOf26) {
    ExpectRuns({
        {"r 0", Read(0), 0},
        {"r 4", Read(4), 0},
        {"r 26", Read(26), 0},
        {"r 30", Read(30), 0},
        {"r 52", Read(52), 0},
        {"r 007", Read(7), 0},
        {"R 12abc", Read(12), 0},
        {"read 4 r 1", Read(4) + Read(1), 0},
    });
}

TEST_F(TesterWithDriver, DumpWritesZeroBytesAsThemselvesAndLineFeedsAsCrLf) {
    const kit_test::ProcessResult result = RunProgram(TesterCommand("r 520"));
    EXPECT_EQ(result.output, TextMode(Started + Read(520)));
    EXPECT_NE(result.output.find(std::string("\0, ", 3)), std::string::npos);
    EXPECT_NE(result.output.find("\x09, \r\n, \x0B, "), std::string::npos);
    EXPECT_EQ(result.exitCode, 0u);
}

TEST_F(TesterWithDriver, LongDumpKeepsItsPlaceAmongTheOtherOutput) {
    ExpectRuns({{"w 1 r 300000 w 1 i 0 r 3", Write + Read(300000) + Write + Ioctl + Read(3), 0}});
}

TEST_F(TesterWithDriver, ControlCodeAndWriteLeaveTheRunGoingOn) {
    ExpectRuns({
        {"i 0", Ioctl, 0},
        {"I 0 r 4", Ioctl + Read(4), 0},
        {"w 32", Write, 0},
        {"w 32 r 2", Write + Read(2), 0},
    });
}

TEST_F(TesterWithDriver, IndexPastTheTableEndsTheRunAfterEarlierPairs) {
    ExpectRuns({
        {"i 1", IndexTooLarge + Exiting, 1},
        {"r 4 i 1 r 2", Read(4) + IndexTooLarge + Exiting, 1},
        {"i 99999999999", IndexTooLarge + Exiting, 1},
        // 2^32: wraps to index 0 in 32-bit arithmetic.
        {"i 4294967296", IndexTooLarge + Exiting, 1},
    });
}

TEST_F(TesterWithDriver, WordsThatAreNoPairShowUsage) {
    ExpectRuns({
        {"", Usage + Exiting, 1},
        {"r 4 r", Read(4) + Usage + Exiting, 1},
        {"r -1", Usage + Exiting, 1},
        {"x 5", Usage + Exiting, 1},
        {"w x", Usage + Exiting, 1},
        {"\"\" 4", Usage + Exiting, 1},
        {"r \"\"", Usage + Exiting, 1},
        {"r \" 4\"", Usage + Exiting, 1},
    });
}

TEST_F(TesterWithDriver, CountThatCannotBeAllocatedEndsTheRun) {
    if (sizeof(void*) > 4)
        GTEST_SKIP() << "a 64-bit process can allocate 2 GB, so these counts are read and "
                        "dumped in full; only a 32-bit tester must refuse them";
    ExpectRuns({
        {"r 2000000000", AllocationFailed + Exiting, 1},
        {"r 2147483647", AllocationFailed + Exiting, 1},
        {"r 2 r 4000000000 r 2", Read(2) + AllocationFailed + Exiting, 1},
        // 2^32 + 4: wraps to a read of 4 bytes in 32-bit arithmetic.
        {"r 4294967300", AllocationFailed + Exiting, 1},
        {"r 99999999999999999999", AllocationFailed + Exiting, 1},
    });
}

TEST(TesterImage, KeepsTheTwoGigabyteAddressSpace) {
    if (sizeof(void*) > 4)
        GTEST_SKIP() << "a 64-bit program's address space does not depend on the flag";
    const std::string image = kit_test::BinPath("Test_Norvalex.exe");
    IMAGE_FILE_HEADER header{};
    ASSERT_TRUE(kit_test::ReadImageFileHeader(image, header)) << image;
    EXPECT_EQ(header.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_FALSE(header.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE)
        << "a large-address-aware tester could allocate a 2 GB count";
}

TEST_F(TesterWithDriver, DeviceHeldByAnotherOpenIsReported) {
    const std::string path = norvalex::DevicePathFor(0);
    // A tester that has just ended may hold the device a moment longer: it is
    // taken once a read through this open works.
    norvalex::UniqueFile held;
    ASSERT_TRUE(kit_test::WaitUntil([&] {
        held.reset(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, 0, nullptr));
        char byte = 0;
        DWORD got = 0;
        return held && ReadFile(held.get(), &byte, 1, &got, nullptr);
    })) << "device 0 did not become free";
    norvalex::UniqueFile second(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    if (!second) {
        // Windows: the driver's refusal of the open reaches CreateFile.
        ExpectRuns(
            {{"r 4 i 0", "ERROR opening device: (5) returned from CreateFile\n" + Exiting, 1}},
            "Test application Test_Norvalex starting...\n");
    } else {
        // Wine hands out the handle and the driver refuses each request: the
        // failed read goes unnoticed (cleared buffer), the control code does not.
        second.reset();
        const std::string zeroRead =
            std::string("Reading from device - 0 bytes read from device (4 "
                        "requested).\n") +
            std::string("\0, \0, \0, \0, \n", 13);
        ExpectRuns(
            {{"r 4 i 0", zeroRead + Ioctl + "ERROR: DeviceIoControl returns 5." + Exiting, 1}});
    }
    held.reset();
    ExpectRuns({{"r 4", Read(4), 0}});
}

TEST_F(TesterWithDriver, OpensSharingReadsAndOffers512ByteBuffers) {
    namespace standin = norvalex::standin;
    const uint32_t mark = kit_test::RecordMark();
    ExpectRuns({{"i 0", Ioctl, 0}});
    const std::vector<kit_test::RequestRecord> asked =
        kit_test::RecordsSince(mark, standin::NormalDevice);
    ASSERT_EQ(asked.size(), 2u) << "one open and one control request of device 0";

    const kit_test::RequestRecord& open = asked[0];
    EXPECT_EQ(open.kind, static_cast<uint32_t>(standin::RequestKind::Create));
    EXPECT_EQ(open.shareAccess, static_cast<uint32_t>(FILE_SHARE_READ));
    if (open.desiredAccess == standin::NotPassed) {
        printf("this system passes the driver neither the desired access nor the attributes\n");
    } else {
        EXPECT_TRUE(open.desiredAccess & (GENERIC_READ | FILE_READ_DATA)) << open.desiredAccess;
        EXPECT_TRUE(open.desiredAccess & (GENERIC_WRITE | FILE_WRITE_DATA)) << open.desiredAccess;
        EXPECT_EQ(open.fileAttributes, 0u);
    }

    const kit_test::RequestRecord& control = asked[1];
    EXPECT_EQ(control.kind, static_cast<uint32_t>(standin::RequestKind::Control));
    EXPECT_EQ(control.controlCode, norvalex::NORVALEX_IOCTL_800);
    // The tester offers 512-byte buffers by contract: the number itself, so that
    // a change of the tester's constant cannot carry the test along with it.
    EXPECT_EQ(control.inputLength, 512u);
    EXPECT_EQ(control.outputLength, 512u);
}

// Run in a child by the test below: shows the command line the child got.
TEST(CommandLineEcho, DISABLED_PrintsCommandLine) {
    printf("<%s>", GetCommandLineA());
    fflush(stdout);
}

// Run in a child by the test below: fills more than a pipe holds, then hangs.
TEST(HangingChild, DISABLED_WritesThenNeverEnds) {
    const std::string line(1023, 'x');
    for (int k = 0; k < 256; ++k)
        printf("%s\n", line.c_str());
    printf("last line before the hang\n");
    fflush(stdout);
    Sleep(INFINITE);
}

TEST(ProcessRunner, TimeLimitEndsAChildThatHangsWithAllItWrote) {
    const DWORD started = GetTickCount();
    const kit_test::ProcessResult result =
        RunProgram("\"" + kit_test::ProgramPath() +
                       "\" --gtest_also_run_disabled_tests "
                       "--gtest_filter=HangingChild.DISABLED_WritesThenNeverEnds",
                   3000);
    EXPECT_TRUE(result.timedOut);
    EXPECT_LT(GetTickCount() - started, 30000u) << "the limit of 3 s did not hold";
    EXPECT_NE(result.output.find("last line before the hang"), std::string::npos)
        << result.output.size() << " bytes read";
}

TEST_F(TesterWithDriver, NumberWordStartingWithAByteAbove0x7FShowsUsage) {
    // Command lines pass through the ANSI code page (1251): the byte must survive it.
    const std::string echo =
        RunProgram("\"" + kit_test::ProgramPath() +
                   "\" --gtest_also_run_disabled_tests "
                   "--gtest_filter=CommandLineEcho.DISABLED_PrintsCommandLine r \xC0\xB9")
            .output;
    ASSERT_NE(echo.find(" r \xC0\xB9>"), std::string::npos) << echo;

    ExpectRuns({
        {"r \xC0\xB9", Usage + Exiting, 1},
        {"r 3 i \xC0", Read(3) + Usage + Exiting, 1},
        {"\xF0 4", Usage + Exiting, 1},
    });
}

TEST(TesterWithoutDevice, MissingDeviceIsReportedBeforeTheArgumentsAreLooked) {
    kit_test::RunningDriver driver;
    KIT_REQUIRE_RUNNING_DRIVER(driver);
    ASSERT_TRUE(kit_test::StopDriverService());
    const std::string failed = "ERROR opening device: (2) returned from CreateFile\n" + Exiting;
    ExpectRuns({{"", failed, 1}, {"r 4", failed, 1}, {"x", failed, 1}},
               "Test application Test_Norvalex starting...\n");
}
