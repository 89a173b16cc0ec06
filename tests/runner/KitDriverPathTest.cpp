// Which registered driver files the tests may treat as the kit's own: a
// wrong answer either deletes a developer's real driver or blocks every run.
#include "KitDriverPath.h"

#include <gtest/gtest.h>

using kit_test::IsKitDriverPath;

namespace {

const std::string Kit = "C:\\Kits\\norvalex-kit-1.0.0-x64\\";

TEST(KitDriverPath, FilesInTheKitsFolderAreItsOwnHoweverTheSystemSpellsThem) {
    for (const char* path : {"C:\\Kits\\norvalex-kit-1.0.0-x64\\Norvalex.sys",
                             "c:\\kits\\NORVALEX-KIT-1.0.0-X64\\norvalex.sys",
                             "\\??\\C:\\Kits\\norvalex-kit-1.0.0-x64\\Norvalex.sys",
                             "\\\\?\\C:\\Kits\\norvalex-kit-1.0.0-x64\\Norvalex.sys",
                             "\"C:\\Kits\\norvalex-kit-1.0.0-x64\\Norvalex.sys\"",
                             "C:/Kits/norvalex-kit-1.0.0-x64/Norvalex.sys",
                             "C:\\Kits\\norvalex-kit-1.0.0-x64\\no-such-folder\\Norvalex.sys"})
        EXPECT_TRUE(IsKitDriverPath(path, Kit)) << path;
}

TEST(KitDriverPath, AnyOtherFileIsAnotherDriversWhateverItsName) {
    for (const char* path :
         {"C:\\Windows\\System32\\drivers\\Norvalex.sys", "System32\\drivers\\Norvalex.sys",
          "\\SystemRoot\\System32\\drivers\\Norvalex.sys",
          "C:\\Kits\\norvalex-kit-1.0.0-x86\\Norvalex.sys", "C:\\Kits\\norvalex-kit-1.0.0-x64",
          "C:\\Kits\\norvalex-kit-1.0.0-x64\\",
          "C:\\Kits\\norvalex-kit-1.0.0-x64\\..\\Norvalex.sys",
          "C:\\Kits\\norvalex-kit-1.0.0-x64\\.\\..\\x\\Norvalex.sys",
          "D:\\Kits\\norvalex-kit-1.0.0-x64\\Norvalex.sys", ""})
        EXPECT_FALSE(IsKitDriverPath(path, Kit)) << path;
    EXPECT_FALSE(IsKitDriverPath("C:\\Kits\\Norvalex.sys", "C:\\Kits"))
        << "a folder without its backslash names no folder";
    EXPECT_FALSE(IsKitDriverPath("C:\\Norvalex.sys", "")) << "an unknown kit folder holds nothing";
}

} // namespace
