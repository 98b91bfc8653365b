#include "app/ClipExportJob.h"

#include "app/ClipTexts.h"
#include "widgets/PlainText.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace vemora {

namespace {

constexpr int kProgressSteps = 1000;

// The export yields to the players: they must not stutter while it runs. Linux keeps the
// niceness per thread, and the encoder's own threads inherit it.
void LowerThisThreadsPriority() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
}

} // namespace

CClipExportJob::CClipExportJob(std::function<QString(int)> uiString, QWidget* window)
    : QObject(window), m_uiString(std::move(uiString)), m_window(window) {}

CClipExportJob::~CClipExportJob() {
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
    delete m_progress;
}

void CClipExportJob::Start(media::ClipPlan plan, media::ClipOptions options) {
    if (Running())
        return;
    m_plan = std::move(plan);
    m_options = std::move(options);
    m_result = media::ClipResult();
    m_cancel = false;
    m_lastShown = -1;
    delete m_progress;
    m_progress = new QProgressDialog(m_uiString(cliptext::kExporting), m_uiString(cliptext::kCancel), 0,
                                     kProgressSteps, m_window);
    m_progress->setObjectName(QStringLiteral("clipProgress"));
    MakePlain(*m_progress); // its label names the clip's file
    m_progress->setLabelText(m_uiString(cliptext::kExporting));
    m_progress->setWindowTitle(m_uiString(cliptext::kTitle));
    m_progress->setWindowModality(Qt::NonModal); // playback and the window stay usable
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(0);
    m_progress->setMinimumWidth(360);
    m_progress->setValue(0);
    connect(m_progress, &QProgressDialog::canceled, this, [this] { m_cancel = true; });
    m_progress->show();
    m_clock.start();
    m_thread = std::thread([this] {
        LowerThisThreadsPriority();
        m_result = media::WriteClip(m_plan, m_options, &m_cancel, [this](const media::ClipProgress& p) {
            // At most one update per thousandth of the way: the GUI thread is not flooded.
            qint64 step = p.framesTotal > 0 ? p.framesDone * kProgressSteps / p.framesTotal : 0;
            if (step == m_lastShown.exchange(step))
                return;
            QMetaObject::invokeMethod(
                this, [this, done = p.framesDone, total = p.framesTotal] { ShowProgress(done, total); },
                Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(
            this, [this] { Finish(); }, Qt::QueuedConnection);
    });
}

void CClipExportJob::ShowProgress(qint64 done, qint64 total) {
    if (!m_progress || total <= 0 || m_cancel)
        return;
    m_progress->setValue(static_cast<int>(std::min<qint64>(kProgressSteps, done * kProgressSteps / total)));
    QString label = m_uiString(cliptext::kExporting);
    qint64 elapsed = m_clock.elapsed();
    if (done > 0 && elapsed > 1000) {
        qint64 leftSeconds = (elapsed * (total - done) / done + 999) / 1000;
        label += QStringLiteral("\n") + m_uiString(cliptext::kTimeLeft).arg(leftSeconds);
    }
    m_progress->setLabelText(label);
}

void CClipExportJob::Finish() {
    if (m_thread.joinable())
        m_thread.join();
    if (m_progress)
        m_progress->hide();
    if (m_bReport)
        Report();
    emit finished(m_result.ok);
}

// What the export noticed on the way (a camera missing, pictures that end early, no sound), in
// the media layer's words, one a line.
QString CClipExportJob::NotesText() const {
    if (m_result.notes.empty())
        return {};
    QString text = QStringLiteral("\n\n") + m_uiString(cliptext::kNotes);
    for (const std::string& note : m_result.notes)
        text += QStringLiteral("\n") + QString::fromStdString(note);
    return text;
}

void CClipExportJob::Report() {
    QMessageBox box(m_window);
    MakePlain(box);
    box.setWindowTitle(m_uiString(cliptext::kTitle));
    if (!m_result.ok) {
        box.setIcon(m_result.cancelled ? QMessageBox::Information : QMessageBox::Warning);
        box.setText(m_result.cancelled
                        ? m_uiString(cliptext::kCancelled)
                        : m_uiString(cliptext::kFailed).arg(QString::fromStdString(m_result.error)));
        box.addButton(m_uiString(cliptext::kOk), QMessageBox::AcceptRole);
        box.exec();
        return;
    }
    const QString path = QString::fromStdString(m_options.outPath);
    QString text = m_uiString(cliptext::kSaved).arg(QDir::toNativeSeparators(path));
    if (m_result.layout != m_options.layout && m_result.layout == media::ClipLayout::Front)
        text += QStringLiteral("\n\n") + m_uiString(cliptext::kRearMissing);
    else if (m_result.layout != m_options.layout && m_result.layout == media::ClipLayout::Rear)
        text += QStringLiteral("\n\n") + m_uiString(cliptext::kFrontMissing);
    text += NotesText();
    box.setIcon(QMessageBox::Information);
    box.setText(text);
    QPushButton* show = box.addButton(m_uiString(cliptext::kShowInFolder), QMessageBox::ActionRole);
    box.addButton(m_uiString(cliptext::kOk), QMessageBox::AcceptRole);
    box.exec();
    if (box.clickedButton() == show)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

} // namespace vemora
