#include "tools/vemora/TranslatedTexts.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace vemora::cli {

namespace {

struct Entry {
    const char* language;
    int id;
    const char* text;
};

constexpr Entry kEntries[] = {
#include "TranslatedTexts.inc"
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return c == '-' ? '_' : static_cast<char>(std::tolower(c)); });
    return text;
}

std::optional<std::string> Exactly(const std::string& wanted) {
    for (const std::string& language : Translations())
        if (Lower(language) == wanted)
            return language;
    return std::nullopt;
}

} // namespace

std::vector<std::string> Translations() {
    std::set<std::string> languages;
    for (const Entry& e : kEntries)
        languages.insert(e.language);
    return {languages.begin(), languages.end()};
}

std::optional<std::string> FindTranslation(const std::string& code) {
    std::string wanted = Lower(code);
    wanted = wanted.substr(0, wanted.find_first_of(".@"));
    if (auto found = Exactly(wanted))
        return found;
    // "pt_BR" falls back to "pt", "zh" to Simplified Chinese.
    const std::string language = wanted.substr(0, wanted.find('_'));
    if (language == "zh")
        return Exactly(wanted == "zh_tw" || wanted == "zh_hk" ? "zh_tw" : "zh_cn");
    return Exactly(language);
}

std::string DefaultTranslation() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            if (auto found = FindTranslation(value))
                return *found;
            break;
        }
    }
    return "en";
}

std::string TranslatedText(const std::string& language, int id) {
    const char* english = nullptr;
    for (const Entry& e : kEntries) {
        if (e.id != id)
            continue;
        if (e.language == language)
            return e.text;
        if (std::string_view(e.language) == "en")
            english = e.text;
    }
    return english ? english : "";
}

} // namespace vemora::cli
