#include "app/DvrDlg.h"

#include "app/UserDialogs.h"
#include "library/CardIncidents.h"
#include "library/views/DvrGroupListCtrl.h"
#include "library/views/IncidentCountDelegate.h"
#include "library/views/IncidentTexts.h"
#include "library/views/IncidentsDlg.h"
#include "settings/SettingsFile.h"
#include "telemetry/JoltFinder.h"
#include "widgets/PlainText.h"
#include "widgets/VideoSlider.h"

#include <QLabel>

#include <unordered_map>

// The main window and the incidents of its card: the search after every scan (a worker at the
// lowest priority, with its cache outside the card), its quiet progress line, the counts in the
// group list, the marks on the seek bar, the list of every incident, and J / Shift+J on into the
// neighbouring recordings.

namespace vemora {

namespace {

// Where a double-click in the list lands: a little before the incident, to see what led to it.
constexpr int64_t kIncidentLeadInMs = 3000;

const QColor kJoltMark(255, 80, 60);
const QColor kHardBrakingMark(255, 205, 0);

QString UiString(int id) {
    return SettingsFile::Instance().LoadUiString(id);
}

} // namespace

void CDvrDlg::CreateIncidentViews() {
    m_pIncidentSearch = new CIncidentSearch(CIncidentSearch::DefaultCacheFile(), this);
    connect(m_pIncidentSearch, &CIncidentSearch::progress, this, &CDvrDlg::OnIncidentProgress);
    connect(m_pIncidentSearch, &CIncidentSearch::finished, this, &CDvrDlg::OnIncidentsFound);

    m_pIncidentNote = new QLabel(this);
    MakePlain(*m_pIncidentNote);
    m_pIncidentNote->setObjectName(QStringLiteral("incidentNote"));
    m_pIncidentNote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pIncidentNote->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pIncidentNote->setStyleSheet(QStringLiteral("QLabel { color: #9a9a9a; }"));
    QFont small = m_pIncidentNote->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_pIncidentNote->setFont(small);
    m_pIncidentNote->hide();

    m_pIncidentCounts = new CIncidentCountDelegate(m_pGroupList);
    m_pGroupList->setItemDelegate(m_pIncidentCounts);
    connect(m_pPlayers.get(), &DualPlayerController::currentRecordingChanged, this,
            &CDvrDlg::ShowIncidentMarks);
}

void CDvrDlg::StopIncidentSearch() {
    m_pIncidentSearch->Cancel();
    m_pIncidentNote->hide();
    m_incidents.clear();
    RefreshIncidentViews();
}

// The recordings as listed now; the worker keeps its own copy.
void CDvrDlg::StartIncidentSearch() {
    m_incidents.clear();
    RefreshIncidentViews();
    if (m_library.Records().empty())
        return;
    m_pIncidentSearch->Start(m_library.Records());
    OnIncidentProgress(0, 0);
}

void CDvrDlg::OnIncidentProgress(int done, int total) {
    QString text = UiString(ids::kIncidentProgress);
    text.replace(QStringLiteral("%1"), QString::number(done));
    text.replace(QStringLiteral("%2"), total > 0 ? QString::number(total) : QStringLiteral("…"));
    m_pIncidentNote->setText(text);
    m_pIncidentNote->setVisible(!m_bFullScreen && m_pIncidentSearch->Running());
    m_pIncidentNote->raise();
}

void CDvrDlg::OnIncidentsFound(const std::vector<ListedIncident>& incidents) {
    m_incidents = incidents;
    m_pIncidentNote->hide();
    RefreshIncidentViews();
}

int CDvrDlg::RecordOfIncidentFile(const std::string& file) const {
    const auto& records = m_library.Records();
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].GetFullPath() == file)
            return static_cast<int>(i);
    return -1;
}

// The incidents of a pair are listed under its leader (the front file, when it is listed).
std::string CDvrDlg::IncidentFileOfRow(int row) const {
    const auto& records = m_library.Records();
    if (row < 0 || row >= static_cast<int>(records.size()))
        return {};
    return records[IncidentLeaderOf(records, static_cast<size_t>(row))].GetFullPath();
}

void CDvrDlg::RefreshIncidentViews() {
    // The scan worker owns the library until it reports back; nothing is listed meanwhile.
    if (LibraryBusy()) {
        m_pIncidentCounts->SetCounts({});
        if (m_pIncidentsDlg)
            m_pIncidentsDlg->SetRows({});
        m_pSeek->SetMarks({});
        return;
    }
    std::unordered_map<std::string, int> recordOf;
    const auto& records = m_library.Records();
    for (size_t i = 0; i < records.size(); ++i)
        recordOf.emplace(records[i].GetFullPath(), static_cast<int>(i));
    std::vector<int> counts(m_library.Groups().size(), 0);
    std::vector<IncidentListRow> rows;
    for (const ListedIncident& c : m_incidents) {
        auto it = recordOf.find(c.file);
        int group = -1;
        if (it != recordOf.end() && it->second < static_cast<int>(m_library.Rows().size()))
            group = m_library.Rows()[static_cast<size_t>(it->second)].groupIndex;
        if (group >= 0 && group < static_cast<int>(counts.size()))
            ++counts[static_cast<size_t>(group)];
        if (group >= 0)
            rows.push_back(IncidentListRow{c, group});
    }
    m_pIncidentCounts->SetCounts(std::move(counts));
    m_pGroupList->viewport()->update();
    if (m_pIncidentsDlg)
        m_pIncidentsDlg->SetRows(std::move(rows));
    ShowIncidentMarks();
}

