#include "settings/LanguageTable.h"

namespace vemora {

const std::array<LanguageEntry, kLanguageCount> LanguageTable = {{
    {u"ENG", u"English", 0x09, 1, "en"},
    {u"CHS", u"简体中文", 0x04, 2, "zh_CN"},
    {u"CHT", u"繁體中文", 0x04, 1, "zh_TW"},
    {u"ESP", u"español", 0x0A, 1, "es"},
    {u"RUS", u"русский", 0x19, 1, "ru"},
    {u"POR", u"português", 0x16, 2, "pt"},
    {u"JPN", u"日本語", 0x11, 1, "ja"},
    {u"GER", u"Deutsch", 0x07, 1, "de"},
    {u"FRA", u"français", 0x0C, 1, "fr"},
    {u"KOR", u"한국의", 0x12, 1, "ko"},
    {u"ITA", u"italiano", 0x10, 1, "it"},
    {u"LAT", u"Latviski", 0x26, 1, "lv"},
    {u"POL", u"Polski", 0x15, 1, "pl"},
    {u"ROM", u"Română", 0x18, 1, "ro"},
    {u"SLV", u"Slovenčina", 0x1B, 1, "sk"},
    {u"UKR", u"Українська", 0x22, 1, "uk"},
}};

int FindLanguage(std::u16string_view code) {
    for (int i = 0; i < kLanguageCount; ++i) {
        if (LanguageTable[static_cast<std::size_t>(i)].code == code)
            return i;
    }
    return -1;
}

} // namespace vemora
