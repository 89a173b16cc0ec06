#include "KitFolders.h"

#include <windows.h>

namespace kit_test {
namespace {

// The folder part of a path, with its trailing backslash; empty when there is none.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FindBinDir() {
    const std::string testFolder = FolderOf(ProgramPath());
    const std::string parent = FolderOf(testFolder.substr(0, testFolder.size() - 1));
    if (IsFile(parent + "Test_Norvalex.exe"))
        return parent;
    return parent + "bin\\";
}

} // namespace

std::string ProgramPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        // A full buffer means the path was cut short (and on XP left unterminated).
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string BinDir() {
    static const std::string folder = FindBinDir();
    return folder;
}

std::string BinPath(const std::string& fileName) {
    return BinDir() + fileName;
}

} // namespace kit_test
