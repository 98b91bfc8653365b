#pragma once
// A small streaming JSON writer for the command-line tool. Keys and strings are escaped; bytes
// that are not valid UTF-8 are written as U+FFFD so that every line stays valid JSON.

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
