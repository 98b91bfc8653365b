#pragma once
// A quiet line below the lists after a scan that turned files down: "3 files could not be read —
// details". The link opens the list of those files with their reasons; nothing interrupts the
// opening of the recordings. Hidden when every file could be read.

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
    // After a language change.
    void Retext();
    // Opens the list (not modal: playback goes on); what the link does.
    CRejectedFilesDlg* ShowDetails();

private:
    std::vector<RejectedFile> m_files;
    UiStringLookup m_lookup;
};

} // namespace vemora
