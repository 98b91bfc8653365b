#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vemora {

// Strict conversions between UTF-16LE bytes and UTF-8, for settings files written with a UTF-16
// byte-order mark. Both give nothing for text that is not valid in its encoding (odd byte count,
// unpaired surrogate, malformed or overlong UTF-8), so that a round trip never alters a byte.
std::optional<std::string> Utf16LeToUtf8(std::string_view bytes);
std::optional<std::string> Utf8ToUtf16Le(std::string_view text);

} // namespace vemora
