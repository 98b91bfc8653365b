#pragma once
// File names as the recorder's naming rules see them: sequences of UTF-16 code units, compared
// exactly. Names on disk are bytes (normally UTF-8); bytes that are not valid UTF-8 are carried as
// the code units U+DC80..U+DCFF so that every name converts back to the same bytes.

#include <string>

namespace vemora {

std::u16string ToNameText(const std::string& bytes);
std::string FromNameText(const std::u16string& text);

} // namespace vemora
