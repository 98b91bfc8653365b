#pragma once
// One clip export at a time, on a worker thread of its own, while playback goes on: a progress
// dialog with the percentage, the time left and Cancel; at the end the file's place (with an
// offer to show its folder) and the export's notes, or the reason it was not written.

#include "media/ClipWriter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

class QWidget;

namespace vemora {

class CClipExportJob : public QObject {
    Q_OBJECT
public:
    CClipExportJob(std::function<QString(int)> uiString, QWidget* window);
    // Cancels a running export and waits for its worker, which removes the partial file.
    ~CClipExportJob() override;

    bool Running() const { return m_thread.joinable(); }
    void Start(media::ClipPlan plan, media::ClipOptions options);
    void Cancel() { m_cancel = true; }
    QProgressDialog* ProgressDialog() const { return m_progress; }
    // Whether the result is reported with a message box (the tests read Result instead).
    void SetReportResult(bool on) { m_bReport = on; }
    const media::ClipResult& Result() const { return m_result; }

signals:
    void finished(bool ok);

private:
    void ShowProgress(qint64 done, qint64 total);
    void Finish();
    void Report();
    QString NotesText() const;

    std::function<QString(int)> m_uiString;
    QWidget* m_window;
    QPointer<QProgressDialog> m_progress;
    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    std::atomic<qint64> m_lastShown{-1};
    media::ClipPlan m_plan;
    media::ClipOptions m_options;
    media::ClipResult m_result;
    QElapsedTimer m_clock;
    bool m_bReport = true;
};

} // namespace vemora
