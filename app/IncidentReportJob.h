#pragma once
// One incident report at a time, on a worker thread of its own, while playback goes on: a
// progress dialog with the step under way and Cancel; at the end the pack's folder (with an offer
// to show it) and what the recording lacks, or the reason no pack was made.

#include "report/IncidentPack.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>

#include <atomic>
#include <functional>
#include <map>
#include <thread>

class QWidget;

namespace vemora {

class CIncidentReportJob : public QObject {
    Q_OBJECT
public:
    CIncidentReportJob(std::function<QString(int)> uiString, QWidget* window);
    // Cancels a running report and waits for its worker, which removes the unfinished folder.
    ~CIncidentReportJob() override;

    bool Running() const { return m_thread.joinable(); }
    void Start(report::PackRequest request);
    void Cancel() { m_cancel = true; }
    QProgressDialog* ProgressDialog() const { return m_progress; }
    // Whether the result is reported with a message box (the tests read Result instead).
    void SetReportResult(bool on) { m_bReport = on; }
    const report::PackResult& Result() const { return m_result; }

signals:
    void finished(bool ok);

private:
    void ShowProgress(int stage, int permille);
    void Finish();
    void Report();

    std::function<QString(int)> m_uiString;
    QWidget* m_window;
    QPointer<QProgressDialog> m_progress;
    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_lastShown{-1};
    // The pack's texts in the interface language, read on the GUI thread before the worker starts.
    std::map<int, std::string> m_texts;
    report::PackRequest m_request;
    report::PackResult m_result;
    bool m_bReport = true;
};

} // namespace vemora
