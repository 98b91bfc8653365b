#pragma once
// Every drive of the catalogue in one window: a sortable table (card, date, start and end,
// duration, distance, top speed, incidents, from → to), filters (a date range, a town or card,
// only drives with incidents), the totals of the rows shown in the window's unit, and a map with
// one line per drive shown (the selected one highlighted; a click on a line selects its row).
// A double-click asks for the drive to be opened; "Keep on this computer…" copies the selected
// drives into a folder of the user's. Not modal: playback goes on behind it.

#include "library/Catalogue.h"
#include "library/views/DriveTableModel.h"
#include "library/views/ListRowModel.h"

#include <QDialog>

#include <functional>
#include <map>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QSplitter;
class QTableView;

namespace vemora {

class DrivesMapView;

class CDrivesDlg : public QDialog {
    Q_OBJECT
public:
    // Asks for the folder to keep drives in, starting at the suggested one; empty = cancelled.
    using FolderChooser = std::function<QString(const QString& caption, const QString& suggested)>;

    // catalogueFile: the catalogue shown; pageFolder: the map pages (empty = no map, for tests).
    CDrivesDlg(UiStringLookup lookup, QString catalogueFile, QString pageFolder, FolderChooser chooseFolder,
               QWidget* parent);

    // Reads the catalogue again, keeping the filter and the selection.
    void Reload();
    void SetMetric(bool metric);
    void Retext();
    void SetFilter(const DriveFilter& filter);
    // While a scan's drives are being added, the totals line says so.
    void SetRecording(bool recording);

    QTableView* Table() const { return m_pTable; }
    CDriveTableModel* Model() const { return m_pModel; }
    QString TotalsText() const;
    // The drive of the shown row (sorted as shown), or nullptr.
    const CataloguedDrive* DriveOfRow(int visibleRow) const;
    // The drives of the selected rows.
    std::vector<CataloguedDrive> SelectedDrives() const;
    void SelectDrive(int64_t id);
    // Opens the drive of the shown row (what a double-click does).
    void ActivateRow(int visibleRow);
    // Keeps the selected drives in folder; the default folder when empty.
    void KeepSelected(const QString& folder = QString());
    static QString DefaultKeepFolder();
    DrivesMapView* Map() const { return m_pMap; }

signals:
    // Open these files (all on one card or in one kept folder): the folder to scan, the file to
    // play first.
    void openDrive(const QString& folder, const QString& firstFile);
    // The drive is not here: the text says where it is.
    void driveAbsent(const QString& text);
    void keepFinished(const QString& reportText);
    void catalogueFailed(const QString& text);

private:
    void BuildControls();
    void RetextControls();
    DriveFilter FilterOfControls() const;
    void ApplyFilter();
    void ShowTotals();
    void ShowLines();
    void OnSelectionChanged();
    std::vector<TrackPoint> TrackOfDrive(int64_t id);

    UiStringLookup m_lookup;
    QString m_strCatalogueFile;
    QString m_strPageFolder;
    FolderChooser m_chooseFolder;
    std::optional<Catalogue> m_catalogue;
    std::map<int64_t, std::vector<TrackPoint>> m_tracks;

    CDriveTableModel* m_pModel;
    QSortFilterProxyModel* m_pProxy;
    QTableView* m_pTable = nullptr;
    QCheckBox* m_pDates = nullptr;
    QDateEdit* m_pFrom = nullptr;
    QLabel* m_pDatesTo = nullptr;
    QDateEdit* m_pTo = nullptr;
    QLineEdit* m_pText = nullptr;
    QCheckBox* m_pOnlyIncidents = nullptr;
    QLabel* m_pTotals = nullptr;
    QLabel* m_pEmpty = nullptr;
    QPushButton* m_pKeep = nullptr;
    QPushButton* m_pClose = nullptr;
    DrivesMapView* m_pMap = nullptr;
    bool m_bRecording = false;
    bool m_bColumnsFitted = false; // the columns take their texts' widths once, then the user's
};

} // namespace vemora
