#pragma once
// Copy, delete, lock and unlock as work that can run away from the lists: the library plans an
// operation on the groups the user chose (the questions are asked then), RunFileOp does the
// file work on any thread with progress and a cancel flag, and the library applies the outcome
// to its recordings and lists afterwards. RunFileOp touches nothing but the files of its plan.

#include "library/FileOpPrompt.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vemora {

// One file of an operation.
struct FileJob {
    int record = -1;         // index of the recording in the library when the plan was made
    std::string source;      // the recording's file
    std::string destination; // copy: where the copy goes
    uint64_t bytes = 0;      // size when the plan was made
    uint8_t lockFlags = 0;   // unlock: the marks to clear
    std::string root = {};   // the scanned folder it was found in; a link may not lead out of it
};

struct FileOpPlan {
    FileOperation operation = FileOperation::Copy;
    std::string targetFolder; // copy only
    std::vector<FileJob> jobs;
    // Copy: destinations the user chose to keep rather than overwrite.
    std::vector<std::string> kept;
    uint64_t TotalBytes() const;
};

enum class JobResult {
    NotDone,    // not reached, or interrupted, because of Cancel
    Done,       // copied, deleted, locked or unlocked
    Failed,     // see the failure of the same path
    SparedLock, // delete: the file is read-only (locked) and stays
};

struct FileOpOutcome {
    std::vector<JobResult> results; // one per job of the plan
    std::vector<FileOpFailure> failures;
    bool cancelled = false;
    size_t Count(JobResult result) const;
};

// What a running operation has got to; copied out under a lock by whoever shows it.
struct FileOpProgress {
    size_t filesDone = 0; // finished files, whatever their result
    size_t filesTotal = 0;
    uint64_t bytesDone = 0;
    uint64_t bytesTotal = 0;
    std::string currentFile;
    bool finishing = false; // the copies are being written out to the device
};

using FileOpProgressFn = std::function<void(const FileOpProgress&)>;

// Does the plan's file work in order. progress is called before each file, during long copies
// and at the end, on the calling thread. Once cancel is set, a copy in progress stops at its
// next block and its partial file is removed; no further file is started. A copy ends with the
// target's file system written out, so that "done" means on the device.
FileOpOutcome RunFileOp(const FileOpPlan& plan, const FileOpProgressFn& progress = nullptr,
                        const std::atomic<bool>* cancel = nullptr);

// The system's error code for a failure, with the step it happened in; the text is English for
// logs, the desktop program words it in the interface language.
FileOpFailure MakeFileOpFailure(const std::string& path, FileOpStep step, int errorCode);

} // namespace vemora
