#include "ScratchFolder.h"

#include <windows.h>

ScratchFolder::ScratchFolder() {
    char temporary[MAX_PATH] = "";
    char unique[MAX_PATH] = "";
    // The unique name comes as a file; the folder takes its place.
    if (!GetTempPathA(MAX_PATH, temporary) || !GetTempFileNameA(temporary, "kit", 0, unique))
        return;
    DeleteFileA(unique);
    if (CreateDirectoryA(unique, nullptr))
        path_ = std::string(unique) + "\\";
}

ScratchFolder::~ScratchFolder() {
    for (auto made = made_.rbegin(); made != made_.rend(); ++made)
        if (made->back() == '\\')
            RemoveDirectoryA(made->c_str());
        else
            DeleteFileA(made->c_str());
    if (!path_.empty())
        RemoveDirectoryA(path_.c_str());
}

std::string ScratchFolder::Made(const std::string& name, bool ok) {
    if (!ok)
        return {};
    made_.push_back(path_ + name);
    return made_.back();
}

std::string ScratchFolder::AddFolder(const std::string& name) {
    const std::string folder = path_ + name + "\\";
    return Made(name + "\\", !path_.empty() && CreateDirectoryA(folder.c_str(), nullptr));
}

std::string ScratchFolder::AddEmptyFile(const std::string& name) {
    const std::string file = path_ + name;
    HANDLE created = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE)
        CloseHandle(created);
    return Made(name, !path_.empty() && created != INVALID_HANDLE_VALUE);
}

std::string ScratchFolder::AddCopy(const std::string& source, const std::string& name) {
    const std::string copy = path_ + name;
    return Made(name, !path_.empty() && CopyFileA(source.c_str(), copy.c_str(), TRUE));
}
