#include "map/XmlText.h"

#include <cstdint>

namespace vemora {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of `s`, 0 when it is not one.
size_t Utf8SequenceLength(std::string_view s) {
    const auto b0 = static_cast<uint8_t>(s[0]);
    size_t len = 0;
    uint32_t min = 0;
    uint32_t cp = 0;
    if (b0 < 0x80)
        return 1;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, min = 0x80, cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, min = 0x800, cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, min = 0x10000, cp = b0 & 0x07;
    } else {
        return 0;
    }
    if (s.size() < len)
        return 0;
    for (size_t i = 1; i < len; ++i) {
        const auto b = static_cast<uint8_t>(s[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    const bool nonCharacter = cp == 0xFFFE || cp == 0xFFFF;
    if (cp < min || cp > 0x10FFFF || surrogate || nonCharacter)
        return 0;
    return len;
}

void AppendAsciiEscaped(std::string& out, char c) {
    switch (c) {
    case '&':
        out += "&amp;";
        break;
    case '<':
        out += "&lt;";
        break;
    case '>':
        out += "&gt;";
        break;
    case '"':
        out += "&quot;";
        break;
    default:
        // XML 1.0 allows tab, line feed and carriage return among the control characters.
        if (static_cast<uint8_t>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
            out += c;
        break;
    }
}

} // namespace

std::string EscapeXmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const size_t len = Utf8SequenceLength(text);
        if (len == 0) {
            out += kReplacementCharacter;
            text.remove_prefix(1);
        } else if (len == 1) {
            AppendAsciiEscaped(out, text[0]);
            text.remove_prefix(1);
        } else {
            out.append(text.substr(0, len));
            text.remove_prefix(len);
        }
    }
    return out;
}

} // namespace vemora
