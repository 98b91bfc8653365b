// Copy, delete, lock and unlock of the groups the user chose in the group list.
#include "library/RecordingFileOps.h"
#include "library/RecordingLibrary.h"

#include "library/FileCopy.h"
#include "library/PathWithin.h"
#include "library/RecordingNaming.h"
#include "platform/FileAttributes.h"
#include "platform/WholeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <set>
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

const char* StepText(FileOpStep step) {
    switch (step) {
    case FileOpStep::MakeFolder:
        return "cannot create folder";
    case FileOpStep::Copy:
        return "cannot copy";
    case FileOpStep::Delete:
        return "cannot delete";
    case FileOpStep::Lock:
        return "cannot lock";
    case FileOpStep::Unlock:
        return "cannot unlock";
    }
    return "";
}

// The file a job works on: a link on the card is followed only to a file on the card (the scan
// lists no other); ELOOP when it leads out.
std::optional<std::string> FileOfJob(const FileJob& job) {
    if (job.root.empty())
        return job.source;
    struct stat st {};
    if (::lstat(job.source.c_str(), &st) == 0 && !S_ISLNK(st.st_mode))
        return job.source;
    if (auto inside = PathWithin(job.root, job.source))
        return inside;
    errno = ELOOP;
    return std::nullopt;
}

// Clears the read-only mark: writes the attributes back without read-only.
bool ClearReadOnly(const std::string& path) {
    auto attributes = ReadFileAttributes(path);
    return attributes && WriteFileAttributes(path, *attributes & ~kAttrReadOnly);
}

class FileOpRun {
public:
    FileOpRun(const FileOpPlan& plan, const FileOpProgressFn& progress, const std::atomic<bool>* cancel)
        : m_plan(plan), m_progressFn(progress), m_cancel(cancel) {
        m_outcome.results.assign(plan.jobs.size(), JobResult::NotDone);
        m_progress.filesTotal = plan.jobs.size();
        m_progress.bytesTotal = plan.TotalBytes();
    }

    FileOpOutcome Run() {
        for (size_t i = 0; i < m_plan.jobs.size(); ++i) {
            const FileJob& job = m_plan.jobs[i];
            if (CancelRequested())
                break;
            m_progress.currentFile = job.source;
            Report();
            const JobResult result = RunJob(job);
            if (result == JobResult::NotDone)
                break;
            m_outcome.results[i] = result;
            m_bytesBefore += job.bytes;
            m_progress.bytesDone = m_bytesBefore;
            ++m_progress.filesDone;
        }
        m_outcome.cancelled = CancelRequested() && m_progress.filesDone < m_plan.jobs.size();
        m_progress.currentFile.clear();
        if (m_plan.operation == FileOperation::Copy && m_outcome.Count(JobResult::Done) > 0)
            WriteOutCopies();
        m_progress.finishing = false;
        Report();
        return std::move(m_outcome);
    }

private:
    bool CancelRequested() const { return m_cancel && m_cancel->load(); }

    void Report() {
        if (m_progressFn)
            m_progressFn(m_progress);
    }

    JobResult Fail(const std::string& path, FileOpStep step, int errorCode) {
        m_outcome.failures.push_back(MakeFileOpFailure(path, step, errorCode));
        return JobResult::Failed;
    }

    JobResult RunJob(const FileJob& job) {
        switch (m_plan.operation) {
        case FileOperation::Copy:
            return Copy(job);
        case FileOperation::Delete:
            return Delete(job);
        case FileOperation::Lock: {
            const auto file = FileOfJob(job);
            if (!file || !WriteFileAttributes(*file, kAttrReadOnly | kAttrArchive))
                return Fail(job.source, FileOpStep::Lock, errno);
            return JobResult::Done;
        }
        case FileOperation::Unlock: {
            const auto file = FileOfJob(job);
            if (!file || !ClearReadOnly(*file))
                return Fail(job.source, FileOpStep::Unlock, errno);
            return JobResult::Done;
        }
        }
        return JobResult::Failed;
    }

    JobResult Copy(const FileJob& job) {
        // The folders below the scanned folder are reproduced below the target.
        const size_t slash = job.destination.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : job.destination.substr(0, slash);
        if (!IsDirectory(folder) && !MakeDirectories(folder))
            return Fail(folder, FileOpStep::MakeFolder, errno);
        // What a copy killed half-way left there (a hidden temporary of a process now gone).
        if (m_swept.insert(folder).second)
            RemoveStaleTemporaries(folder);
        CopyControl control;
        control.cancel = m_cancel;
        control.onBytes = [&](uint64_t copied) {
            m_progress.bytesDone = m_bytesBefore + std::min(copied, job.bytes);
            Report();
        };
        const auto source = FileOfJob(job);
        if (!source)
            return Fail(job.source, FileOpStep::Copy, errno);
        if (CopyFileReplacing(*source, job.destination, nullptr, &control))
            return JobResult::Done;
        if (errno == ECANCELED)
            return JobResult::NotDone;
        return Fail(job.destination, FileOpStep::Copy, errno);
    }

    JobResult Delete(const FileJob& job) {
        // Locked (read-only) files are spared.
        auto attributes = ReadFileAttributes(job.source);
        if (!attributes)
            return Fail(job.source, FileOpStep::Delete, errno);
        if (*attributes & kAttrReadOnly)
            return JobResult::SparedLock;
        if (::unlink(job.source.c_str()) != 0)
            return Fail(job.source, FileOpStep::Delete, errno);
        return JobResult::Done;
    }

    // Copies are complete under their names once renamed; this puts them on the device before
    // the operation says it is done.
    void WriteOutCopies() {
        m_progress.finishing = true;
        Report();
        if (!SyncFileSystemOf(m_plan.targetFolder))
            m_outcome.failures.push_back(MakeFileOpFailure(m_plan.targetFolder, FileOpStep::Copy, errno));
    }

