#pragma once
// The recorder's naming rules: which files are recordings, which camera wrote them, where the
// other camera's file of the same interval is, and the lock marks. Names are compared as UTF-16
// code units, exactly (no case folding anywhere).

#include <cstdint>
#include <string>

namespace vemora {

// A recorder file name (without folder): four name characters (digits, ASCII letters, "_", "-"),
// four digits, and either exactly 12 characters or the extension ".MOV" / ".MP4" in upper case.
bool IsRecordingName(const std::string& name);

// Front camera: "front", "F.MOV" or "F.MP4" anywhere in the name.
bool IsFrontFile(const std::string& name);
// Rear camera: "R.MOV" or "R.MP4" in the file name of path, or a lower-case "b" at or after the
// character just before the name's last "." (FILE0001_b.MP4).
bool IsRearFile(const std::string& path);

// The other camera's file of the same interval, or "" when none exists. The rules rewrite the
// file name and, when the file lies in one of the recorder's camera folders ("front", "back",
// "F", "R"), that folder; nothing above it. A name whose last "." is too near its start (before
// index 1, respectively 3) has no partner.
std::string GetRearPartner(const std::string& frontPath);
std::string GetFrontPartner(const std::string& rearPath);

struct LockMarks {
    bool eventLock = false;
    bool manualLock = false;
    uint8_t Flags() const;
};

// Lock marks from the file's attributes and name: read-only without archive = both marks;
// read-only with archive = the event lock for "EVGS" names, the manual lock otherwise; not
// read-only (or unreadable attributes) = none. folder ends with "/" or is joined with one.
LockMarks ReadLockMarks(const std::string& folder, const std::string& name);
// The same rule applied to attribute bits already read.
LockMarks LockMarksOfAttributes(uint32_t attributes, const std::string& name);

// Recorders of the 88-byte metadata layout mark locks in the name only: "EVGS" = event lock,
// "EVSW" = manual lock, anything else = none, whatever the attributes say.
uint8_t LockFlagsOfNameRule(const std::string& name);

// folder + "/" (when it has none) + name.
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace vemora
