#pragma once
// The page the map panel shows in place of a page that failed to load.

#include <string>
#include <string_view>

namespace vemora {

// Browser error code of a load that was cancelled (by a newer load, or by closing).
inline constexpr int kLoadAbortedCode = -3;

// A cancelled load is no failure the user needs to see.
inline bool ShowsLoadErrorPage(int errorCode) {
    return errorCode != kLoadAbortedCode;
}

// "<html><body bgcolor="white"><h2>Failed to load URL <url> with error <text> (<code>).</h2>
// </body></html>", with the URL and the error text escaped as HTML text.
std::string LoadErrorPageHtml(std::string_view failedUrl, std::string_view errorText, int errorCode);

// The page above as "data:text/html;base64," followed by the URI-encoded Base64 of its UTF-8 text.
std::string LoadErrorPageDataUri(std::string_view failedUrl, std::string_view errorText, int errorCode);

// Standard Base64 with padding.
std::string Base64Encode(std::string_view bytes);

// Percent-encodes every byte except ASCII letters, digits and - _ . ! ~ * ' ( ); a blank becomes
// "%20", never "+".
std::string UriEncode(std::string_view text);

} // namespace vemora