    const FileOpPlan& m_plan;
    const FileOpProgressFn& m_progressFn;
    const std::atomic<bool>* m_cancel;
    FileOpOutcome m_outcome;
    FileOpProgress m_progress;
    uint64_t m_bytesBefore = 0;
    std::set<std::string> m_swept;
};

} // namespace

uint64_t FileOpPlan::TotalBytes() const {
    uint64_t total = 0;
    for (const FileJob& job : jobs)
        total += job.bytes;
    return total;
}

size_t FileOpOutcome::Count(JobResult result) const {
    return static_cast<size_t>(std::count(results.begin(), results.end(), result));
}

FileOpFailure MakeFileOpFailure(const std::string& path, FileOpStep step, int errorCode) {
    return {path, std::string(StepText(step)) + ": " + std::strerror(errorCode), step, errorCode};
}

FileOpOutcome RunFileOp(const FileOpPlan& plan, const FileOpProgressFn& progress,
                        const std::atomic<bool>* cancel) {
    return FileOpRun(plan, progress, cancel).Run();
}

bool CRecordingLibrary::MarkTargetGroups() {
    bool any = false;
    for (size_t j = 0; j < m_groups.size(); ++j) {
        bool chosen = m_pGroupList && m_pGroupList->IsRowChosen(static_cast<int>(j));
        m_groups[j].marked = chosen ? 1 : 0;
        any = any || chosen;
    }
    return any;
}

FileJob CRecordingLibrary::JobOf(size_t index) const {
    const RecordingInfo& record = m_records[index];
    FileJob job;
    job.record = static_cast<int>(index);
    job.source = record.GetFullPath();
    job.root = record.rootFolder;
    job.bytes = record.summary.fileSize;
    job.lockFlags = record.lockFlags;
    return job;
}

std::optional<FileOpPlan> CRecordingLibrary::PlanCopy(const std::string& targetFolder) {
    if (!MarkTargetGroups())
        return std::nullopt;
    FileOpPlan plan;
    plan.operation = FileOperation::Copy;
    plan.targetFolder = targetFolder;
    ForEachMarkedIndex([&](size_t index) {
        const RecordingInfo& record = m_records[index];
        FileJob job = JobOf(index);
        job.destination = JoinPath(JoinPath(targetFolder, record.subFolder), record.fileName);
        if (PathExists(job.destination) &&
            (!m_pPrompt || m_pPrompt->AskOverwrite(job.destination) != FileOpPrompt::Answer::Ok)) {
            plan.kept.push_back(job.destination);
            return;
        }
        plan.jobs.push_back(std::move(job));
    });
    return plan;
}

std::optional<FileOpPlan> CRecordingLibrary::PlanDelete() {
    if (!MarkTargetGroups())
        return std::nullopt;
    FileOpPlan plan;
    plan.operation = FileOperation::Delete;
    // Last to first, as the recorder's own tools delete.
    for (auto group = m_groups.rbegin(); group != m_groups.rend(); ++group)
        if (group->marked)
            for (int k = group->recordCount - 1; k >= 0; --k)
                plan.jobs.push_back(JobOf(static_cast<size_t>(group->firstRecord + k)));
    return plan;
}

std::optional<FileOpPlan> CRecordingLibrary::PlanLock(bool lock) {
    if (!MarkTargetGroups())
        return std::nullopt;
    FileOpPlan plan;
    plan.operation = lock ? FileOperation::Lock : FileOperation::Unlock;
    // Locking leaves files with a mark alone; unlocking has only those to do.
    ForEachMarkedIndex([&](size_t index) {
        if ((m_records[index].lockFlags != 0) != lock)
            plan.jobs.push_back(JobOf(index));
    });
    return plan;
}

void CRecordingLibrary::ApplyFileOp(const FileOpPlan& plan, const FileOpOutcome& outcome) {
    std::vector<bool> deleted(m_records.size(), false);
    bool anyDeleted = false;
    for (size_t i = 0; i < plan.jobs.size() && i < outcome.results.size(); ++i) {
        const size_t record = static_cast<size_t>(plan.jobs[i].record);
        if (outcome.results[i] != JobResult::Done || record >= m_records.size())
            continue;
        if (plan.operation == FileOperation::Delete) {
            deleted[record] = true;
            anyDeleted = true;
        } else if (plan.operation == FileOperation::Lock) {
            m_records[record].lockFlags = kManualLock;
        } else if (plan.operation == FileOperation::Unlock) {
            m_records[record].lockFlags = 0;
        }
    }
    if (plan.operation == FileOperation::Delete) {
        if (anyDeleted)
            RemoveRecords(deleted);
    } else if (plan.operation != FileOperation::Copy) {
        RecomputeGroupLocks();
        FillLists();
    }
}

bool CRecordingLibrary::RunMarked(std::optional<FileOpPlan> plan) {
    if (!plan)
        return false;
    FileOpOutcome outcome = RunFileOp(*plan);
    ApplyFileOp(*plan, outcome);
    if (m_pPrompt && !outcome.failures.empty())
        m_pPrompt->ReportFailures(plan->operation, outcome.failures);
    return true;
}

bool CRecordingLibrary::CopyMarked(const std::string& targetFolder) {
    return RunMarked(PlanCopy(targetFolder));
}

bool CRecordingLibrary::DeleteMarked() {
    return RunMarked(PlanDelete());
}

bool CRecordingLibrary::LockMarked() {
    return RunMarked(PlanLock(true));
}

bool CRecordingLibrary::UnlockMarked() {
    return RunMarked(PlanLock(false));
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
