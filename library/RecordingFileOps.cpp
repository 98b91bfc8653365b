// Copy, delete, lock and unlock of the groups the user chose in the group list.
#include "library/RecordingLibrary.h"

#include "library/FileCopy.h"
#include "library/RecordingNaming.h"
#include "platform/FileAttributes.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace vemora {
namespace {

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

FileOpFailure FailureOf(const std::string& path, const char* what) {
    return {path, std::string(what) + ": " + std::strerror(errno)};
}

// Clears one read-only mark: writes the attributes back without read-only.
bool ClearReadOnly(const std::string& path) {
    auto attributes = ReadFileAttributes(path);
    return attributes && WriteFileAttributes(path, *attributes & ~kAttrReadOnly);
}

} // namespace

bool CRecordingLibrary::MarkTargetGroups() {
    bool any = false;
    for (size_t j = 0; j < m_groups.size(); ++j) {
        bool chosen = m_pGroupList && m_pGroupList->IsRowChosen(static_cast<int>(j));
        m_groups[j].marked = chosen ? 1 : 0;
        any = any || chosen;
    }
    return any;
}

void CRecordingLibrary::ReportFailures(FileOperation operation, const std::vector<FileOpFailure>& failures) {
    if (m_pPrompt && !failures.empty())
        m_pPrompt->ReportFailures(operation, failures);
}

bool CRecordingLibrary::CopyMarked(const std::string& targetFolder) {
    if (!MarkTargetGroups())
        return false;
    std::vector<FileOpFailure> failures;
    ForEachMarkedRecord([&](const RecordingInfo& record) {
        // The folders below the scanned folder are reproduced below the target.
        const std::string folder = JoinPath(targetFolder, record.subFolder);
        const std::string destination = JoinPath(folder, record.fileName);
        std::string error;
        if (!IsDirectory(folder) && !MakeDirectories(folder, &error)) {
            failures.push_back({folder, error});
            return;
        }
        if (PathExists(destination) &&
            (!m_pPrompt || m_pPrompt->AskOverwrite(destination) != FileOpPrompt::Answer::Ok))
            return;
        if (!CopyFileReplacing(record.GetFullPath(), destination, &error))
            failures.push_back({destination, error});
    });
    ReportFailures(FileOperation::Copy, failures);
    return true;
}

bool CRecordingLibrary::DeleteMarked() {
    if (!MarkTargetGroups())
        return false;
    std::vector<FileOpFailure> failures;
    std::vector<bool> deleted(m_records.size(), false);
    bool anyDeleted = false;
    for (auto group = m_groups.rbegin(); group != m_groups.rend(); ++group) {
        if (!group->marked)
            continue;
        for (int k = group->recordCount - 1; k >= 0; --k) {
            const int index = group->firstRecord + k;
            const std::string path = m_records[index].GetFullPath();
            // Locked (read-only) files and files whose attributes cannot be read are spared.
            auto attributes = ReadFileAttributes(path);
            if (!attributes || (*attributes & kAttrReadOnly))
                continue;
            if (::unlink(path.c_str()) != 0) {
                failures.push_back(FailureOf(path, "cannot delete"));
                continue;
            }
            deleted[index] = true;
            anyDeleted = true;
        }
    }
    if (anyDeleted)
        RemoveRecords(deleted);
    ReportFailures(FileOperation::Delete, failures);
    return true;
}

void CRecordingLibrary::RemoveRecords(const std::vector<bool>& remove) {
    int newCurrent = -1;
    size_t kept = 0;
    for (size_t i = 0; i < m_records.size(); ++i) {
        if (remove[i])
            continue;
        if (static_cast<int>(i) == m_nCurrentRow)
            newCurrent = static_cast<int>(kept);
        if (kept != i)
            m_records[kept] = std::move(m_records[i]);
        ++kept;
    }
    m_records.resize(kept);
    // The current recording keeps being current at its new row; a deleted one leaves none.
    m_nCurrentRow = newCurrent;
    m_nCurrentGroup = -1;
    m_groups.clear();
    m_rows.clear();
    ClearViews();
    BuildGroups();
}

bool CRecordingLibrary::LockMarked() {
    if (!MarkTargetGroups())
        return false;
    std::vector<FileOpFailure> failures;
    ForEachMarkedRecord([&](RecordingInfo& record) {
        if (record.lockFlags != 0)
            return;
        if (WriteFileAttributes(record.GetFullPath(), kAttrReadOnly | kAttrArchive))
            record.lockFlags = kManualLock;
        else
            failures.push_back(FailureOf(record.GetFullPath(), "cannot lock"));
    });
    RecomputeGroupLocks();
    FillLists();
    ReportFailures(FileOperation::Lock, failures);
    return true;
}

bool CRecordingLibrary::UnlockMarked() {
    if (!MarkTargetGroups())
        return false;
    std::vector<FileOpFailure> failures;
    ForEachMarkedRecord([&](RecordingInfo& record) {
        const std::string path = record.GetFullPath();
        bool failed = false;
        for (uint8_t bit : {kManualLock, kEventLock}) {
            if ((record.lockFlags & bit) == 0)
                continue;
            if (ClearReadOnly(path))
                record.lockFlags &= static_cast<uint8_t>(~bit);
            else
                failed = true;
        }
        if (failed)
            failures.push_back(FailureOf(path, "cannot unlock"));
    });
    RecomputeGroupLocks();
    FillLists();
    ReportFailures(FileOperation::Unlock, failures);
    return true;
}

// A group's padlock shows what its files carry, also when some could not be changed.
void CRecordingLibrary::RecomputeGroupLocks() {
    for (RecordingGroup& group : m_groups) {
        group.lockFlags = 0;
        for (int k = 0; k < group.recordCount; ++k)
            group.lockFlags |= m_records[group.firstRecord + k].lockFlags;
    }
}

bool CRecordingLibrary::CurrentGroupHasLock() {
    const int g = FindGroupOfCurrentRow();
    if (g < 0 || g >= static_cast<int>(m_groups.size()))
        return false;
    const RecordingGroup& group = m_groups[g];
    for (int k = 0; k < group.recordCount; ++k) {
        if (m_records[group.firstRecord + k].lockFlags != 0)
            return true;
    }
    return false;
}

} // namespace vemora
