#pragma once
// A small streaming JSON writer for the command-line tool. Keys and strings are escaped; bytes
// that are not valid UTF-8 are written as U+FFFD so that every line stays valid JSON (PathField
// adds the raw bytes of such a name).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vemora {

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view value);
    JsonWriter& Int(int64_t value);
    JsonWriter& UInt(uint64_t value);
    JsonWriter& Double(double value); // shortest text that reads back as the same double
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    // A file name or path: key with its text, and when the bytes are not valid UTF-8 (names on a
    // card may be anything) also key + "_bytes" with every byte as two lowercase hex digits, so
    // that the name can be mapped back to its file.
    JsonWriter& PathField(std::string_view key, std::string_view path);

    // True when text is valid UTF-8 throughout.
    static bool IsValidUtf8(std::string_view text);

    const std::string& Text() const { return m_text; }
    void Clear();

    static std::string Escape(std::string_view text);

private:
    void BeforeValue();
    std::string m_text;
    std::vector<bool> m_first; // one per open container: no element written yet
    bool m_afterKey = false;
};

} // namespace vemora
