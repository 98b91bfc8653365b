// Building the recording list from a source: the folder walk, the name and reader tests, sorting
// and the marking of group starts.
#include "library/RecordingLibrary.h"

#include "library/RecordingNaming.h"
#include "platform/FileAttributes.h"

#include <algorithm>
#include <sys/stat.h>

namespace vemora {
namespace {

// Two recordings belong together when the later one begins within this many seconds of the end
// of the one before it (continuous recording) or of its start (the other camera's file).
constexpr int64_t kGroupGapSeconds = 3;

std::string WithTrailingSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// |a - b| > limit without overflow, whatever the readers reported.
bool FartherApartThan(int64_t a, int64_t b, int64_t limit) {
    uint64_t diff = a > b ? uint64_t(a) - uint64_t(b) : uint64_t(b) - uint64_t(a);
    return diff > uint64_t(limit);
}

bool IsRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

bool CRecordingLibrary::ScanSource(const std::string& folder, const std::string& fileName) {
    struct ScanningMark {
        std::atomic<bool>& flag;
        explicit ScanningMark(std::atomic<bool>& f) : flag(f) { flag = true; }
        ~ScanningMark() { flag = false; }
    } mark(m_bScanning);
    ClearRecords();
    bool found;
    if (fileName.empty()) {
        WalkResult result = vemora::WalkFolderTree(
            folder, [this](const WalkEntry& entry) { AddScannedFile(entry); }, &m_bCancelScan,
            &m_nUnreadableFolders);
        if (result == WalkResult::Cancelled) {
            ClearRecords();
            return false;
        }
        found = result == WalkResult::Complete;
    } else {
        found = AddSingleFile(folder, fileName) != AddResult::NotFound;
    }
    if (!found)
        return false;
    std::sort(m_rejected.begin(), m_rejected.end(),
              [](const RejectedFile& a, const RejectedFile& b) { return a.GetFullPath() < b.GetFullPath(); });
    if (!m_records.empty()) {
        std::sort(m_records.begin(), m_records.end(), CompareRecordings);
        MarkGroupStarts();
    }
    return true;
}

void CRecordingLibrary::AddScannedFile(const WalkEntry& entry) {
    if (entry.isFolder || !IsRecordingName(entry.name))
        return;
    // The folder scan lists only what the MP4/MOV reader reads.
    if (ContainerKindOfName(entry.name) == ContainerKind::Avi)
        return;
    RecordingInfo info;
    info.fileName = entry.name;
    info.rootFolder = entry.root;
    info.subFolder = entry.relativeFolder;
    info.lockFlags = LockMarksOfAttributes(entry.attributes, entry.name).Flags();
    if (!m_reader)
        return;
    if (ReadVerdict verdict = m_reader(info.GetFullPath(), ContainerKind::Mp4, info.summary);
        !verdict.Accepted()) {
        m_rejected.push_back(
            RejectedFile{info.fileName, info.rootFolder, info.subFolder, std::move(verdict)});
        return;
    }
    if (info.summary.format == TelemetryFormat::MetaTrack88)
        info.lockFlags = LockFlagsOfNameRule(info.fileName);
    m_records.push_back(std::move(info));
}

AddResult CRecordingLibrary::AddSingleFile(const std::string& folderIn, const std::string& fileName) {
    const std::string folder = WithTrailingSlash(folderIn);
    if (!IsRegularFile(folder + fileName))
        return AddResult::NotFound;
    RecordingInfo info;
    info.fileName = fileName;
    info.rootFolder = folder;
    if (fileName.size() >= 4 && fileName[3] == 'G')
        info.lockFlags |= kEventLock;
    const ContainerKind kind = ContainerKindOfName(fileName);
    if (!m_reader)
        return AddResult::Rejected;
    if (ReadVerdict verdict = m_reader(info.GetFullPath(), kind, info.summary); !verdict.Accepted()) {
        m_rejected.push_back(RejectedFile{fileName, folder, std::string(), std::move(verdict)});
        return AddResult::Rejected;
    }
    auto attributes = ReadFileAttributes(info.GetFullPath());
    if (attributes && (*attributes & kAttrReadOnly))
        info.lockFlags |= kManualLock;
    m_records.push_back(std::move(info));
    return AddResult::Added;
}

bool CRecordingLibrary::CompareRecordings(const RecordingInfo& a, const RecordingInfo& b) {
    if (a.summary.startTime != b.summary.startTime)
        return a.summary.startTime < b.summary.startTime;
    return a.fileName < b.fileName;
}

void CRecordingLibrary::MarkGroupStarts() {
    m_groups.clear();
    m_rows.clear();
    if (m_records.empty())
        return;
    m_records.front().startsGroup = 1;
    for (size_t i = 1; i < m_records.size(); ++i) {
        const ContainerSummary& prev = m_records[i - 1].summary;
        RecordingInfo& cur = m_records[i];
        const int64_t prevEnd = static_cast<int64_t>(uint64_t(prev.startTime) + prev.durationMs / 1000);
        const int64_t start = cur.summary.startTime;
        if (FartherApartThan(start, prevEnd, kGroupGapSeconds) &&
            FartherApartThan(start, prev.startTime, kGroupGapSeconds))
            cur.startsGroup = 1;
    }
}

} // namespace vemora
