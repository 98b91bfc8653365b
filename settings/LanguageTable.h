#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vemora {

// One selectable user-interface language.
struct LanguageEntry {
    std::u16string_view code;       // the "UI"/"LANGID" value
    std::u16string_view nativeName; // shown in the configuration dialog's language list
    std::uint16_t primary;          // primary language number
    std::uint16_t sub;              // sublanguage number
    std::string_view qmName;        // translation file ":/i18n/vemora_<qmName>.qm"

    constexpr std::uint16_t LangId() const { return static_cast<std::uint16_t>((sub << 10) | primary); }
};

inline constexpr int kLanguageCount = 16;
inline constexpr int kJapaneseIndex = 6;
inline constexpr int kEnglishIndex = 0;

extern const std::array<LanguageEntry, kLanguageCount> LanguageTable;

// Index of the entry whose code equals code exactly (case-sensitive, whole text), or -1.
int FindLanguage(std::u16string_view code);

} // namespace vemora
