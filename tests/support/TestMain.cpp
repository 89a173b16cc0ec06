// The main of every Wine test program: runs the tests as GoogleTest's own
// main does and, for the release folder's runner, which cannot read
// GoogleTest's output in cmd, writes the counts of the test cases to the file
// that KIT_TEST_COUNTS names: "<passed> <failed> <skipped>" and CR LF.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string CountsFile() {
    const char* path = std::getenv("KIT_TEST_COUNTS");
    return path ? path : "";
}

void WriteCounts(const std::string& path, const testing::UnitTest& run) {
    FILE* counts = std::fopen(path.c_str(), "wb");
    if (!counts ||
        std::fprintf(counts, "%d %d %d\r\n", run.successful_test_count(), run.failed_test_count(),
                     run.skipped_test_count()) < 0 ||
        std::fclose(counts) != 0)
        std::fprintf(stderr, "cannot write the test counts to %s\n", path.c_str());
}

} // namespace

int main(int argc, char** argv) {
    const std::string countsFile = CountsFile();
    // A run that does not reach its end leaves no counts, not an earlier run's;
    // and a test program that a test starts does not write this run's file.
    if (!countsFile.empty())
        DeleteFileA(countsFile.c_str());
    SetEnvironmentVariableA("KIT_TEST_COUNTS", nullptr);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (!countsFile.empty())
        WriteCounts(countsFile, *testing::UnitTest::GetInstance());
    return result;
}
