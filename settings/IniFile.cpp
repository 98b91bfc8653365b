#include "settings/IniFile.h"

#include "platform/WholeFile.h"
#include "settings/Utf16Text.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vemora {
namespace {

// One line of the file: its text without the line end, and the line end itself ("", "\n", "\r\n").
struct Line {
    std::string_view text;
    std::string_view end;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    // A byte-order mark belongs to no line's name.
    std::size_t pos = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    std::size_t lineStart = pos;
    while (pos < text.size()) {
        const std::size_t nl = text.find('\n', pos);
        if (nl == std::string_view::npos)
            break;
        const std::size_t textEnd = (nl > pos && text[nl - 1] == '\r') ? nl - 1 : nl;
        lines.push_back(
            {text.substr(lineStart, textEnd - lineStart), text.substr(textEnd, nl + 1 - textEnd)});
        pos = nl + 1;
        lineStart = pos;
    }
    if (lineStart < text.size())
        lines.push_back({text.substr(lineStart), {}});
    return lines;
}

// The name of a "[name]" line, or nothing when the line is not a section header.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

// The key and value of a "key=value" line; nothing for comments, blanks and lines without "=".
std::optional<KeyValue> SplitKeyValue(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const std::size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return KeyValue{Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1))};
}

enum class ReadResult { Ok, Missing, Failed };

// Reads the whole file. A missing file is not an error for writers (it will be created).
ReadResult ReadWholeFile(const std::string& path, std::string& out) {
    out.clear();
    if (path.empty())
        return ReadResult::Failed;
    // Non-blocking, so that a pipe put in place of the file cannot stall the program. A link in
    // place of the file is not followed: what it points to is not this program's file, so it
    // reads as no file at all and the first write replaces the link by a file of its own.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0)
        return errno == ENOENT || errno == ELOOP ? ReadResult::Missing : ReadResult::Failed;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::size_t>(st.st_size) > IniFile::kMaxFileSize) {
        ::close(fd);
        return ReadResult::Failed;
    }
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || out.size() + static_cast<std::size_t>(n) > IniFile::kMaxFileSize) {
            ::close(fd);
            return ReadResult::Failed;
        }
        if (n == 0)
            break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ReadResult::Ok;
}

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// The file's text as UTF-8, and whether it is stored as UTF-16LE (with its byte-order mark).
struct ProfileText {
    std::string text;
    bool utf16 = false;
};

// Reads and decodes the file. A UTF-16 file that is not valid UTF-16 counts as unreadable, so that
// no write can alter bytes that were never understood.
ReadResult ReadProfileText(const std::string& path, ProfileText& out) {
    std::string raw;
    const ReadResult result = ReadWholeFile(path, raw);
    out = {};
    if (result != ReadResult::Ok)
        return result;
    if (!raw.starts_with(kUtf16LeMark)) {
        out.text = std::move(raw);
        return ReadResult::Ok;
    }
    auto decoded = Utf16LeToUtf8(std::string_view(raw).substr(kUtf16LeMark.size()));
    if (!decoded)
        return ReadResult::Failed;
    out.text = std::move(*decoded);
    out.utf16 = true;
    return ReadResult::Ok;
}

// The bytes to store for text in the file's own encoding; nothing when the text cannot be encoded.
std::optional<std::string> EncodeProfileText(const std::string& text, bool utf16) {
    if (!utf16)
        return text;
    auto encoded = Utf8ToUtf16Le(text);
    if (!encoded)
        return std::nullopt;
    return std::string(kUtf16LeMark) + *encoded;
}

