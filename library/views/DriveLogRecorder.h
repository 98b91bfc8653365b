#pragma once
// Puts what every scan found into the drive catalogue, on a worker thread at the lowest priority
// that keeps to a fifth of one CPU, so that playback never waits for it. Scans queue up; a scan of
// the same folder again replaces the one still waiting. Nothing is written on the card. When a
// scan's drives are in the catalogue, recorded() comes on the thread that owns this object.

#include "library/RecordingInfo.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vemora {

class CDriveLogRecorder : public QObject {
    Q_OBJECT
public:
    // catalogueFile: where the catalogue lives (Catalogue::DefaultPath() in the program).
    explicit CDriveLogRecorder(QString catalogueFile, QObject* parent = nullptr);
    // Ends the drive being read and waits for the worker; what is committed stays.
    ~CDriveLogRecorder() override;

    // The recordings of a scan of folder (sorted and group-marked, as the library lists them).
    void Record(const std::string& folder, std::vector<RecordingInfo> records);
    bool Busy() const { return m_busy.load(); }
    const QString& CatalogueFile() const { return m_strCatalogueFile; }

    void SetCpuShare(double share) { m_dCpuShare = share; }

signals:
    void recorded(int drivesWritten);
    void failed(const QString& reason);

private:
    struct Job {
        std::string folder;
        std::vector<RecordingInfo> records;
    };
    void Run();

    QString m_strCatalogueFile;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_busy{false};
    double m_dCpuShare = 0.2;
    std::thread m_worker;
};

} // namespace vemora
