#pragma once
// The list of files that look like recordings but could not be read, each with its reason.

#include "library/RecordingInfo.h"
#include "library/views/ListRowModel.h"

#include <QDialog>

#include <vector>

class QTreeWidget;

namespace vemora {

class CRejectedFilesDlg : public QDialog {
    Q_OBJECT
public:
    CRejectedFilesDlg(const std::vector<RejectedFile>& files, const UiStringLookup& lookup, QWidget* parent);

    // One row per file: the path below the scanned folder and the reason.
    QTreeWidget* Table() const { return m_pTable; }

private:
    QTreeWidget* m_pTable;
};

} // namespace vemora