std::optional<std::string_view> FindValue(const std::vector<Line>& lines, std::string_view section,
                                          std::string_view key) {
    bool inSection = false;
    bool seenSection = false;
    for (const Line& line : lines) {
        if (const auto name = SectionName(line.text)) {
            // Later sections of the same name are ignored, as the first one is the one written to.
            if (inSection)
                return std::nullopt;
            inSection = !seenSection && EqualNoCase(*name, section);
            seenSection = seenSection || inSection;
            continue;
        }
        if (!inSection)
            continue;
        if (const auto kv = SplitKeyValue(line.text); kv && EqualNoCase(kv->key, key))
            return kv->value;
    }
    return std::nullopt;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool FitsOnOneLine(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool IsValidName(std::string_view name, bool isSection) {
    if (Trim(name).empty() || Trim(name).size() != name.size() || !FitsOnOneLine(name))
        return false;
    if (isSection)
        return name.find(']') == std::string_view::npos;
    return name.find('=') == std::string_view::npos && name.front() != ';' && name.front() != '[';
}

// The line end used by the file already, so that added lines match it.
std::string_view LineEndOf(const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (!line.end.empty())
            return line.end;
    }
    return "\n";
}

std::string BuildUpdatedText(std::string_view original, std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::vector<Line> lines = SplitLines(original);
    const std::string_view eol = LineEndOf(lines);
    const std::string newLine = std::string(key) + "=" + std::string(value);
    const std::string_view bom = original.starts_with("\xEF\xBB\xBF") ? "\xEF\xBB\xBF" : "";

    // Locate the first section of that name, its key line, and its last non-blank line.
    std::optional<std::size_t> sectionLine, keyLine, lastContent;
    for (std::size_t i = 0; i < lines.size() && !keyLine; ++i) {
        if (const auto name = SectionName(lines[i].text)) {
            if (sectionLine)
                break;
            if (EqualNoCase(*name, section))
                sectionLine = lastContent = i;
            continue;
        }
        if (!sectionLine)
            continue;
        if (!Trim(lines[i].text).empty())
            lastContent = i;
        if (const auto kv = SplitKeyValue(lines[i].text); kv && EqualNoCase(kv->key, key))
            keyLine = i;
    }

    std::string out(bom);
    out.reserve(original.size() + newLine.size() + section.size() + 8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (keyLine && i == *keyLine) {
            out += newLine;
            out += lines[i].end.empty() ? eol : lines[i].end;
            continue;
        }
        out += lines[i].text;
        if (!keyLine && lastContent && i == *lastContent) {
            out += lines[i].end.empty() ? eol : lines[i].end;
            out += newLine;
            out += lines[i].end.empty() ? std::string_view{} : eol;
            continue;
        }
        out += lines[i].end;
    }
    if (!sectionLine) {
        if (!out.empty() && out.back() != '\n')
            out += eol;
        out += "[" + std::string(section) + "]";
        out += eol;
        out += newLine;
        out += eol;
    }
    return out;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The fallback when the folder takes no temporary file: the user's existing file rewritten where
// it is (never through a link).
bool RewriteInPlace(const std::string& target, std::string_view content) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    const bool written = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && WriteAll(fd, content) &&
                         ::ftruncate(fd, static_cast<off_t>(content.size())) == 0 && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    return written && closed;
}

// A fresh file renamed over the old one (or over a link in its place), keeping the old file's
// permissions; settings are private to the user otherwise.
bool ReplaceFileAtomically(const std::string& path, std::string_view content) {
    struct stat st {};
    const bool existing = ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    const mode_t mode = existing ? (st.st_mode & 0777) : 0600;
    std::string error;
    auto file = WholeFile::Begin(path, &error, mode);
    if (!file)
        return existing && RewriteInPlace(path, content);
    // The mode given at creation is narrowed by the umask: the old file's permissions are meant.
    return (!existing || ::fchmod(file->Descriptor(), mode) == 0) && file->Write(content, &error) &&
           file->Commit(&error);
}

} // namespace

int ParseProfileInt(std::string_view text, int defaultValue) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return defaultValue;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

std::string TruncateUtf8(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool continuation = (byte & 0xC0) == 0x80;
        if (!continuation && chars++ == maxChars)
            return std::string(text.substr(0, i));
    }
    return std::string(text);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                std::size_t maxChars) const {
    ProfileText content;
    if (ReadProfileText(m_strPath, content) != ReadResult::Ok)
        return TruncateUtf8(defaultValue, maxChars);
    const auto value = FindValue(SplitLines(content.text), section, key);
    return TruncateUtf8(value ? StripQuotes(*value) : defaultValue, maxChars);
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int defaultValue) const {
    ProfileText content;
    if (ReadProfileText(m_strPath, content) != ReadResult::Ok)
        return defaultValue;
    const auto value = FindValue(SplitLines(content.text), section, key);
    return value ? ParseProfileInt(StripQuotes(*value), defaultValue) : defaultValue;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) const {
    const IniValue one[] = {{key, std::string(value)}};
    return WriteValues(section, one);
}

bool IniFile::WriteValues(std::string_view section, std::span<const IniValue> values) const {
    if (m_strPath.empty() || !IsValidName(section, true))
        return false;
    for (const IniValue& v : values)
        if (!IsValidName(v.key, false) || !FitsOnOneLine(v.value))
            return false;
    ProfileText content;
    if (ReadProfileText(m_strPath, content) == ReadResult::Failed)
        return false;
    std::string text = content.text;
    for (const IniValue& v : values) {
        // Blanks around a value and a pair of quotes around it are dropped when reading: quoting
        // such a value keeps it as it was given.
        const std::string_view value = v.value;
        const bool needsQuotes = !value.empty() && (Trim(value).size() != value.size() ||
                                                    StripQuotes(value).size() != value.size());
        const std::string stored = needsQuotes ? "\"" + v.value + "\"" : v.value;
        text = BuildUpdatedText(text, section, v.key, stored);
    }
    const auto bytes = EncodeProfileText(text, content.utf16);
    return bytes && ReplaceFileAtomically(m_strPath, *bytes);
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int value) const {
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return WriteString(section, key, std::string_view(text, static_cast<std::size_t>(result.ptr - text)));
}

} // namespace vemora
