#include "SystemErrorText.h"

#include "LoaderText.h"

#include <windows.h>

std::string SystemErrorText(uint32_t Code) {
    char buffer[256];
    // Without IGNORE_INSERTS a message with %1-style markers would be formatted
    // against an argument list that does not exist; with it, the markers show.
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ARGUMENT_ARRAY |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, Code, 0, buffer, sizeof(buffer), nullptr);
    if (length == 0 || length >= sizeof(buffer))
        return std::string();
    return loader_text::TrimErrorText(std::string(buffer, length));
}
