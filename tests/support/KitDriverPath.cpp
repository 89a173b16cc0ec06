#include "KitDriverPath.h"

#include <algorithm>

namespace kit_test {
namespace {

std::string Normalized(std::string path) {
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    std::replace(path.begin(), path.end(), '/', '\\');
    for (const char* prefix : {"\\??\\", "\\\\?\\"})
        if (path.compare(0, 4, prefix) == 0)
            path.erase(0, 4);
    std::transform(path.begin(), path.end(), path.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return path;
}

bool ClimbsOut(const std::string& path) {
    size_t start = 0;
    for (;;) {
        const size_t end = path.find('\\', start);
        const std::string part = path.substr(start, end - start);
        if (part == "." || part == "..")
            return true;
        if (end == std::string::npos)
            return false;
        start = end + 1;
    }
}

} // namespace

bool IsKitDriverPath(const std::string& registered, const std::string& kitFolder) {
    const std::string path = Normalized(registered);
    const std::string folder = Normalized(kitFolder);
    if (folder.empty() || folder.back() != '\\' || ClimbsOut(path))
        return false;
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0;
}

} // namespace kit_test
