// A test program finds the tools from its own folder, in a release folder and
// in the build tree alike, and reads which processor an image is for.
#include "ImageHeader.h"
#include "KitFolders.h"
#include "ProcessRunner.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace kit_test;

namespace {

// Run only in a copy of this program that the test below starts.
TEST(KitFoldersSample, DISABLED_PrintsTheToolsFolder) {
    std::printf("tools folder <%s>\n", BinDir().c_str());
    std::fflush(stdout);
}

// The tools folder that this program, copied to `copy`, finds from there.
std::string ToolsFolderFoundFrom(const std::string& copy) {
    const std::string output =
        RunProgram("\"" + copy +
                   "\" --gtest_also_run_disabled_tests "
                   "--gtest_filter=KitFoldersSample.DISABLED_PrintsTheToolsFolder")
            .output;
    const std::string marker = "tools folder <";
    const size_t start = output.find(marker);
    if (start == std::string::npos)
        return "(nothing printed: " + output + ")";
    const size_t end = output.find('>', start);
    return output.substr(start + marker.size(), end - start - marker.size());
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TEST(KitFolders, ToolsAreBesideTheTestsFolderOrInTheBinFolderBesideIt) {
    EXPECT_TRUE(Exists(BinPath("Test_Norvalex.exe"))) << BinDir();
    EXPECT_TRUE(Exists(BinPath("Norvalex.sys"))) << BinDir();

    ScratchFolder release;
    ASSERT_FALSE(release.AddFolder("tests").empty());
    ASSERT_FALSE(release.AddEmptyFile("Test_Norvalex.exe").empty());
    const std::string inRelease = release.AddCopy(ProgramPath(), "tests\\harness_tests.exe");
    ASSERT_FALSE(inRelease.empty());
    EXPECT_EQ(ToolsFolderFoundFrom(inRelease), release.Path());

    ScratchFolder build;
    ASSERT_FALSE(build.AddFolder("test-bin").empty());
    const std::string inBuild = build.AddCopy(ProgramPath(), "test-bin\\harness_tests.exe");
    ASSERT_FALSE(inBuild.empty());
    EXPECT_EQ(ToolsFolderFoundFrom(inBuild), build.Path() + "bin\\");
}

TEST(ImageHeader, NamesTheProcessorOfAnImageAndRefusesOtherFiles) {
    const WORD ownMachine = sizeof(void*) == 8 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386;
    IMAGE_FILE_HEADER header{};
    ASSERT_TRUE(ReadImageFileHeader(ProgramPath(), header));
    EXPECT_EQ(header.Machine, ownMachine);
    header = {};
    ASSERT_TRUE(ReadImageFileHeader(BinPath("Test_Norvalex.exe"), header));
    EXPECT_EQ(header.Machine, ownMachine) << "the tools have the tests' width";

    ScratchFolder scratch;
    EXPECT_FALSE(ReadImageFileHeader(scratch.AddEmptyFile("empty.sys"), header));
    EXPECT_FALSE(ReadImageFileHeader(scratch.Path() + "missing.sys", header));
}
