// The main window's part of the incident report: where the moment is (the position, the middle
// of the I and O marks, or an incident of the list), the dialog and the worker that makes the pack.
#include "app/ClipRange.h"
#include "app/DvrDlg.h"
#include "app/IncidentReportDlg.h"
#include "app/IncidentReportJob.h"
#include "app/ReportDlgTexts.h"
#include "app/UserDialogs.h"
#include "media/ClipPlan.h"
#include "platform/Version.h"
#include "playback/DualPlayerController.h"
#include "report/IncidentPack.h"
#include "settings/SettingsFile.h"
#include "widgets/SpeedLabel.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vemora {

namespace {

QString UiString(int id) {
    return SettingsFile::Instance().LoadUiString(id);
}

// The proposed folder: the moment's date and time and the recording's name, numbered when a pack
// of the same moment is already there.
QString ProposedFolder(const RecordingInfo& record, double atMs) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString base =
        QString::fromStdString(report::DefaultPackFolder(documents.toStdString(), record, atMs));
    QString folder = base;
    for (int n = 2; QFileInfo::exists(folder) && !QDir(folder).isEmpty(); ++n)
        folder = base + QStringLiteral("_%1").arg(n);
    return folder;
}

// The recording of records[row]'s drive that holds ms (from records[row]'s start), and the time
// in it.
std::pair<int, int64_t> PlaceOnDrive(const std::vector<RecordingInfo>& records, int row, double ms) {
    for (size_t k : media::DriveFrom(records, static_cast<size_t>(row))) {
        const double length = records[k].summary.durationMs;
        if (ms <= length)
            return {static_cast<int>(k), static_cast<int64_t>(std::max(0.0, ms))};
        ms -= length;
    }
    return {row, static_cast<int64_t>(ms)};
}

} // namespace

void CDvrDlg::OnIncidentReport() {
    const std::vector<RecordingInfo>& records = m_library.Records();
    const int row = m_library.CurrentRow();
    if (LibraryBusy() || row < 0 || records.empty()) {
        m_pDialogs->MessageBox(this, UiString(reportdlgtext::kNoRecording), UiString(reportdlgtext::kTitle),
                               UserDialogs::Ok);
        return;
    }
    const int64_t now = std::max<int64_t>(0, m_pPlayers->CurrentTime());
    // With both marks set the report is about the middle of the marked range.
    if (m_clipMarks.in.IsSet() && m_clipMarks.out.IsSet()) {
        const ClipRangeChoice range = ChooseClipRange(records, m_clipMarks, row, now);
        if (range.ok) {
            auto [record, ms] = PlaceOnDrive(records, range.row, (range.fromMs + range.toMs) / 2);
            ReportIncidentAt(record, ms);
            return;
        }
    }
    ReportIncidentAt(row, now);
}

void CDvrDlg::ReportIncidentAt(int record, int64_t ms) {
    if (m_pReportJob && m_pReportJob->Running()) {
        m_pDialogs->MessageBox(this, UiString(reportdlgtext::kBusy), UiString(reportdlgtext::kTitle),
                               UserDialogs::Ok);
        return;
    }
    const std::vector<RecordingInfo>& records = m_library.Records();
    if (record < 0 || record >= static_cast<int>(records.size()))
        return;
    const RecordingInfo& info = records[static_cast<size_t>(record)];
    ReportDialogValues values;
    values.recordingName = QString::fromStdString(info.fileName);
    values.atMs = std::min<double>(static_cast<double>(ms), info.summary.durationMs);
    values.folder = ProposedFolder(info, values.atMs);
    auto acceptFolder = [this](const QString& folder) {
        QString problem;
        if (ClipPathOnCard(folder + QStringLiteral("/x")))
            problem = UiString(reportdlgtext::kNotOnCard);
        else if (QFileInfo::exists(folder) && (!QFileInfo(folder).isDir() || !QDir(folder).isEmpty()))
            problem = UiString(reportdlgtext::kFolderInUse);
        if (problem.isEmpty())
            return true;
        m_pDialogs->MessageBox(this, problem, UiString(reportdlgtext::kTitle), UserDialogs::Ok);
        return false;
    };
    CIncidentReportDlg dialog(values, UiString, acceptFolder, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    values = dialog.Values();

    report::PackRequest request;
    request.records = records;
    request.index = static_cast<size_t>(record);
    request.atMs = values.atMs;
    request.beforeMs = values.beforeMs;
    request.afterMs = values.afterMs;
    request.mph = !m_pSpeed->Metric();
    request.mirrorRear = m_pPlayers->Flipped();
    request.program = std::string("Vemora Viewer ") + kVersion;
    request.outFolder = values.folder.toStdString();
    QDir().mkpath(QFileInfo(values.folder).absolutePath());
    if (!m_pReportJob)
        m_pReportJob = new CIncidentReportJob(UiString, this);
    m_pReportJob->Start(std::move(request));
}

} // namespace vemora
