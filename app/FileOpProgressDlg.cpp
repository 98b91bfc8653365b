#include "app/FileOpProgressDlg.h"

#include "app/FileOpDialogs.h"
#include "settings/SettingsFile.h"
#include "widgets/PlainText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vemora {
namespace {

constexpr int kShowAfterMs = 400;
constexpr int kRefreshMs = 200;
// Speed and time left are guesses until the work has run this long.
constexpr qint64 kSpeedSettledMs = 1000;
constexpr int kCurrentFileWidth = 460;

QString Text(int id) {
    return SettingsFile::Instance().LoadUiString(id);
}

} // namespace

QString FileOpProgressDlg::Caption(FileOperation operation) {
    return Text(fileop_text::kCaptionCopy + static_cast<int>(operation) -
                static_cast<int>(FileOperation::Copy));
}

FileOpProgressDlg* FileOpProgressDlg::Start(QWidget* parent, FileOpPlan plan, Finished finished) {
    auto* dialog = new FileOpProgressDlg(parent, std::move(plan), std::move(finished));
    dialog->m_clock.start();
    dialog->m_worker = std::thread([dialog] {
        FileOpOutcome outcome = RunFileOp(
            dialog->m_plan,
            [dialog](const FileOpProgress& progress) {
                std::lock_guard lock(dialog->m_mutex);
                dialog->m_progress = progress;
            },
            &dialog->m_cancel);
        {
            std::lock_guard lock(dialog->m_mutex);
            dialog->m_outcome = std::move(outcome);
        }
        QMetaObject::invokeMethod(dialog, &FileOpProgressDlg::OnWorkDone, Qt::QueuedConnection);
    });
    dialog->m_showTimer.start();
    dialog->m_refreshTimer.start();
    return dialog;
}

FileOpProgressDlg::FileOpProgressDlg(QWidget* parent, FileOpPlan plan, Finished finished)
    : QDialog(parent), m_plan(std::move(plan)), m_finished(std::move(finished)) {
    setWindowModality(Qt::WindowModal);
    setWindowTitle(Caption(m_plan.operation));
    m_progress.filesTotal = m_plan.jobs.size();
    m_progress.bytesTotal = m_plan.TotalBytes();
    BuildControls();
    Refresh();
    m_showTimer.setSingleShot(true);
    m_showTimer.setInterval(kShowAfterMs);
    connect(&m_showTimer, &QTimer::timeout, this, [this] { show(); });
    m_refreshTimer.setInterval(kRefreshMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &FileOpProgressDlg::Refresh);
}

FileOpProgressDlg::~FileOpProgressDlg() {
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void FileOpProgressDlg::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    m_pFiles = new QLabel(this);
    m_pCurrent = new QLabel(this);
    MakePlain(*m_pFiles);
    MakePlain(*m_pCurrent);
    m_pCurrent->setMinimumWidth(kCurrentFileWidth);
    m_pBar = new QProgressBar(this);
    m_pBar->setRange(0, 1000);
    m_pBytes = new QLabel(this);
    MakePlain(*m_pBytes);
    m_pCancel = new QPushButton(Text(fileop_text::kCancel), this);
    // Enter meant for the folder dialog before must not cancel the work it started.
    m_pCancel->setAutoDefault(false);
    connect(m_pCancel, &QPushButton::clicked, this, &FileOpProgressDlg::RequestCancel);
    layout->addWidget(m_pFiles);
    layout->addWidget(m_pCurrent);
    layout->addWidget(m_pBar);
    layout->addWidget(m_pBytes);
    layout->addWidget(m_pCancel, 0, Qt::AlignRight);
}

void FileOpProgressDlg::RequestCancel() {
    m_cancel = true;
    m_pCancel->setEnabled(false);
}

void FileOpProgressDlg::reject() {
    RequestCancel();
}

void FileOpProgressDlg::Refresh() {
    FileOpProgress progress;
    {
        std::lock_guard lock(m_mutex);
        progress = m_progress;
    }
    m_pFiles->setText(Text(fileop_text::kFilesOfTotal).arg(progress.filesDone).arg(progress.filesTotal));
    const QString current =
        progress.finishing ? Text(fileop_text::kWritingOut) : QString::fromStdString(progress.currentFile);
    m_pCurrent->setText(m_pCurrent->fontMetrics().elidedText(current, Qt::ElideMiddle, kCurrentFileWidth));
    m_strCurrentFile = current;
    m_pCurrent->setToolTip(PlainToolTip(current));
    // Files without bytes (delete, lock) advance the bar by count.
    const double fraction = progress.bytesTotal > 0 ? double(progress.bytesDone) / double(progress.bytesTotal)
                            : progress.filesTotal > 0
                                ? double(progress.filesDone) / double(progress.filesTotal)
                                : 1.0;
    m_pBar->setValue(static_cast<int>(fraction * m_pBar->maximum()));
    const qint64 elapsedMs = m_clock.elapsed();
    QString speed = QStringLiteral("–"), left = QStringLiteral("–");
    if (elapsedMs >= kSpeedSettledMs && progress.bytesDone > 0) {
        const double bytesPerSecond = double(progress.bytesDone) * 1000.0 / double(elapsedMs);
        speed = DataSizeText(static_cast<uint64_t>(bytesPerSecond));
        left = DurationText(
            static_cast<int64_t>(double(progress.bytesTotal - progress.bytesDone) / bytesPerSecond));
    }
    m_pBytes->setText(
        Text(fileop_text::kBytesSpeedLeft)
            .arg(DataSizeText(progress.bytesDone), DataSizeText(progress.bytesTotal), speed, left));
}

QString FileOpProgressDlg::FilesText() const {
    return m_pFiles->text();
}

QString FileOpProgressDlg::BytesText() const {
    return m_pBytes->text();
}

QString FileOpProgressDlg::CurrentFileText() const {
    return m_strCurrentFile;
}

void FileOpProgressDlg::OnWorkDone() {
    m_worker.join();
    m_refreshTimer.stop();
    m_showTimer.stop();
    Refresh();
    hide();
    FileOpOutcome outcome;
    {
        std::lock_guard lock(m_mutex);
        outcome = std::move(m_outcome);
    }
    if (m_finished)
        m_finished(m_plan, outcome);
    deleteLater();
}

} // namespace vemora
