#include "platform/TerminalText.h"

#include "platform/Utf8.h"

#include <cstdint>

namespace vemora {
namespace {

constexpr char kDigits[] = "0123456789abcdef";

void AppendByteEscape(std::string& out, unsigned char byte) {
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
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
        char32_t cp = 0;
        const std::size_t n = DecodeUtf8At(text, i, &cp);
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
