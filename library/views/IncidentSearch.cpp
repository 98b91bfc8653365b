#include "library/views/IncidentSearch.h"

#include "library/IncidentCache.h"
#include "platform/BackgroundThread.h"

#include <QDir>
#include <QMetaObject>
#include <QStandardPaths>

#include <chrono>
#include <unordered_set>

namespace vemora {

namespace {

// Entries of other cards are dropped beyond this many.
constexpr size_t kMaxCacheEntries = 50000;
// Each new text repaints the window: a quiet line changes twice a second at most.
constexpr auto kProgressInterval = std::chrono::milliseconds(500);

} // namespace

CIncidentSearch::CIncidentSearch(QString cacheFile, QObject* parent)
    : QObject(parent), m_strCacheFile(std::move(cacheFile)) {
    qRegisterMetaType<std::vector<ListedIncident>>();
}

CIncidentSearch::~CIncidentSearch() {
    Cancel();
}

QString CIncidentSearch::DefaultCacheFile() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty())
        return {};
    return QDir(base).filePath(QStringLiteral("vemora-viewer/incidents.txt"));
}

void CIncidentSearch::Cancel() {
    if (m_cancel)
        m_cancel->Cancel(); // also wakes the worker from its pacing
    if (m_worker.joinable())
        m_worker.join();
    m_cancel.reset();
    m_bRunning = false;
}

void CIncidentSearch::Start(std::vector<RecordingInfo> records) {
    Cancel();
    m_cancel = std::make_shared<CancelFlag>();
    m_bRunning = true;
    m_worker = std::thread(&CIncidentSearch::Run, this, std::move(records), m_cancel);
}

void CIncidentSearch::Run(std::vector<RecordingInfo> records, std::shared_ptr<CancelFlag> cancel) {
    LowerCurrentThreadPriority();
    CpuSharePacer pacer(m_dCpuShare, cancel.get());
    const std::string cacheFile = m_strCacheFile.toStdString();
    IncidentCache cache;
    if (!cacheFile.empty())
        cache.Load(cacheFile);
    FileIncidentLookup cached = CachedIncidentLookup(cache);
    FileIncidentLookup lookup = [&](const RecordingInfo& record) {
        FileIncidents found = cached(record);
        pacer.Pace();
        return found;
    };
    auto lastReport = std::chrono::steady_clock::now() - kProgressInterval;
    auto report = [&](size_t done, size_t total) {
        auto now = std::chrono::steady_clock::now();
        if (done != total && now - lastReport < kProgressInterval)
            return;
        lastReport = now;
        QMetaObject::invokeMethod(
            this,
            [this, cancel, done, total] {
                if (!cancel->Cancelled())
                    emit progress(static_cast<int>(done), static_cast<int>(total));
            },
            Qt::QueuedConnection);
    };
    std::vector<CardIncident> found = FindCardIncidents(records, lookup, report, &cancel->Flag());
    if (!cacheFile.empty() && cache.Changed()) {
        std::unordered_set<std::string> paths;
        for (const RecordingInfo& record : records)
            paths.insert(record.GetFullPath());
        cache.Trim(kMaxCacheEntries, [&paths](const std::string& path) { return paths.count(path) != 0; });
        cache.Save(cacheFile);
    }
    if (cancel->Cancelled())
        return;
    std::vector<ListedIncident> listed;
    listed.reserve(found.size());
    for (const CardIncident& c : found) {
        const RecordingInfo& record = records[c.recordIndex];
        listed.push_back(ListedIncident{record.GetFullPath(), record.summary.startTime, c.incident});
    }
    QMetaObject::invokeMethod(
        this,
        [this, cancel, listed = std::move(listed)] {
            if (cancel->Cancelled())
                return;
            m_bRunning = false;
            emit finished(listed);
        },
        Qt::QueuedConnection);
}

} // namespace vemora
