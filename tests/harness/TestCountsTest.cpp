// What the release folder's runner reads of a test program's run: the counts
// in the file that KIT_TEST_COUNTS names, and the exit code.
#include "KitFolders.h"
#include "ProcessRunner.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>

using namespace kit_test;

namespace {

// Run only in a child that a test below starts.
TEST(CountedSample, DISABLED_Passes) {}
TEST(CountedSample, DISABLED_PassesAgain) {}
TEST(CountedSample, DISABLED_Fails) {
    ADD_FAILURE() << "counted as failed";
}
TEST(CountedSample, DISABLED_Skips) {
    GTEST_SKIP() << "counted as skipped";
}
TEST(EndedSample, DISABLED_EndsTheProgram) {
    ExitProcess(3);
}

class TestCounts : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(scratch.Path().empty());
        counts = scratch.AddEmptyFile("counts.txt");
        ASSERT_FALSE(counts.empty());
        SetEnvironmentVariableA("KIT_TEST_COUNTS", counts.c_str());
    }
    void TearDown() override { SetEnvironmentVariableA("KIT_TEST_COUNTS", nullptr); }

    // This program, started with only the cases `filter` names.
    ProcessResult Run(const std::string& filter) const {
        return RunProgram("\"" + ProgramPath() +
                          "\" --gtest_also_run_disabled_tests --gtest_filter=" + filter);
    }
    std::string Counts() const {
        std::ifstream file(counts, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    ScratchFolder scratch;
    std::string counts;
};

} // namespace

TEST_F(TestCounts, PassedFailedAndSkippedCasesOnOneLineOfEachRun) {
    const ProcessResult mixed = Run("CountedSample.*");
    ASSERT_TRUE(mixed.started) << mixed.startError;
    EXPECT_EQ(mixed.exitCode, 1u) << "GoogleTest's exit code for a failed case";
    EXPECT_EQ(Counts(), "2 1 1\r\n");

    const ProcessResult passing = Run("CountedSample.DISABLED_Pass*");
    EXPECT_EQ(passing.exitCode, 0u);
    EXPECT_EQ(Counts(), "2 0 0\r\n") << "a later run replaces the counts";
}

TEST_F(TestCounts, NoFileWhenTheProgramEndsBeforeItsRunDoes) {
    // The empty file stands for an earlier run's counts.
    const ProcessResult ended = Run("EndedSample.*");
    ASSERT_TRUE(ended.started) << ended.startError;
    EXPECT_EQ(ended.exitCode, 3u);
    EXPECT_EQ(GetFileAttributesA(counts.c_str()), INVALID_FILE_ATTRIBUTES);
}
