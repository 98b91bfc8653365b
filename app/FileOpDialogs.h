#pragma once
// The file operations' questions and reports as message boxes of the main window.

#include "library/FileOpPrompt.h"

class QWidget;

namespace vemora {

class UserDialogs;

class FileOpDialogs : public FileOpPrompt {
public:
    FileOpDialogs(QWidget* owner, UserDialogs* dialogs) : m_pOwner(owner), m_pDialogs(dialogs) {}
    Answer AskOverwrite(const std::string& destinationPath) override;
    // Lists the files an operation could not handle, with the system's reasons, so that a failed
    // copy is never silent.
    void ReportFailures(FileOperation operation, const std::vector<FileOpFailure>& failures) override;

private:
    QWidget* m_pOwner;
    UserDialogs* m_pDialogs;
};

} // namespace vemora
