#include "ImageHeader.h"

#include "UniqueHandle.h"

namespace kit_test {
namespace {

bool ReadExactly(HANDLE file, void* data, DWORD size) {
    DWORD got = 0;
    return ReadFile(file, data, size, &got, nullptr) && got == size;
}

} // namespace

bool ReadImageFileHeader(const std::string& path, IMAGE_FILE_HEADER& header) {
    norvalex::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
    IMAGE_DOS_HEADER dos{};
    if (!file || !ReadExactly(file.get(), &dos, sizeof(dos)) || dos.e_magic != IMAGE_DOS_SIGNATURE)
        return false;
    DWORD signature = 0;
    return SetFilePointer(file.get(), dos.e_lfanew, nullptr, FILE_BEGIN) !=
               INVALID_SET_FILE_POINTER &&
           ReadExactly(file.get(), &signature, sizeof(signature)) &&
           signature == IMAGE_NT_SIGNATURE && ReadExactly(file.get(), &header, sizeof(header));
}

} // namespace kit_test
