#pragma once

#include <QString>

#include <cstdint>

namespace vemora {

// The compiled string tables of every language (id-based Qt translations embedded under
// ":/i18n/"). Each table is loaded on first use and kept: the tables are constant data.
// GUI thread only.
class StringTables {
public:
    static StringTables& Instance();

    // The text of id in the table of the language with that language id; empty when the table
    // does not hold it (no fallback here).
    QString Lookup(std::uint16_t wLangId, int nId);

    // The text of id in the language, or in Japanese when that language lacks it; empty when
    // neither holds it.
    QString LookupWithFallback(std::uint16_t wLangId, int nId);

    // Whether the table of that language id could be loaded (false for ids of no entry).
    bool HasTable(std::uint16_t wLangId);

private:
    StringTables() = default;
};

} // namespace vemora
