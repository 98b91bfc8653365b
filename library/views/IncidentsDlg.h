#pragma once
// Every incident of the card in one sortable table (date and time, drive, kind, strength, speed,
// file), filtered by kind. A double-click asks for that recording to play a little before the
// incident; "Export list…" writes the rows shown as CSV. Not modal: playback goes on behind it.

#include "library/views/IncidentSearch.h"
#include "library/views/ListRowModel.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace vemora {

// What the dialog shows of one incident.
struct IncidentListRow {
    ListedIncident listed;
    int group = -1; // the drive it belongs to; -1 when no longer listed
};

class CIncidentsDlg : public QDialog {
    Q_OBJECT
public:
    // Asks where to save (caption, suggested path); empty = cancelled.
    using SavePathChooser = std::function<QString(const QString& caption, const QString& suggested)>;

    CIncidentsDlg(UiStringLookup lookup, SavePathChooser chooseSavePath, QWidget* parent);

    void SetRows(std::vector<IncidentListRow> rows);
    // Every text again in the current language (after a language change).
    void Retext();
    // 0 = all kinds, 1 = jolts, 2 = hard brakings.
    void SetKindFilter(int choice);
    int VisibleRowCount() const;
    // The CSV of the rows shown, in the order shown.
    std::string CsvOfVisibleRows() const;
    // Where "Export list…" proposes to save.
    void SetExportFolder(const QString& folder) { m_strExportFolder = folder; }
    // What a double-click on the shown row does.
    void ActivateRow(int visibleRow);
    // What "Incident report…" does for the shown row.
    void ReportRow(int visibleRow);
    QTableView* Table() const { return m_pTable; }

signals:
    void playIncident(const QString& file, qint64 timeMs);
    // "Incident report…" for the selected row.
    void reportIncident(const QString& file, qint64 timeMs);
    // The CSV file could not be written; text says why, in the user's language.
    void exportFailed(const QString& text);

private:
    void RetextControls();
    void FillModel();
    void ExportList();
    QString KindText(IncidentKind kind) const;

    UiStringLookup m_lookup;
    SavePathChooser m_chooseSavePath;
    std::vector<IncidentListRow> m_rows;
    QString m_strExportFolder;
    QStandardItemModel* m_pModel;
    QSortFilterProxyModel* m_pProxy;
    QTableView* m_pTable;
    QComboBox* m_pKind;
    QLabel* m_pEmpty;
    QPushButton* m_pExport;
    QPushButton* m_pReport = nullptr;
    QPushButton* m_pClose = nullptr;
};

} // namespace vemora
