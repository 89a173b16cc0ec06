#include "Text.h"

#include <windows.h>

std::wstring ToWide(const std::string& text, TCodePage page) {
    if (text.empty())
        return {};
    UINT codePage = static_cast<UINT>(page);
    int length = static_cast<int>(text.size());
    int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    return wide;
}

std::string FromWide(const std::wstring& text, TCodePage page) {
    if (text.empty())
        return {};
    UINT codePage = static_cast<UINT>(page);
    int length = static_cast<int>(text.size());
    // A UTF-8 system code page refuses these flags and needs none.
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    int needed =
        WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed == 0 && GetLastError() == ERROR_INVALID_FLAGS) {
        flags = 0;
        needed =
            WideCharToMultiByte(codePage, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
    }
    std::string narrow(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), length, narrow.data(), needed, nullptr,
                        nullptr);
    return narrow;
}
