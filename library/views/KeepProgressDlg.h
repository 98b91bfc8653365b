#pragma once
// The progress of keeping drives on this computer: the copies run on a worker thread (with its
// own connection to the catalogue) while this window-modal dialog shows the bytes done, the file
// at hand and a Cancel button. At the end it reports what was kept, what was kept already and
// what failed, as the file operations report theirs, then emits finished and deletes itself.

#include "library/CatalogueKeep.h"
#include "library/views/ListRowModel.h"

#include <QDialog>
#include <QTimer>

#include <atomic>
#include <mutex>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vemora {

class CKeepProgressDlg : public QDialog {
    Q_OBJECT
public:
    // Starts at once; the dialog shows itself.
    static CKeepProgressDlg* Start(QWidget* parent, UiStringLookup lookup, QString catalogueFile,
                                   std::vector<KeepItem> items, QString archive);
    ~CKeepProgressDlg() override;

    void RequestCancel() { m_cancel = true; }
    // The report's text for an outcome of so many files.
    static QString ReportText(const UiStringLookup& lookup, const KeepReport& report, size_t files);
    QString CurrentText() const;
    int Percent() const;

signals:
    void finished(const QString& reportText);

protected:
    void reject() override;

private:
    CKeepProgressDlg(QWidget* parent, UiStringLookup lookup, QString catalogueFile,
                     std::vector<KeepItem> items, QString archive);
    void Refresh();
    void OnWorkDone();

    UiStringLookup m_lookup;
    std::vector<KeepItem> m_items;
    std::atomic<bool> m_cancel{false};
    std::thread m_worker;
    mutable std::mutex m_mutex;
    uint64_t m_done = 0;
    uint64_t m_total = 0;
    std::string m_file;
    KeepReport m_report;
    QTimer m_refreshTimer;
    QLabel* m_pCurrent = nullptr;
    QLabel* m_pBytes = nullptr;
    QProgressBar* m_pBar = nullptr;
    QPushButton* m_pCancel = nullptr;
};

} // namespace vemora
