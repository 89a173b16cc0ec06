// The file header of a Windows image (program or driver) as the loader reads
// it: which processor it is for and its characteristics.
#pragma once

#include <windows.h>

#include <string>

namespace kit_test {

// False when the file cannot be read or is no PE image.
bool ReadImageFileHeader(const std::string& path, IMAGE_FILE_HEADER& header);

} // namespace kit_test
