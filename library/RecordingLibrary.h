#pragma once
// The recording library: the sorted recordings of one source, cut into groups of continuous
// driving, the tables behind the two list views, the current recording and the file operations
// on the groups the user chose.

#include "library/ContainerReader.h"
#include "library/FileOpPrompt.h"
#include "library/FolderWalker.h"
#include "library/ListSink.h"
#include "library/RecordingFileOps.h"
#include "library/RecordingInfo.h"
#include "telemetry/TelemetryModel.h"
#include "telemetry/TrackSource.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vemora {

struct RecordingGroup {
    int32_t groupIndex = 0;  // counted from 0 in list order
    int32_t firstRecord = 0; // index in the records of the group's first recording
    int32_t recordCount = 0;
    int64_t durationMs = 0; // the larger of the summed lengths of its front files and its others
    int64_t totalSize = 0;  // bytes
    uint8_t lockFlags = 0;  // OR of its recordings' lock flags
    int32_t marked = 0;     // 1 while the group is a target of the running file operation
};

struct RecordingRow {
    int32_t groupIndex = 0;
    int32_t indexInGroup = 0;
    int32_t recordIndex = 0;
    int64_t fileSize = 0;
    int64_t durationMs = 0;
};

// Result of adding one named file as the whole source.
enum class AddResult { Added, NotFound, Rejected };

class CRecordingLibrary : public TrackSource {
public:
    CRecordingLibrary();
    CRecordingLibrary(const CRecordingLibrary&) = delete;
    CRecordingLibrary& operator=(const CRecordingLibrary&) = delete;

    // --- Wiring (not owned; any may be null) ---------------------------------------------------
    // Attaching makes the views' columns.
    void AttachViews(GroupListSink* groupList, ListSink* fileList);
    void SetPrompt(FileOpPrompt* prompt) { m_pPrompt = prompt; }
    // Replaces the container readers (tests); the default reads MP4/MOV and AVI files.
    void SetContainerReader(ContainerReader reader) { m_reader = std::move(reader); }
    // Called by ClearLibrary; the track feeder empties the G-sensor curve with it.
    void SetClearedCallback(std::function<void()> callback) override { m_onCleared = std::move(callback); }

    // --- Scan --------------------------------------------------------------------------------
    // Rebuilds the recordings from a folder tree (empty fileName) or from one file of a folder,
    // sorts them and marks the group starts. False when the folder or file does not exist, or the
    // scan was cancelled; the library is then empty. Never touches the views, so it may run on a
    // worker thread while nothing else uses the library; afterwards call BuildTables on the
    // views' thread.
    bool ScanSource(const std::string& folder, const std::string& fileName);
    // May be called from any thread: the running scan, or the next one, ends at its next read
    // (also inside a file) and leaves the library empty. Scans keep ending so until ClearLibrary.
    void RequestScanCancel() { m_bCancelScan.store(true); }
    // True while ScanSource runs (on whatever thread): the recordings are being rebuilt, and
    // nothing else may read them until it returns.
    bool Scanning() const { return m_bScanning.load(); }

    // Forgets all recordings, empties the track and both views, has the owner empty the G-sensor
    // curve and withdraws a scan cancel request. Views' thread only; the desktop program calls it
    // before it starts the scan worker.
    void ClearLibrary();

    // Depth-first walk below root; see FolderWalker.h.
    static WalkResult WalkFolderTree(const std::string& root, const WalkCallback& callback,
                                     const std::atomic<bool>* cancel = nullptr) {
        return vemora::WalkFolderTree(root, callback, cancel);
    }
    // Walker callback of a folder scan: keeps MP4/MOV files with recorder names that the reader
    // accepts; those it turns down go to Rejected().
    void AddScannedFile(const WalkEntry& entry);
    // A source that is one file: no name test, AVI accepted. A file the reader turns down goes to
    // Rejected().
    AddResult AddSingleFile(const std::string& folder, const std::string& fileName);
    // Earlier start first; at equal start times the smaller file name.
    static bool CompareRecordings(const RecordingInfo& a, const RecordingInfo& b);

    // Marks group starts, then BuildTables. Views' thread only.
    void BuildGroups();
    // Rebuilds groups and rows from the marked starts and fills both views. Views' thread only.
    void BuildTables();
    // Deletes all rows of both views and adds them again from the tables.
    void FillLists();
    // Retitles the columns of both views after a language change.
    void UpdateColumnTitles();

    // --- Current recording ---------------------------------------------------------------------
    bool SelectRecording(int row);
    int FindGroupOfCurrentRow();
    std::string GetRecordingPath(int index) const;
    std::string GetCurrentPath() const;

