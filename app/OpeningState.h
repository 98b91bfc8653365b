#pragma once
// Where the way from the user's request to a playing recording stands, and the one place that
// says which requests are taken meanwhile. The window tells it each step (a scan started or
// ended, a recording handed to the players, a file operation started or ended, the players'
// first time report); it owns the timers between the steps and says when an opening is due.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace vemora {

enum class OpeningPhase {
    Idle,         // nothing opened yet, or the last opening ended without playing
    Scanning,     // the scan worker owns the library
    DeferredOpen, // the scan found recordings; the first one opens next
    Opening,      // a recording was handed to the players; their first time report is awaited
    Playing,      // the opened recording has reported its time (it may be paused or stopped since)
};

enum class OpeningRequest {
    ChooseSource,  // OPEN: the source dialog, then a scan
    Scan,          // a folder or a file read into the lists
    PlayRecording, // a list row, an incident, a jolt of another recording, a drive of the log
    UseLibrary,    // a command that reads or changes the lists' recordings
};

class COpeningState : public QObject {
    Q_OBJECT
public:
    explicit COpeningState(QObject* parent = nullptr);

    OpeningPhase Phase() const { return m_phase; }
    bool Scanning() const { return m_phase == OpeningPhase::Scanning; }
    // A copy, delete or lock works on the lists' files (beside any phase).
    bool FileOperationRunning() const { return m_fileOperation; }
    // The scan worker or a file operation holds the library's recordings.
    bool LibraryBusy() const { return Scanning() || m_fileOperation; }

    bool Accepts(OpeningRequest request, bool libraryHasRecordings) const;
    static bool Accepts(OpeningPhase phase, bool fileOperation, OpeningRequest request,
                        bool libraryHasRecordings);
    // Two list activations closer than two seconds: only the first is taken (a double click, or
    // a second click while the first recording opens).
    bool TakeListActivation();

    void ScanStarted();
    // Without recordings the way ends here; with them the first opening is the window's to
    // schedule (OpenLater, OpenAfterRest or at once with OpeningStarted).
    void ScanFinished(bool found);
    // deferredOpenDue(record) on the next turn of the event loop, once the scan's lists are shown.
    void OpenLater(int record);
    // An opening due on the next turn (OpenLater) is due now: at the start, where the players'
    // own start-up can run beside the window's first paint.
    void OpenDueNow();
    // restedOpenDue(record) once the stopped players have had a moment.
    void OpenAfterRest(int record);
    // The players were asked to open a recording: busy until their first time report, or until
    // the guard gives up on an opening that never starts.
    void OpeningStarted();
    void TimeReported();
    void FileOperationStarted();
    void FileOperationEnded();

signals:
    void phaseChanged(OpeningPhase phase);
    void deferredOpenDue(int record);
    void restedOpenDue(int record);

private:
    void Enter(OpeningPhase phase);

    OpeningPhase m_phase = OpeningPhase::Idle;
    bool m_fileOperation = false;
    int m_nDueRecord = -1;
    QTimer m_deferredOpen;
    QTimer m_rest;
    QTimer m_guard;
    QElapsedTimer m_listClock;
    qint64 m_lastListActivation = 0;
};

} // namespace vemora
