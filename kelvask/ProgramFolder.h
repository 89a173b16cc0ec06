#pragma once

#include <string>

// The folder part of a file's full path: everything up to and including the
// last backslash or colon ("C:\Kit\Kelvask.exe" gives "C:\Kit\"); empty when
// the path has neither.
std::string FolderOfPath(const std::string& path);