    // --- File operations on the chosen groups ----------------------------------------------------
    // Each returns false, doing nothing, when no group row is selected or checked. Failures of
    // single files are handed to the prompt's ReportFailures once at the end.
    // Sets every group's `marked` from the group list's chosen rows; true when any is marked.
    bool MarkTargetGroups();
    // Copies the marked groups' files below targetFolder, reproducing their folders below the
    // scanned folder. An existing file is replaced only when the prompt answers Ok (kept when there
    // is no prompt); a copy is complete or absent, never truncated under its final name.
    bool CopyMarked(const std::string& targetFolder);
    // Deletes the marked groups' files that are not read-only, then regroups and refills the
    // lists. The current recording stays current at its new row; deleting it leaves none.
    bool DeleteMarked();
    // Makes every unmarked file of the marked groups read-only (with archive): manual lock.
    bool LockMarked();
    // Clears the read-only attribute of every locked file of the marked groups.
    bool UnlockMarked();
    // True when the current recording's group holds a file with a lock mark.
    bool CurrentGroupHasLock();

    // The same operations in three steps, so that the file work can run on a worker while the
    // lists stay usable: a plan (nullopt when no group is chosen; a copy asks its overwrite
    // questions here), RunFileOp on the plan, then ApplyFileOp with its outcome. Between plan
    // and apply the recordings must not change (no scan, no other operation).
    std::optional<FileOpPlan> PlanCopy(const std::string& targetFolder);
    std::optional<FileOpPlan> PlanDelete();
    // Lock (true) or unlock (false) the chosen groups.
    std::optional<FileOpPlan> PlanLock(bool lock);
    // Regroups after deletions, takes new lock marks into rows and group rows.
    void ApplyFileOp(const FileOpPlan& plan, const FileOpOutcome& outcome);

    // --- State -------------------------------------------------------------------------------
    const std::vector<RecordingInfo>& Records() const { return m_records; }
    const std::vector<RecordingGroup>& Groups() const { return m_groups; }
    const std::vector<RecordingRow>& Rows() const { return m_rows; }
    // Files of the last scan whose names are recorder names but which the readers turned down,
    // in path order. Kept apart from the recordings: they are in no list, group or row.
    const std::vector<RejectedFile>& Rejected() const { return m_rejected; }
    // Folders of the last folder scan that could not be read (no permission, a card pulled out
    // during the scan): the list may lack their recordings.
    int UnreadableFolders() const { return m_nUnreadableFolders; }
    int CurrentRow() const override { return m_nCurrentRow; }
    int CurrentGroup() const { return m_nCurrentGroup; }
    TelemetryTrack& Track() override { return m_track; }
    const TelemetryTrack& Track() const { return m_track; }

    // --- What the track feeder reads (TrackSource) ---------------------------------------------
    size_t RecordingCount() const override { return m_records.size(); }
    const ContainerSummary* RecordingSummary(int row) const override;
    std::string RecordingPath(int row) const override { return GetRecordingPath(row); }
    // The row whose track is loaded; the views' highlight is SelectRecording's.
    void SetCurrentRow(int row) override { m_nCurrentRow = row; }

    // The texts of one row as the views show them.
    ListRow GroupListRow(const RecordingGroup& group) const;
    ListRow FileListRow(const RecordingRow& row) const;

private:
    void ClearRecords(); // records, tables and current row; the track stays until ClearLibrary
    void MarkGroupStarts();
    void ClearViews();
    void ShowCurrentRows();
    void RecomputeGroupLocks();
    FileJob JobOf(size_t index) const;
    // Plan, run and apply on this thread; the prompt hears of failures.
    bool RunMarked(std::optional<FileOpPlan> plan);
    // Runs fn on the index of every recording of the marked groups, in list order.
    template <typename Fn> void ForEachMarkedIndex(Fn&& fn) {
        for (const RecordingGroup& group : m_groups)
            if (group.marked)
                for (int k = 0; k < group.recordCount; ++k)
                    fn(static_cast<size_t>(group.firstRecord + k));
    }
    void RemoveRecords(const std::vector<bool>& remove);

    std::vector<RecordingInfo> m_records;
    std::vector<RecordingGroup> m_groups;
    std::vector<RecordingRow> m_rows;
    std::vector<RejectedFile> m_rejected;
    TelemetryTrack m_track;

    GroupListSink* m_pGroupList = nullptr;
    ListSink* m_pFileList = nullptr;
    FileOpPrompt* m_pPrompt = nullptr;
    std::function<void()> m_onCleared;
    ContainerReader m_reader;

    int m_nCurrentRow = -1;
    int m_nCurrentGroup = -1;
    int m_nUnreadableFolders = 0;
    std::atomic<bool> m_bCancelScan{false};
    std::atomic<bool> m_bScanning{false};
};

} // namespace vemora
