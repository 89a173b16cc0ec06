#include "ProgramFolder.h"

#include <gtest/gtest.h>

TEST(FolderOfPath, KeepsEverythingUpToTheLastBackslash) {
    EXPECT_EQ(FolderOfPath("C:\\Kit\\bin\\Kelvask.exe"), "C:\\Kit\\bin\\");
    EXPECT_EQ(FolderOfPath("Z:\\tmp\\a b\\Kelvask.exe"), "Z:\\tmp\\a b\\");
    EXPECT_EQ(FolderOfPath("\\\\server\\share\\Kelvask.exe"), "\\\\server\\share\\");
}

TEST(FolderOfPath, AColonEndsTheFolderToo) {
    EXPECT_EQ(FolderOfPath("C:Kelvask.exe"), "C:");
    EXPECT_EQ(FolderOfPath("C:\\Kelvask.exe"), "C:\\");
    EXPECT_EQ(FolderOfPath("C:\\dir:stream"), "C:\\dir:");
}

TEST(FolderOfPath, NoSeparatorGivesNoFolder) {
    EXPECT_EQ(FolderOfPath("Kelvask.exe"), "");
    EXPECT_EQ(FolderOfPath(""), "");
    EXPECT_EQ(FolderOfPath("C:\\Kit\\"), "C:\\Kit\\");
}

TEST(FolderOfPath, SlashesAreNoSeparators) {
    EXPECT_EQ(FolderOfPath("C:\\Kit/bin/Kelvask.exe"), "C:\\");
}

TEST(FolderOfPath, Windows1251NamesPassUnchanged) {
    // "Папка" in Windows-1251: its bytes above 127 are no separators.
    EXPECT_EQ(FolderOfPath("C:\\\xCF\xE0\xEF\xEA\xE0\\Kelvask.exe"), "C:\\\xCF\xE0\xEF\xEA\xE0\\");
}
