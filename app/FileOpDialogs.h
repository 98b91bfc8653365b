#pragma once
// The file operations' questions, progress texts and final reports, in the interface language.

#include "library/FileOpPrompt.h"
#include "library/RecordingFileOps.h"

#include <QString>

#include <cstdint>

class QWidget;

namespace vemora {

class UserDialogs;

// String-table ids of the file operations' progress and report.
namespace fileop_text {
inline constexpr int kFilesOfTotal = 500;    // "%1 of %2 files"
inline constexpr int kBytesSpeedLeft = 501;  // "%1 of %2 at %3/s, %4 left"
inline constexpr int kWritingOut = 502;      // "Writing to the device…"
inline constexpr int kCaptionCopy = 503;     // "Copying recordings"; Delete, Lock, Unlock follow
inline constexpr int kReportCopied = 507;    // "Copied %1 of %2 files (%3)."
inline constexpr int kReportDeleted = 508;   // "Deleted %1 of %2 files."; locked, unlocked follow
inline constexpr int kReportCancelled = 511; // "Cancelled: %1 files were not handled."
inline constexpr int kReportSpared = 512;    // "Kept because they are locked: %1 files."
inline constexpr int kReportKept = 513;      // "Existing files kept as you chose: %1."
inline constexpr int kReportNotDone = 514;   // "Not done:"
inline constexpr int kStepMakeFolder = 515;  // "cannot create the folder"; copy, delete, lock, unlock follow
inline constexpr int kReasonFull = 520;      // "the target is full"
inline constexpr int kReasonDenied = 521;    // "permission denied"
inline constexpr int kReasonReadOnly = 522;  // "the disk is write-protected"
inline constexpr int kReasonGone = 523;      // "the file no longer exists"
inline constexpr int kReasonDevice = 524;    // "read or write error (was the card removed?)"
inline constexpr int kReasonNotFolder = 525; // "a file stands where a folder should be"
inline constexpr int kReasonTooLarge = 526;  // "too large for the target's file system"
inline constexpr int kReasonOther = 527;     // "system error %1"
inline constexpr int kCancel = 108;          // "Cancel"
} // namespace fileop_text

// A byte count as the interface language writes it ("1.5 GB").
QString DataSizeText(uint64_t bytes);
// "0:42", "1:05:09".
QString DurationText(int64_t seconds);
// Why a file could not be handled: the step and the reason, in the interface language.
QString FailureText(const FileOpFailure& failure);
// What an operation did and did not do, for the final report.
QString FileOpReportText(const FileOpPlan& plan, const FileOpOutcome& outcome);

class FileOpDialogs : public FileOpPrompt {
public:
    FileOpDialogs(QWidget* owner, UserDialogs* dialogs) : m_pOwner(owner), m_pDialogs(dialogs) {}
    Answer AskOverwrite(const std::string& destinationPath) override;
    // Lists the files an operation could not handle, with the reasons, so that a failed copy is
    // never silent.
    void ReportFailures(FileOperation operation, const std::vector<FileOpFailure>& failures) override;
    // The final report of an operation that ran with the progress dialog.
    void ReportOutcome(const FileOpPlan& plan, const FileOpOutcome& outcome);

private:
    QWidget* m_pOwner;
    UserDialogs* m_pDialogs;
};

} // namespace vemora
