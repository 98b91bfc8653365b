#include "library/RecordingLibrary.h"

#include "library/ListTexts.h"
#include "library/RecordingNaming.h"

#include <algorithm>

namespace vemora {

// The scan's reader stops inside a file as soon as the scan is cancelled: one file of millions of
// tiny boxes must not hold a closing window.
CRecordingLibrary::CRecordingLibrary()
    : m_reader([this](const std::string& path, ContainerKind kind, ContainerSummary& summary) {
          return ReadContainer(path, kind, summary, nullptr, &m_bCancelScan);
      }) {}

void CRecordingLibrary::AttachViews(GroupListSink* groupList, ListSink* fileList) {
    m_pGroupList = groupList;
    m_pFileList = fileList;
    if (m_pGroupList)
        m_pGroupList->SetColumns(kGroupColumns);
    if (m_pFileList)
        m_pFileList->SetColumns(kRecordingColumns);
}

void CRecordingLibrary::UpdateColumnTitles() {
    if (m_pGroupList)
        m_pGroupList->RetitleColumns();
    if (m_pFileList)
        m_pFileList->RetitleColumns();
}

void CRecordingLibrary::ClearRecords() {
    m_records.clear();
    m_rejected.clear();
    m_nUnreadableFolders = 0;
    m_groups.clear();
    m_rows.clear();
    m_nCurrentRow = -1;
    m_nCurrentGroup = -1;
}

void CRecordingLibrary::ClearViews() {
    if (m_pGroupList)
        m_pGroupList->ClearRows();
    if (m_pFileList)
        m_pFileList->ClearRows();
}

void CRecordingLibrary::ClearLibrary() {
    ClearRecords();
    m_track.points.clear();
    m_track.samples.clear();
    m_bCancelScan.store(false);
    ClearViews();
    if (m_onCleared)
        m_onCleared();
}

void CRecordingLibrary::BuildGroups() {
    MarkGroupStarts();
    BuildTables();
}

void CRecordingLibrary::BuildTables() {
    m_groups.clear();
    m_rows.clear();
    m_rows.reserve(m_records.size());
    RecordingGroup group;
    bool open = false;
    int64_t frontMs = 0;
    int64_t otherMs = 0;
    for (size_t i = 0; i < m_records.size(); ++i) {
        const RecordingInfo& record = m_records[i];
        if (record.startsGroup == 1 || !open) {
            if (open)
                m_groups.push_back(group);
            group = RecordingGroup{};
            group.groupIndex = static_cast<int32_t>(m_groups.size());
            group.firstRecord = static_cast<int32_t>(i);
            open = true;
            frontMs = otherMs = 0;
        }
        const int64_t durationMs = record.summary.durationMs;
        const int64_t fileSize = static_cast<int64_t>(record.summary.fileSize);
        m_rows.push_back(
            {group.groupIndex, group.recordCount, static_cast<int32_t>(i), fileSize, durationMs});
        ++group.recordCount;
        group.totalSize += fileSize;
        (IsFrontFile(record.fileName) ? frontMs : otherMs) += durationMs;
        group.durationMs = std::max(frontMs, otherMs);
        group.lockFlags |= record.lockFlags;
    }
    if (open)
        m_groups.push_back(group);
    FindGroupOfCurrentRow();
    FillLists();
}

ListRow CRecordingLibrary::GroupListRow(const RecordingGroup& group) const {
    const RecordingInfo& first = m_records[group.firstRecord];
    return ListRow{{GroupIdText(group.groupIndex), ResolutionName(first.summary.width, first.summary.height),
                    FormatLocalTime(first.summary.startTime, kGroupStartFormat), LengthText(group.durationMs),
                    SizeText(group.totalSize)},
                   group.lockFlags};
}

ListRow CRecordingLibrary::FileListRow(const RecordingRow& row) const {
    const RecordingInfo& record = m_records[row.recordIndex];
    const int64_t start = record.summary.startTime;
    return ListRow{{RecordingIdText(row.groupIndex, row.indexInGroup), record.fileName,
                    FormatLocalTime(start, kRecordingTimeFormat),
                    FormatLocalTime(EndTimeOf(start, record.summary.durationMs), kRecordingTimeFormat),
                    SizeText(row.fileSize), record.FolderText()},
                   record.lockFlags};
}

void CRecordingLibrary::FillLists() {
    ClearViews();
    if (m_pGroupList) {
        std::vector<ListRow> rows;
        rows.reserve(m_groups.size());
        for (const RecordingGroup& group : m_groups)
            rows.push_back(GroupListRow(group));
        m_pGroupList->AppendRows(std::move(rows));
    }
    if (m_pFileList) {
        std::vector<ListRow> rows;
        rows.reserve(m_rows.size());
        for (const RecordingRow& row : m_rows)
            rows.push_back(FileListRow(row));
        m_pFileList->AppendRows(std::move(rows));
    }
    // Refilling drops the views' highlight; the current recording stays current.
    ShowCurrentRows();
}

void CRecordingLibrary::ShowCurrentRows() {
    if (m_nCurrentRow < 0 || m_nCurrentRow >= static_cast<int>(m_rows.size()))
        return;
    if (m_pGroupList)
        m_pGroupList->SetCurrentRow(m_nCurrentGroup);
    if (m_pFileList)
        m_pFileList->SetCurrentRow(m_nCurrentRow);
}

bool CRecordingLibrary::SelectRecording(int row) {
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return false;
    m_nCurrentRow = row;
    FindGroupOfCurrentRow();
    ShowCurrentRows();
    return true;
}

int CRecordingLibrary::FindGroupOfCurrentRow() {
    m_nCurrentGroup = -1;
    if (m_nCurrentRow == -1 || m_groups.empty())
        return -1;
    for (const RecordingGroup& group : m_groups) {
        if (m_nCurrentRow < group.firstRecord + group.recordCount) {
            m_nCurrentGroup = group.groupIndex;
            break;
        }
    }
    return m_nCurrentGroup;
}

std::string CRecordingLibrary::GetRecordingPath(int index) const {
    if (index < 0 || index >= static_cast<int>(m_records.size()))
        return {};
    return m_records[index].GetFullPath();
}

const ContainerSummary* CRecordingLibrary::RecordingSummary(int row) const {
    if (row < 0 || row >= static_cast<int>(m_records.size()))
        return nullptr;
    return &m_records[static_cast<size_t>(row)].summary;
}

std::string CRecordingLibrary::GetCurrentPath() const {
    if (m_nCurrentRow < 0 || m_nCurrentRow >= static_cast<int>(m_rows.size()))
        return {};
    return GetRecordingPath(m_rows[m_nCurrentRow].recordIndex);
}

} // namespace vemora
