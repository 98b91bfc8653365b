#pragma once
// Reading UTF-8 one sequence at a time, for texts that come from a card and may hold any bytes.

#include <cstddef>
#include <string_view>

namespace vemora {

// The length of the well-formed UTF-8 sequence at text[i] (1 to 4) with its code point in
// *codePoint; 0 when the bytes there are not one (a stray continuation byte, a cut sequence, an
// overlong form, a surrogate or a value beyond U+10FFFF).
std::size_t DecodeUtf8At(std::string_view text, std::size_t i, char32_t* codePoint = nullptr);

} // namespace vemora
