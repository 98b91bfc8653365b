#pragma once
// Looks for the incidents of every recording of a card on a worker thread at the lowest priority,
// keeping to a fifth of one CPU so that playback never waits for it, and with a cache outside
// the card so that a second opening of the same card needs no reading at all. Progress and the
// result come back on the thread that owns this object. Nothing is ever written on the card.

#include "library/CardIncidents.h"
#include "library/RecordingInfo.h"
#include "platform/BackgroundThread.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace vemora {

// One incident of the card as the window lists it: the recording it is listed under (the front
// file of the pair) by path, since the lists may change while the search runs.
struct ListedIncident {
    std::string file;
    int64_t startTime = 0; // of that recording
    Incident incident;
};

class CIncidentSearch : public QObject {
    Q_OBJECT
public:
    // cacheFile: where the cache lives; empty = no cache.
    explicit CIncidentSearch(QString cacheFile, QObject* parent = nullptr);
    ~CIncidentSearch() override;

    // Cancels a running search and starts one over these recordings (sorted as listed).
    void Start(std::vector<RecordingInfo> records);
    // Ends a running search (its result is dropped); returns once the worker has stopped.
    void Cancel();
    bool Running() const { return m_bRunning; }

    // The share of one CPU the worker may use (tests and benchmarks may lift it).
    void SetCpuShare(double share) { m_dCpuShare = share; }

    static QString DefaultCacheFile();

signals:
    void progress(int done, int total);
    void finished(const std::vector<ListedIncident>& incidents);

private:
    void Run(std::vector<RecordingInfo> records, std::shared_ptr<CancelFlag> cancel);

    QString m_strCacheFile;
    std::thread m_worker;
    std::shared_ptr<CancelFlag> m_cancel;
    bool m_bRunning = false;
    double m_dCpuShare = 0.2;
};

} // namespace vemora

Q_DECLARE_METATYPE(std::vector<vemora::ListedIncident>)
