#include "LoaderText.h"

namespace loader_text {

std::string TrimErrorText(std::string text) {
    while (!text.empty()) {
        unsigned char last = static_cast<unsigned char>(text.back());
        if (last > 32 && last != '.')
            break;
        text.pop_back();
    }
    return text;
}

std::string RenderBytes(const uint8_t (&bytes)[8]) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (uint8_t byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
        text += ' ';
    }
    return text;
}

} // namespace loader_text
