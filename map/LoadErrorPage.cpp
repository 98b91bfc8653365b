#include "map/LoadErrorPage.h"

#include <cstdint>

namespace vemora {

namespace {

std::string HtmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
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
            out += c;
        }
    }
    return out;
}

bool UriUnreserved(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("-_.!~*'()").find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

std::string LoadErrorPageHtml(std::string_view failedUrl, std::string_view errorText, int errorCode) {
    return "<html><body bgcolor=\"white\"><h2>Failed to load URL " + HtmlText(failedUrl) + " with error " +
           HtmlText(errorText) + " (" + std::to_string(errorCode) + ").</h2></body></html>";
}

std::string LoadErrorPageDataUri(std::string_view failedUrl, std::string_view errorText, int errorCode) {
    return "data:text/html;base64," +
           UriEncode(Base64Encode(LoadErrorPageHtml(failedUrl, errorText, errorCode)));
}

std::string Base64Encode(std::string_view bytes) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        std::uint32_t v = static_cast<std::uint8_t>(bytes[i]) << 16 |
                          static_cast<std::uint8_t>(bytes[i + 1]) << 8 |
                          static_cast<std::uint8_t>(bytes[i + 2]);
        for (int shift : {18, 12, 6, 0})
            out += kAlphabet[(v >> shift) & 0x3F];
    }
    std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t v = static_cast<std::uint8_t>(bytes[i]) << 16;
        if (rest == 2)
            v |= static_cast<std::uint8_t>(bytes[i + 1]) << 8;
        out += kAlphabet[(v >> 18) & 0x3F];
        out += kAlphabet[(v >> 12) & 0x3F];
        out += rest == 2 ? kAlphabet[(v >> 6) & 0x3F] : '=';
        out += '=';
    }
    return out;
}

std::string UriEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (UriUnreserved(c)) {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    return out;
}

} // namespace vemora
