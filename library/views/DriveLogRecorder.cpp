#include "library/views/DriveLogRecorder.h"

#include "library/CardIdentity.h"
#include "library/Catalogue.h"
#include "library/DriveLog.h"
#include "map/NearestPlace.h"
#include "platform/BackgroundThread.h"

#include <QMetaObject>

#include <optional>

namespace vemora {

CDriveLogRecorder::CDriveLogRecorder(QString catalogueFile, QObject* parent)
    : QObject(parent), m_strCatalogueFile(std::move(catalogueFile)) {}

CDriveLogRecorder::~CDriveLogRecorder() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_jobs.clear();
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void CDriveLogRecorder::Record(const std::string& folder, std::vector<RecordingInfo> records) {
    if (m_strCatalogueFile.isEmpty() || records.empty())
        return;
    {
        std::lock_guard lock(m_mutex);
        std::erase_if(m_jobs, [&](const Job& job) { return job.folder == folder; });
        m_jobs.push_back(Job{folder, std::move(records)});
        m_busy = true;
    }
    if (!m_worker.joinable())
        m_worker = std::thread(&CDriveLogRecorder::Run, this);
    m_wake.notify_one();
}

void CDriveLogRecorder::Run() {
    LowerCurrentThreadPriority();
    std::optional<Catalogue> catalogue;
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_busy = !m_jobs.empty();
            m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
            if (m_stop)
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        std::string error;
        if (!catalogue)
            catalogue = Catalogue::Open(m_strCatalogueFile.toStdString(), &error);
        if (!catalogue) {
            QMetaObject::invokeMethod(
                this, [this, error] { emit failed(QString::fromStdString(error)); }, Qt::QueuedConnection);
            continue;
        }
        CpuSharePacer pacer(m_dCpuShare);
        const DriveLogOutcome outcome =
            RecordScanDrives(*catalogue, job.records, IdentifyCard(job.folder), &PlaceIndex::System(),
                             &m_stop, [&pacer] { pacer.Pace(); });
        if (m_stop)
            return;
        const int written = outcome.recorded;
        const QString failure = QString::fromStdString(outcome.error);
        QMetaObject::invokeMethod(
            this,
            [this, written, failure] {
                if (!failure.isEmpty())
                    emit failed(failure);
                emit recorded(written);
            },
            Qt::QueuedConnection);
    }
}

} // namespace vemora
