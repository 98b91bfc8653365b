#include "library/views/KeepProgressDlg.h"

#include "library/views/DriveTexts.h"

#include <QLabel>
#include <QLocale>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace vemora {
namespace {

constexpr size_t kFailuresShown = 20;
constexpr int kRefreshMs = 200;

QString SizeText(uint64_t bytes) {
    return QLocale().formattedDataSize(static_cast<qint64>(bytes), 1, QLocale::DataSizeTraditionalFormat);
}

} // namespace

CKeepProgressDlg* CKeepProgressDlg::Start(QWidget* parent, UiStringLookup lookup, QString catalogueFile,
                                          std::vector<KeepItem> items, QString archive) {
    auto* dlg = new CKeepProgressDlg(parent, std::move(lookup), std::move(catalogueFile), std::move(items),
                                     std::move(archive));
    dlg->show();
    return dlg;
}

CKeepProgressDlg::CKeepProgressDlg(QWidget* parent, UiStringLookup lookup, QString catalogueFile,
                                   std::vector<KeepItem> items, QString archive)
    : QDialog(parent), m_lookup(std::move(lookup)), m_items(std::move(items)) {
    setObjectName(QStringLiteral("keepProgress"));
    setWindowModality(Qt::WindowModal);
    setWindowTitle(m_lookup(ids::kKeepCaption));
    setMinimumWidth(460);
    auto* layout = new QVBoxLayout(this);
    m_pCurrent = new QLabel(this);
    m_pCurrent->setTextFormat(Qt::PlainText); // a card's file name is data
    m_pBytes = new QLabel(this);
    m_pBytes->setTextFormat(Qt::PlainText);
    m_pBar = new QProgressBar(this);
    m_pBar->setRange(0, 100);
    m_pCancel = new QPushButton(m_lookup(ids::kKeepCancel), this);
    connect(m_pCancel, &QPushButton::clicked, this, &CKeepProgressDlg::RequestCancel);
    layout->addWidget(m_pCurrent);
    layout->addWidget(m_pBar);
    layout->addWidget(m_pBytes);
    layout->addWidget(m_pCancel, 0, Qt::AlignRight);
    for (const KeepItem& item : m_items)
        m_total += item.size;
    m_refreshTimer.setInterval(kRefreshMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &CKeepProgressDlg::Refresh);
    m_refreshTimer.start();
    Refresh();

    m_worker = std::thread([this, db = catalogueFile.toStdString(), target = archive.toStdString()] {
        std::optional<Catalogue> catalogue = Catalogue::Open(db, nullptr);
        KeepControl control;
        control.cancel = &m_cancel;
        control.progress = [this](uint64_t done, uint64_t total, const std::string& file) {
            std::lock_guard lock(m_mutex);
            m_done = done;
            m_total = total;
            m_file = file;
        };
        KeepReport report = KeepRecordings(catalogue ? &*catalogue : nullptr, m_items, target, control);
        {
            std::lock_guard lock(m_mutex);
            m_report = std::move(report);
        }
        QMetaObject::invokeMethod(this, &CKeepProgressDlg::OnWorkDone, Qt::QueuedConnection);
    });
}

CKeepProgressDlg::~CKeepProgressDlg() {
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void CKeepProgressDlg::reject() {
    RequestCancel(); // the dialog closes when the worker has stopped
}

QString CKeepProgressDlg::CurrentText() const {
    std::lock_guard lock(m_mutex);
    return m_lookup(ids::kKeepCopying).arg(QString::fromStdString(m_file));
}

int CKeepProgressDlg::Percent() const {
    std::lock_guard lock(m_mutex);
    return m_total ? static_cast<int>(m_done * 100 / m_total) : 0;
}

void CKeepProgressDlg::Refresh() {
    m_pCurrent->setText(CurrentText());
    m_pBar->setValue(Percent());
    std::lock_guard lock(m_mutex);
    m_pBytes->setText(SizeText(m_done) + QStringLiteral(" / ") + SizeText(m_total));
}

QString CKeepProgressDlg::ReportText(const UiStringLookup& lookup, const KeepReport& report, size_t files) {
    QString text = lookup(ids::kKeepReportKept).arg(report.copied).arg(files).arg(SizeText(report.bytes));
    text += QLatin1Char('\n');
    if (report.skipped > 0)
        text += lookup(ids::kKeepReportSkipped).arg(report.skipped) + QLatin1Char('\n');
    const size_t notDone =
        files - std::min(files, size_t(report.copied + report.skipped) + report.failed.size());
    if (report.cancelled && notDone > 0)
        text += lookup(ids::kKeepReportCancelled).arg(notDone) + QLatin1Char('\n');
    if (!report.failed.empty()) {
        text += QLatin1Char('\n') + lookup(ids::kKeepReportFailed) + QLatin1Char('\n');
        for (size_t i = 0; i < report.failed.size() && i < kFailuresShown; ++i)
            text += QString::fromStdString(report.failed[i].path) + QStringLiteral(": ") +
                    QString::fromStdString(report.failed[i].reason) + QLatin1Char('\n');
        if (report.failed.size() > kFailuresShown)
            text += QStringLiteral("(+%1)\n").arg(report.failed.size() - kFailuresShown);
    }
    return text.trimmed();
}

void CKeepProgressDlg::OnWorkDone() {
    if (m_worker.joinable())
        m_worker.join();
    m_refreshTimer.stop();
    KeepReport report;
    {
        std::lock_guard lock(m_mutex);
        report = m_report;
    }
    const QString text = ReportText(m_lookup, report, m_items.size());
    // Gone before the report is shown.
    accept();
    deleteLater();
    emit finished(text);
}

} // namespace vemora
