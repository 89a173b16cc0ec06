#include "ProgramFolder.h"

std::string FolderOfPath(const std::string& path) {
    size_t separator = path.find_last_of("\\:");
    if (separator == std::string::npos)
        return {};
    return path.substr(0, separator + 1);
}
