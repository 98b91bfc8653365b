#include "library/RecordingNaming.h"

#include "library/NameText.h"
#include "library/RecordingInfo.h"
#include "platform/FileAttributes.h"

#include <sys/stat.h>

namespace vemora {
namespace {

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool EndsWith(const std::u16string& s, std::u16string_view tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool Contains(const std::u16string& s, std::u16string_view part) {
    return s.find(part) != std::u16string::npos;
}

bool StartsWith(const std::string& s, std::string_view head) {
    return s.compare(0, head.size(), head) == 0;
}

void ReplaceAll(std::u16string& s, std::u16string_view from, std::u16string_view to) {
    for (size_t pos = s.find(from); pos != std::u16string::npos; pos = s.find(from, pos + to.size()))
        s.replace(pos, from.size(), to);
}

size_t NameStart(std::u16string_view path) {
    size_t slash = path.rfind(u'/');
    return slash == std::u16string_view::npos ? 0 : slash + 1;
}

// The folders the recorder writes each camera's files into; a partner lives in the other one.
bool IsCameraFolder(std::u16string_view folder) {
    return folder == u"front" || folder == u"back" || folder == u"F" || folder == u"R";
}

// The partner rules rewrite the file name, and the folder holding it when that is one of the
// recorder's camera folders; the folders above belong to the user and may hold any letters.
struct PartnerPath {
    std::u16string head; // kept as it is, ends with "/" unless empty
    std::u16string tail; // the name, or the camera folder, "/" and the name

    std::u16string Joined() const { return head + tail; }
    // Replaces the last `from` of the tail by `to`, unless it begins the whole path.
    void ReplaceLast(char16_t from, char16_t to) {
        size_t pos = tail.rfind(from);
        if (pos != std::u16string::npos && head.size() + pos > 0)
            tail[pos] = to;
    }
};

PartnerPath SplitForPartner(const std::u16string& path) {
    const size_t nameStart = NameStart(path);
    if (nameStart == 0)
        return {std::u16string(), path};
    const size_t folderStart = NameStart(std::u16string_view(path).substr(0, nameStart - 1));
    const size_t cut =
        IsCameraFolder(std::u16string_view(path).substr(folderStart, nameStart - 1 - folderStart))
            ? folderStart
            : nameStart;
    return {path.substr(0, cut), path.substr(cut)};
}

bool FileExists(const std::u16string& path) {
    struct stat st {};
    return ::stat(FromNameText(path).c_str(), &st) == 0;
}

std::string ExistingOrEmpty(const std::u16string& path) {
    return FileExists(path) ? FromNameText(path) : std::string();
}

} // namespace

bool IsRecordingName(const std::string& bytes) {
    std::u16string name = ToNameText(bytes);
    if (name.size() < 8)
        return false;
    for (size_t i = 0; i < 4; ++i) {
        char16_t c = name[i];
        if (!IsAsciiDigit(c) && !IsAsciiLetter(c) && c != u'_' && c != u'-')
            return false;
    }
    for (size_t i = 4; i < 8; ++i) {
        if (!IsAsciiDigit(name[i]))
            return false;
    }
    return name.size() == 12 || EndsWith(name, u".MOV") || EndsWith(name, u".MP4");
}

bool IsFrontFile(const std::string& name) {
    std::u16string text = ToNameText(name);
    return Contains(text, u"front") || Contains(text, u"F.MOV") || Contains(text, u"F.MP4");
}

bool IsRearFile(const std::string& path) {
    const std::u16string text = ToNameText(path);
    const std::u16string name = text.substr(NameStart(text));
    if (Contains(name, u"R.MOV") || Contains(name, u"R.MP4"))
        return true;
    size_t dot = name.rfind(u'.');
    if (dot == std::u16string::npos)
        return false;
    size_t from = dot == 0 ? 0 : dot - 1;
    return name.find(u'b', from) != std::u16string::npos;
}

std::string GetRearPartner(const std::string& frontPath) {
    const PartnerPath original = SplitForPartner(ToNameText(frontPath));
    PartnerPath candidate = original;
    ReplaceAll(candidate.tail, u"front", u"back");
    size_t dot = candidate.tail.rfind(u'.');
    if (dot == std::u16string::npos || dot < NameStart(candidate.tail) + 1)
        return {};
    candidate.tail[dot - 1] = u'1';
    candidate.tail.insert(dot, u"_b");
    if (FileExists(candidate.Joined()))
        return FromNameText(candidate.Joined());

    candidate = original;
    candidate.ReplaceLast(u'F', u'R');
    candidate.ReplaceLast(u'F', u'R');
    return ExistingOrEmpty(candidate.Joined());
}

std::string GetFrontPartner(const std::string& rearPath) {
    const PartnerPath original = SplitForPartner(ToNameText(rearPath));
    PartnerPath candidate = original;
    ReplaceAll(candidate.tail, u"back", u"front");
    size_t dot = candidate.tail.rfind(u'.');
    if (dot == std::u16string::npos || dot < NameStart(candidate.tail) + 3)
        return {};
    candidate.tail[dot - 3] = u'0';
    candidate.tail.erase(dot - 2, 2);
    if (FileExists(candidate.Joined()))
        return FromNameText(candidate.Joined());

    candidate = original;
    candidate.ReplaceLast(u'R', u'F');
    candidate.ReplaceLast(u'R', u'F');
    return ExistingOrEmpty(candidate.Joined());
}

uint8_t LockMarks::Flags() const {
    return static_cast<uint8_t>((eventLock ? kEventLock : 0) | (manualLock ? kManualLock : 0));
}

LockMarks LockMarksOfAttributes(uint32_t attributes, const std::string& name) {
    if ((attributes & kAttrReadOnly) == 0)
        return {};
    if ((attributes & kAttrArchive) == 0)
        return {true, true};
    if (StartsWith(name, "EVGS"))
        return {true, false};
    return {false, true};
}

LockMarks ReadLockMarks(const std::string& folder, const std::string& name) {
    auto attributes = ReadFileAttributes(JoinPath(folder, name));
    return attributes ? LockMarksOfAttributes(*attributes, name) : LockMarks{};
}

uint8_t LockFlagsOfNameRule(const std::string& name) {
    if (StartsWith(name, "EVGS"))
        return kEventLock;
    if (StartsWith(name, "EVSW"))
        return kManualLock;
    return 0;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace vemora
