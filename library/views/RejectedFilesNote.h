#pragma once
// A quiet line below the lists after a scan that turned files down: "3 files could not be read —
// details". The link opens the list of those files with their reasons; nothing interrupts the
// opening of the recordings. A folder the scan could not read is told too ("1 folder could not
// be read"), since the list may then lack recordings. Hidden when everything could be read.

#include "library/RecordingInfo.h"
#include "library/views/ListRowModel.h"

#include <QLabel>

#include <vector>

namespace vemora {

class CRejectedFilesDlg;

class CRejectedFilesNote : public QLabel {
    Q_OBJECT
public:
    explicit CRejectedFilesNote(QWidget* parent);

    // Where the texts come from (the settings' LoadUiString in the program).
    void SetLookup(UiStringLookup lookup) { m_lookup = std::move(lookup); }
    // The files the last scan turned down; an empty list hides the note.
    void SetFiles(std::vector<RejectedFile> files);
    const std::vector<RejectedFile>& Files() const { return m_files; }
    // Folders the last scan could not read; the note also shows while this is not 0.
    void SetUnreadableFolders(int count);
    // Something to tell: files turned down or folders not read.
    bool HasContent() const { return !m_files.empty() || m_nUnreadableFolders > 0; }
    // After a language change.
    void Retext();
    // Opens the list (not modal: playback goes on); what the link does.
    CRejectedFilesDlg* ShowDetails();

private:
    std::vector<RejectedFile> m_files;
    int m_nUnreadableFolders = 0;
    UiStringLookup m_lookup;
};

} // namespace vemora
