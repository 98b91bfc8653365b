#include "map/NumberText.h"

#include <charconv>

namespace vemora {

std::string FixedText(double value, int decimals) {
    // Fixed notation of a double needs at most 309 integer digits plus sign and decimals.
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return "0";
    return std::string(buffer, end);
}

std::string SignedFixedText(double value, int decimals) {
    std::string text = FixedText(value, decimals);
    if (text.front() != '-')
        text.insert(text.begin(), '+');
    return text;
}

} // namespace vemora
