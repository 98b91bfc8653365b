#include "app/IncidentReportJob.h"

#include "app/ReportDlgTexts.h"

#include <QDesktopServices>
#include <QDir>
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
// Every id the pack itself may ask for.
constexpr int kFirstPackText = report::text::kTitle;
constexpr int kLastPackText = report::text::kNoPicture;

// The report yields to the players: they must not stutter while it runs. Linux keeps the
// niceness per thread, and the encoder's own threads inherit it.
void LowerThisThreadsPriority() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
}

int StageText(report::PackStage stage) {
    switch (stage) {
    case report::PackStage::Clip:
        return reportdlgtext::kStageClip;
    case report::PackStage::Originals:
        return reportdlgtext::kStageOriginals;
    case report::PackStage::Stills:
    case report::PackStage::Document:
        return reportdlgtext::kStageDocument;
    }
    return reportdlgtext::kMaking;
}

} // namespace

CIncidentReportJob::CIncidentReportJob(std::function<QString(int)> uiString, QWidget* window)
    : QObject(window), m_uiString(std::move(uiString)), m_window(window) {}

CIncidentReportJob::~CIncidentReportJob() {
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
    delete m_progress;
}

void CIncidentReportJob::Start(report::PackRequest request) {
    if (Running())
        return;
    m_request = std::move(request);
    m_result = report::PackResult();
    m_cancel = false;
    m_lastShown = -1;
    m_texts.clear();
    for (int id = kFirstPackText; id <= kLastPackText; ++id)
        m_texts[id] = m_uiString(id).toStdString();
    delete m_progress;
    m_progress = new QProgressDialog(m_uiString(reportdlgtext::kMaking), m_uiString(reportdlgtext::kCancel),
                                     0, kProgressSteps, m_window);
    m_progress->setObjectName(QStringLiteral("reportProgress"));
    m_progress->setWindowTitle(m_uiString(reportdlgtext::kTitle));
    m_progress->setWindowModality(Qt::NonModal); // playback and the window stay usable
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(0);
    m_progress->setMinimumWidth(380);
    m_progress->setValue(0);
    connect(m_progress, &QProgressDialog::canceled, this, [this] { m_cancel = true; });
    m_progress->show();
    m_thread = std::thread([this] {
        LowerThisThreadsPriority();
        const std::map<int, std::string>& texts = m_texts;
        report::TextLookup lookup = [&texts](int id) {
            auto it = texts.find(id);
            return it != texts.end() ? it->second : std::string();
        };
        m_result = report::MakePack(m_request, lookup, &m_cancel, [this](const report::PackProgress& p) {
            // At most one update per thousandth of the way: the GUI thread is not flooded.
            const int permille = static_cast<int>(p.fraction * kProgressSteps);
            const int shown = permille * 8 + static_cast<int>(p.stage);
            if (shown == m_lastShown.exchange(shown))
                return;
            QMetaObject::invokeMethod(
                this, [this, stage = static_cast<int>(p.stage), permille] { ShowProgress(stage, permille); },
                Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(
            this, [this] { Finish(); }, Qt::QueuedConnection);
    });
}

void CIncidentReportJob::ShowProgress(int stage, int permille) {
    if (!m_progress || m_cancel)
        return;
    m_progress->setValue(std::clamp(permille, 0, kProgressSteps));
    m_progress->setLabelText(m_uiString(reportdlgtext::kMaking) + QStringLiteral("\n") +
                             m_uiString(StageText(static_cast<report::PackStage>(stage))));
}

void CIncidentReportJob::Finish() {
    if (m_thread.joinable())
        m_thread.join();
    if (m_progress)
        m_progress->hide();
    if (m_bReport)
        Report();
    emit finished(m_result.ok);
}

void CIncidentReportJob::Report() {
    QMessageBox box(m_window);
    box.setWindowTitle(m_uiString(reportdlgtext::kTitle));
    // Paths and notes carry names from the card: plain text, never markup.
    box.setTextFormat(Qt::PlainText);
    if (!m_result.ok) {
        box.setIcon(m_result.cancelled ? QMessageBox::Information : QMessageBox::Warning);
        box.setText(m_result.cancelled
                        ? m_uiString(reportdlgtext::kCancelled)
                        : m_uiString(reportdlgtext::kFailed).arg(QString::fromStdString(m_result.error)));
        box.addButton(m_uiString(reportdlgtext::kOk), QMessageBox::AcceptRole);
        box.exec();
        return;
    }
    const QString folder = QString::fromStdString(m_result.folder);
    QString text = m_uiString(reportdlgtext::kMade).arg(QDir::toNativeSeparators(folder));
    if (!m_result.facts.notes.empty()) {
        text += QStringLiteral("\n\n") + m_uiString(reportdlgtext::kNotes);
        for (const std::string& note : m_result.facts.notes)
            text += QStringLiteral("\n• ") + QString::fromStdString(note);
    }
    box.setIcon(m_result.facts.notes.empty() ? QMessageBox::Information : QMessageBox::Warning);
    box.setText(text);
    QPushButton* show = box.addButton(m_uiString(reportdlgtext::kShowInFolder), QMessageBox::ActionRole);
    box.addButton(m_uiString(reportdlgtext::kOk), QMessageBox::AcceptRole);
    box.exec();
    if (box.clickedButton() == show)
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace vemora
