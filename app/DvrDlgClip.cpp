// The main window's part of the clip export: the I and O marks on the seek bar, the dialog and
// the worker that writes the clip.
#include "app/ClipExportDlg.h"
#include "app/ClipExportJob.h"
#include "app/ClipTexts.h"
#include "app/DvrDlg.h"
#include "app/UserDialogs.h"
#include "library/CopyTarget.h"
#include "library/RecordingNaming.h"
#include "media/ClipEstimate.h"
#include "media/ClipFileName.h"
#include "media/ClipPlan.h"
#include "playback/transport/SeekScale.h"
#include "settings/SettingsFile.h"
#include "widgets/SeekBarValues.h"
#include "widgets/SpeedLabel.h"
#include "widgets/VideoSlider.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>

namespace vemora {

namespace {

QString UiString(int id) {
    return SettingsFile::Instance().LoadUiString(id);
}

// "15" for whole seconds, "15.5" otherwise: the range in the clip's file name.
// Seconds as the dialog's boxes show them (hundredths), without trailing zeros: "1.65", "5.4", "12".
QString SecondsText(double ms) {
    QString text = QString::number(std::round(ms / 10.0) / 100.0, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString ClipsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
           QStringLiteral("/Vemora Viewer/Clips");
}

// The nearest folder of path that exists, resolved: the clip's folder may not exist yet.
QString ExistingFolderOf(const QString& path) {
    QFileInfo info(QFileInfo(path).absolutePath());
    while (!info.exists() && !info.isRoot())
        info = QFileInfo(info.absolutePath());
    return info.canonicalFilePath();
}

} // namespace

void CDvrDlg::OnMarkClipIn() {
    if (m_library.CurrentRow() < 0)
        return;
    m_clipMarks.in = {m_library.GetCurrentPath(), std::max<int64_t>(0, m_pPlayers->CurrentTime())};
    ShowClipMarks();
}

void CDvrDlg::OnMarkClipOut() {
    if (m_library.CurrentRow() < 0)
        return;
    m_clipMarks.out = {m_library.GetCurrentPath(), std::max<int64_t>(0, m_pPlayers->CurrentTime())};
    ShowClipMarks();
}

void CDvrDlg::ShowClipMarks() {
    if (!m_pSeek)
        return;
    const int row = m_library.CurrentRow();
    ClipMarksOnBar bar = MarksOnRecording(m_library.Records(), m_clipMarks, row);
    int64_t length = row >= 0 ? m_library.Records()[static_cast<size_t>(row)].summary.durationMs : 0;
    SeekScale scale{SeekLeadIn.load(), SeekSpan.load()};
    auto position = [&](int64_t ms) {
        return ms < 0 ? -1 : SeekBarPosition(std::min(ms, length), length, scale);
    };
    m_pSeek->SetClipMarks(position(bar.inMs), position(bar.outMs), bar.inBefore, bar.outAfter);
}

// A clip is never written to the card being viewed, nor into the folders being viewed.
bool CDvrDlg::ClipPathOnCard(const QString& path) const {
    const QString folder = ExistingFolderOf(path);
    return !folder.isEmpty() && CheckCopyTarget(ScannedRoots(m_library.Records()), folder.toStdString()) !=
                                    CopyTargetProblem::None;
}

void CDvrDlg::OnExportClip() {
    if (m_pClipJob && m_pClipJob->Running()) {
        m_pDialogs->MessageBox(this, UiString(cliptext::kBusy), UiString(cliptext::kTitle), UserDialogs::Ok);
        return;
    }
    const std::vector<RecordingInfo>& records = m_library.Records();
    const int row = m_library.CurrentRow();
    if (row < 0 || records.empty()) {
        m_pDialogs->MessageBox(this, UiString(cliptext::kNoRecording), UiString(cliptext::kTitle),
                               UserDialogs::Ok);
        return;
    }
    ClipRangeChoice range =
        ChooseClipRange(records, m_clipMarks, row, std::max<int64_t>(0, m_pPlayers->CurrentTime()));
    if (!range.ok) {
        m_pDialogs->MessageBox(this, UiString(cliptext::kMarksApart), UiString(cliptext::kTitle),
                               UserDialogs::Ok);
        return;
    }
    const RecordingInfo& first = records[static_cast<size_t>(range.row)];
    ClipDialogValues values;
    values.recordingName = QString::fromStdString(first.fileName);
    values.fromMs = range.fromMs;
    values.toMs = range.toMs;
    values.maxMs = media::DriveLengthMs(records, static_cast<size_t>(range.row));
    // An earlier clip of the same range keeps its name: the proposal takes a numbered one.
    values.outPath = QString::fromStdString(media::FreeClipPath(
        (ClipsFolder() + QLatin1Char('/') + QFileInfo(values.recordingName).completeBaseName() +
         QLatin1Char('_') + SecondsText(range.fromMs) + QLatin1Char('-') + SecondsText(range.toMs) +
         QStringLiteral(".mp4"))
            .toStdString()));
    values.sources = media::ReadClipSources(
        media::PlanClip(records, static_cast<size_t>(range.row), range.fromMs, range.toMs));
    auto acceptPath = [this](const QString& path) {
        if (!ClipPathOnCard(path))
            return true;
        m_pDialogs->MessageBox(this, UiString(cliptext::kNotOnCard), UiString(cliptext::kTitle),
                               UserDialogs::Ok);
        return false;
    };
    CClipExportDlg dialog(values, UiString, acceptPath, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    values = dialog.Values();

    media::ClipPlan plan =
        media::PlanClip(records, static_cast<size_t>(range.row), values.fromMs, values.toMs);
    if (!plan.ok) {
        m_pDialogs->MessageBox(this, UiString(cliptext::kFailed).arg(QString::fromStdString(plan.error)),
                               UiString(cliptext::kTitle), UserDialogs::Ok);
        return;
    }
    QDir().mkpath(QFileInfo(values.outPath).absolutePath());
    media::ClipOptions options;
    options.layout = values.layout;
    options.band = values.band;
    options.size = values.size;
    options.quality = values.quality;
    options.mirrorRear = m_pPlayers->Flipped();
    options.mph = !m_pSpeed->Metric();
    options.outPath = values.outPath.toStdString();
    if (!m_pClipJob)
        m_pClipJob = new CClipExportJob(UiString, this);
    m_pClipJob->Start(std::move(plan), std::move(options));
}

} // namespace vemora
