#include "map/XmlText.h"

#include "platform/Utf8.h"

#include <cstdint>

namespace vemora {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of `s`, 0 when it is not one or is a
// noncharacter, which XML does not allow.
size_t Utf8SequenceLength(std::string_view s) {
    char32_t cp = 0;
    const size_t len = DecodeUtf8At(s, 0, &cp);
    return cp == 0xFFFE || cp == 0xFFFF ? 0 : len;
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
