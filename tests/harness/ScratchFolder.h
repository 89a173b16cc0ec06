// A folder of the test's own under the system's temporary folder, removed
// again with everything the test put into it.
#pragma once

#include <string>
#include <vector>

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path, with a trailing backslash.
    const std::string& Path() const { return path_; }
    // Each returns the full path of what it made inside the folder.
    std::string AddFolder(const std::string& name);
    std::string AddEmptyFile(const std::string& name);
    std::string AddCopy(const std::string& source, const std::string& name);

  private:
    std::string Made(const std::string& name, bool ok);

    std::string path_;
    std::vector<std::string> made_; // in the order made
};
