#pragma once
// The report's texts for the command-line tool: compiled at build time from the same
// translation files the desktop program uses.

#include <optional>
#include <string>
#include <vector>

namespace vemora::cli {

// The language of a --lang value ("de", "zh_CN", "zh-cn", "ja_JP.UTF-8"), or nothing when no
// translation file has it.
std::optional<std::string> FindTranslation(const std::string& code);
// The language of the user's locale (LC_ALL, LC_MESSAGES, LANG), else English.
std::string DefaultTranslation();
std::vector<std::string> Translations();

// The text of id in language, else in English; empty when neither has it.
std::string TranslatedText(const std::string& language, int id);

} // namespace vemora::cli
