#include "platform/JsonWriter.h"

#include "platform/Utf8.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vemora {

void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back())
            m_text += ',';
        m_first.back() = false;
    }
}

JsonWriter& JsonWriter::BeginObject() {
    BeforeValue();
    m_text += '{';
    m_first.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    m_text += '}';
    if (!m_first.empty())
        m_first.pop_back();
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    BeforeValue();
    m_text += '[';
    m_first.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    m_text += ']';
    if (!m_first.empty())
        m_first.pop_back();
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    BeforeValue();
    m_text += '"';
    m_text += Escape(key);
    m_text += "\":";
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view value) {
    BeforeValue();
    m_text += '"';
    m_text += Escape(value);
    m_text += '"';
    return *this;
}

JsonWriter& JsonWriter::Int(int64_t value) {
    BeforeValue();
    m_text += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::UInt(uint64_t value) {
    BeforeValue();
    m_text += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Double(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        m_text += "null";
        return *this;
    }
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    m_text.append(buf, res.ptr);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    m_text += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    m_text += "null";
    return *this;
}

void JsonWriter::Clear() {
    m_text.clear();
    m_first.clear();
    m_afterKey = false;
}

namespace {} // namespace

std::string JsonWriter::Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            size_t n = DecodeUtf8At(text, i);
            if (n == 0) {
                out += "\\ufffd";
                ++i;
            } else {
                out.append(text.substr(i, n));
                i += n;
            }
            continue;
        }
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
        ++i;
    }
    return out;
}

bool JsonWriter::IsValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const size_t n = DecodeUtf8At(text, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

JsonWriter& JsonWriter::PathField(std::string_view key, std::string_view path) {
    Key(key).String(path);
    if (IsValidUtf8(path))
        return *this;
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(path.size() * 2);
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return Key(std::string(key) + "_bytes").String(hex);
}

} // namespace vemora
