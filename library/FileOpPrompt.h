#pragma once
// The questions and reports of the copy, delete and lock operations. The desktop program answers
// with message boxes (texts from the string table, ids below); tests answer with a script.

#include <string>
#include <vector>

namespace vemora {

// String-table ids of the overwrite question.
inline constexpr int kOverwriteQuestionTextId = 141;    // "File \"%s\" is already exist. ..."
inline constexpr int kOverwriteQuestionCaptionId = 140; // "Confirm to overwrite the file."

enum class FileOperation { Copy, Delete, Lock, Unlock };

// The step of an operation that failed for a file.
enum class FileOpStep { MakeFolder, Copy, Delete, Lock, Unlock };

// One file the operation could not handle: the step, the system's error code (errno; ECANCELED
// for a copy stopped by Cancel) and an English text of both for logs.
struct FileOpFailure {
    std::string path;
    std::string reason;
    FileOpStep step = FileOpStep::Copy;
    int errorCode = 0;
};

class FileOpPrompt {
public:
    enum class Answer { Ok, Cancel };

    virtual ~FileOpPrompt() = default;

    // The destination file exists: overwrite it (Ok) or skip this recording (Cancel)?
    virtual Answer AskOverwrite(const std::string& destinationPath) = 0;

    // Called once at the end of an operation that failed for some files (a copy that could not be
    // written, a folder that could not be made, a file that could not be deleted or whose
    // read-only mark could not be changed). Locked files spared by a delete are not failures.
    virtual void ReportFailures(FileOperation operation, const std::vector<FileOpFailure>& failures) = 0;
};

} // namespace vemora
