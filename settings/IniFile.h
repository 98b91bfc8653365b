#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace vemora {

// Reads and writes one INI file key by key, the way the classic private-profile functions do:
// every read opens the file again (no cache), every write rewrites only the line of that key and
// keeps all other lines, comments and unknown sections byte for byte. Section and key names match
// without regard to ASCII case; the first occurrence of a section or key wins. Text is UTF-8; a file
// that starts with a UTF-16LE byte-order mark (as Windows programs write them) is read and written
// as UTF-16LE.
// One key and its value for IniFile::WriteValues.
struct IniValue {
    std::string_view key;
    std::string value;
};

class IniFile {
public:
    // Files larger than this are not the settings file of this program: reads give defaults and
    // writes are refused, so that nothing of such a file is lost.
    static constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;

    explicit IniFile(std::string path) : m_strPath(std::move(path)) {}

    const std::string& Path() const { return m_strPath; }

    // The value of section/key with surrounding blanks (and one pair of surrounding double
    // quotes) removed, cut to at most maxChars characters (code points) as a fixed buffer would;
    // defaultValue when the file, the section or the key is missing.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue,
                           std::size_t maxChars) const;

    // Leading blanks, an optional sign and decimal digits; defaultValue when the key is missing or
    // its text does not start with a number. Values beyond the int range saturate.
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Sets section/key to value, creating the file, the section or the key as needed. The file is
    // replaced atomically (temporary file in the same folder, then rename); when the folder takes
    // no new file but the file itself is writable, it is rewritten in place. Returns false when
    // nothing was written: unreadable or oversized file, nowhere to write, or a section, key or
    // value that cannot be stored on one line.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;
    // Several keys of one section with one rewrite of the file, as that many WriteString calls in
    // order would leave it; nothing is written when any of them cannot be stored.
    bool WriteValues(std::string_view section, std::span<const IniValue> values) const;

    bool WriteInt(std::string_view section, std::string_view key, int value) const;

private:
    std::string m_strPath;
};

// Parses the text of an integer value: see IniFile::ReadInt. Exposed for tests.
int ParseProfileInt(std::string_view text, int defaultValue);

// Cuts UTF-8 text to at most maxChars code points without splitting a sequence.
std::string TruncateUtf8(std::string_view text, std::size_t maxChars);

} // namespace vemora
