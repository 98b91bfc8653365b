#include "platform/Utf8.h"

#include <cstdint>

namespace vemora {

std::size_t DecodeUtf8At(std::string_view text, std::size_t i, char32_t* codePoint) {
    if (i >= text.size())
        return 0;
    const auto b0 = static_cast<uint8_t>(text[i]);
    if (b0 < 0x80) {
        if (codePoint)
            *codePoint = b0;
        return 1;
    }
    std::size_t length = 0;
    char32_t least = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2, least = 0x80, cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3, least = 0x800, cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4, least = 0x10000, cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (text.size() - i < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<uint8_t>(text[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (cp < least || cp > 0x10FFFF || surrogate)
        return 0;
    if (codePoint)
        *codePoint = cp;
    return length;
}

} // namespace vemora
