#include "platform/TerminalText.h"

#include <cstdint>

namespace vemora {
namespace {

constexpr char kDigits[] = "0123456789abcdef";

void AppendByteEscape(std::string& out, unsigned char byte) {
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

// The code point of the valid UTF-8 sequence at text[i] and its length; length 0 when none.
std::size_t DecodeAt(std::string_view text, std::size_t i, uint32_t& cp) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t n = 0;
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    if ((c & 0xE0) == 0xC0) {
        n = 2;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > text.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto cc = static_cast<unsigned char>(text[i + k]);
        if ((cc & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (cc & 0x3F);
    }
    static constexpr uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

bool IsUnsafe(uint32_t cp) {
    return cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp <= 0x9F) || (cp >= 0x202A && cp <= 0x202E) ||
           (cp >= 0x2066 && cp <= 0x2069);
}

} // namespace

std::string TerminalText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        uint32_t cp = 0;
        const std::size_t n = DecodeAt(text, i, cp);
        if (n == 0) {
            AppendByteEscape(out, static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        if (cp == '\\') {
            out += "\\\\";
        } else if (cp < 0x80 && IsUnsafe(cp)) {
            AppendByteEscape(out, static_cast<unsigned char>(cp));
        } else if (IsUnsafe(cp)) {
            out += "\\u{";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kDigits[(cp >> shift) & 0x0F];
            out += '}';
        } else {
            out.append(text.substr(i, n));
        }
        i += n;
    }
    return out;
}

} // namespace vemora