void CDvrDlg::RetextIncidentViews() {
    if (m_pIncidentsDlg)
        m_pIncidentsDlg->Retext();
}

void CDvrDlg::ShowIncidentMarks() {
    std::vector<SeekMark> marks;
    const int row = LibraryBusy() ? -1 : m_library.CurrentRow();
    if (row >= 0 && row < static_cast<int>(m_library.Records().size())) {
        const std::string file = IncidentFileOfRow(row);
        const double length = m_library.Records()[static_cast<size_t>(row)].summary.durationMs;
        for (const ListedIncident& c : m_incidents)
            if (c.file == file && length > 0)
                marks.push_back(
                    SeekMark{static_cast<double>(c.incident.timeMs) / length,
                             c.incident.kind == IncidentKind::Jolt ? kJoltMark : kHardBrakingMark});
    }
    m_pSeek->SetMarks(std::move(marks));
}

CIncidentsDlg* CDvrDlg::OnIncidents() {
    if (!m_pIncidentsDlg) {
        auto chooser = [this](const QString& caption, const QString& suggested) {
            return m_pDialogs->ChooseSavePath(m_pIncidentsDlg, caption, suggested,
                                              QStringLiteral("CSV (*.csv)"));
        };
        m_pIncidentsDlg = new CIncidentsDlg(UiString, chooser, this);
        m_pIncidentsDlg->SetExportFolder(ExportFolder());
        connect(m_pIncidentsDlg, &CIncidentsDlg::playIncident, this, &CDvrDlg::PlayIncident);
        connect(m_pIncidentsDlg, &CIncidentsDlg::reportIncident, this,
                [this](const QString& file, qint64 timeMs) {
                    if (LibraryBusy())
                        return;
                    const int record = RecordOfIncidentFile(file.toStdString());
                    if (record >= 0)
                        ReportIncidentAt(record, timeMs);
                });
        connect(m_pIncidentsDlg, &CIncidentsDlg::exportFailed, this, [this](const QString& text) {
            m_pDialogs->MessageBox(m_pIncidentsDlg, text, UiString(ids::kIncidentsCaption), UserDialogs::Ok);
        });
        RefreshIncidentViews();
    }
    m_pIncidentsDlg->show();
    m_pIncidentsDlg->raise();
    m_pIncidentsDlg->activateWindow();
    return m_pIncidentsDlg;
}

void CDvrDlg::PlayIncident(const QString& file, qint64 timeMs) {
    if (!m_opening.Accepts(OpeningRequest::PlayRecording, !m_library.Records().empty()))
        return;
    const int record = RecordOfIncidentFile(file.toStdString());
    if (record < 0)
        return;
    m_pPlayers->StopBoth();
    if (!m_library.SelectRecording(record))
        return;
    UpdateLockButton();
    m_opening.OpeningStarted();
    m_pPlayers->PlayRecordingFrom(record, std::max<int64_t>(0, timeMs - kIncidentLeadInMs));
}

bool CDvrDlg::JumpToJoltInOtherRecording(int direction) {
    if (!m_opening.Accepts(OpeningRequest::PlayRecording, !m_library.Records().empty()) ||
        m_incidents.empty())
        return false;
    const int current = m_library.CurrentRow();
    const std::string currentFile = current >= 0 ? IncidentFileOfRow(current) : std::string();
    const int currentRecord = currentFile.empty() ? -1 : RecordOfIncidentFile(currentFile);
    // The jolts of the card are in record order: the first one past the playing recording, or
    // the last one before it.
    const ListedIncident* target = nullptr;
    int targetRecord = -1;
    for (const ListedIncident& c : m_incidents) {
        if (c.incident.kind != IncidentKind::Jolt)
            continue;
        const int record = RecordOfIncidentFile(c.file);
        if (record < 0)
            continue;
        if (direction > 0 && record > currentRecord) {
            target = &c;
            targetRecord = record;
            break;
        }
        if (direction < 0 && record < currentRecord && currentRecord >= 0) {
            target = &c;
            targetRecord = record;
        }
    }
    if (!target)
        return false;
    m_pPlayers->StopBoth();
    if (!m_library.SelectRecording(targetRecord))
        return false;
    UpdateLockButton();
    m_opening.OpeningStarted();
    m_pPlayers->PlayRecordingFrom(targetRecord, JoltJumpTarget(target->incident.timeMs));
    return true;
}

} // namespace vemora
