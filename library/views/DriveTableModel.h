#pragma once
// The rows of the Drives window: the catalogued drives that pass the filter, newest first, with
// their texts in the window's unit (km or miles). Sorting by a column sorts by its value (the
// sort role), not by its text.

#include "library/Catalogue.h"
#include "library/DriveFilter.h"
#include "library/views/ListRowModel.h"

#include <QAbstractTableModel>

#include <vector>

namespace vemora {

enum DriveColumn {
    kDriveCard,
    kDriveDate,
    kDriveStart,
    kDriveEnd,
    kDriveDuration,
    kDriveDistance,
    kDriveMaxSpeed,
    kDriveIncidents,
    kDriveRoute,
    kDriveColumnCount
};

// The totals of the rows shown.
struct DriveTotals {
    int drives = 0;
    double distanceM = 0;
    int64_t durationMs = 0;
};

class CDriveTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortRole = Qt::UserRole + 1;
    static constexpr int kDriveIdRole = Qt::UserRole + 2;

    explicit CDriveTableModel(UiStringLookup lookup, QObject* parent = nullptr);

    void SetDrives(std::vector<CataloguedDrive> drives);
    void SetFilter(const DriveFilter& filter);
    void SetMetric(bool metric);
    void Retext() { emit headerDataChanged(Qt::Horizontal, 0, kDriveColumnCount - 1); }

    const CataloguedDrive& DriveAt(int row) const { return m_drives[m_shown[static_cast<size_t>(row)]]; }
    // The row of the drive, or -1 when it is not shown.
    int RowOfDrive(int64_t id) const;
    DriveTotals Totals() const;
    bool Metric() const { return m_bMetric; }

    // Texts in the window's unit: "12.3 km" / "7.6 mi", "45 km/h" / "28 mph", "1:02:03".
    QString DistanceText(double metres) const;
    QString SpeedText(double kmh) const;
    static QString DurationText(int64_t ms);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(const CataloguedDrive& drive, int column) const;
    QVariant SortKey(const CataloguedDrive& drive, int column) const;
    void Refilter();

    UiStringLookup m_lookup;
    std::vector<CataloguedDrive> m_drives;
    std::vector<size_t> m_shown;
    DriveFilter m_filter;
    bool m_bMetric = true;
};

} // namespace vemora
