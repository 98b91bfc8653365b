#pragma once
// The progress of a copy, delete, lock or unlock. The file work runs on a worker thread while
// this window-modal dialog shows the files and bytes done, the current file, the speed, the time
// left and a Cancel button; the main window keeps painting and the players keep playing.

#include "library/RecordingFileOps.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vemora {

class FileOpProgressDlg : public QDialog {
    Q_OBJECT
public:
    using Finished = std::function<void(const FileOpPlan&, const FileOpOutcome&)>;

    // Starts the work at once. The dialog shows itself when the work lasts more than a moment,
    // calls finished on the GUI thread when it is over and then deletes itself.
    static FileOpProgressDlg* Start(QWidget* parent, FileOpPlan plan, Finished finished);
    // Cancels and waits for the worker (a window closed while the work runs).
    ~FileOpProgressDlg() override;

    // The current file ends its copy at the next block; no further file is started.
    void RequestCancel();

    // What the dialog shows now.
    QString FilesText() const;
    QString BytesText() const;
    QString CurrentFileText() const;

    // The dialog's caption for an operation, also the caption of its final report.
    static QString Caption(FileOperation operation);

protected:
    // Esc and the window's close button mean Cancel; the dialog closes when the worker is done.
    void reject() override;

private:
    FileOpProgressDlg(QWidget* parent, FileOpPlan plan, Finished finished);
    void BuildControls();
    void Refresh();
    void OnWorkDone();

    FileOpPlan m_plan;
    Finished m_finished;
    std::atomic<bool> m_cancel{false};
    std::thread m_worker;
    // Written by the worker, read by Refresh.
    mutable std::mutex m_mutex;
    FileOpProgress m_progress;
    FileOpOutcome m_outcome;

    QElapsedTimer m_clock;
    QTimer m_refreshTimer; // the labels follow the worker a few times a second
    QTimer m_showTimer;    // short operations finish without the dialog flashing up
    QLabel* m_pFiles = nullptr;
    QLabel* m_pBytes = nullptr;
    QLabel* m_pCurrent = nullptr;
    QString m_strCurrentFile; // the whole path the elided label stands for
    QProgressBar* m_pBar = nullptr;
    QPushButton* m_pCancel = nullptr;
};

} // namespace vemora
