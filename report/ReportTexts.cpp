#include "report/ReportTexts.h"

namespace vemora::report {

std::string Format(const TextLookup& texts, int id, std::initializer_list<std::string> arguments) {
    const std::string pattern = texts ? texts(id) : std::string();
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<size_t>(next - '1') < arguments.size()) {
            out += *(arguments.begin() + (next - '1'));
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace vemora::report
