#include "library/views/DriveTableModel.h"

#include "library/ListTexts.h"
#include "library/views/DriveTexts.h"

#include <QLocale>

namespace vemora {
namespace {

constexpr double kMetresPerMile = 1609.344;

QString Local(int64_t seconds, const char* format) {
    return QString::fromStdString(FormatLocalTime(seconds, format));
}

QString PlaceText(const std::optional<DrivePosition>& position) {
    if (!position)
        return QStringLiteral("?");
    if (!position->place.empty())
        return QString::fromStdString(position->place);
    return QStringLiteral("%1, %2").arg(position->latitude, 0, 'f', 4).arg(position->longitude, 0, 'f', 4);
}

} // namespace

CDriveTableModel::CDriveTableModel(UiStringLookup lookup, QObject* parent)
    : QAbstractTableModel(parent), m_lookup(std::move(lookup)) {}

void CDriveTableModel::SetDrives(std::vector<CataloguedDrive> drives) {
    beginResetModel();
    m_drives = std::move(drives);
    m_shown = FilterDrives(m_drives, m_filter);
    endResetModel();
}

void CDriveTableModel::SetFilter(const DriveFilter& filter) {
    m_filter = filter;
    Refilter();
}

void CDriveTableModel::Refilter() {
    beginResetModel();
    m_shown = FilterDrives(m_drives, m_filter);
    endResetModel();
}

void CDriveTableModel::SetMetric(bool metric) {
    if (metric == m_bMetric)
        return;
    m_bMetric = metric;
    if (!m_shown.empty())
        emit dataChanged(index(0, kDriveDistance), index(rowCount() - 1, kDriveMaxSpeed));
}

int CDriveTableModel::RowOfDrive(int64_t id) const {
    for (size_t row = 0; row < m_shown.size(); ++row)
        if (m_drives[m_shown[row]].id == id)
            return static_cast<int>(row);
    return -1;
}

DriveTotals CDriveTableModel::Totals() const {
    DriveTotals totals;
    for (size_t index : m_shown) {
        ++totals.drives;
        totals.distanceM += m_drives[index].summary.distanceM;
        totals.durationMs += m_drives[index].summary.durationMs;
    }
    return totals;
}

QString CDriveTableModel::DistanceText(double metres) const {
    const double value = m_bMetric ? metres / 1000 : metres / kMetresPerMile;
    return m_lookup(m_bMetric ? ids::kUnitKm : ids::kUnitMiles).arg(QLocale().toString(value, 'f', 1));
}

QString CDriveTableModel::SpeedText(double kmh) const {
    const double value = m_bMetric ? kmh : kmh * 1000 / kMetresPerMile;
    return m_lookup(m_bMetric ? ids::kUnitKmh : ids::kUnitMph).arg(qRound(value));
}

QString CDriveTableModel::DurationText(int64_t ms) {
    const int64_t seconds = std::max<int64_t>(ms, 0) / 1000;
    const int64_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(h)
            .arg(m, 2, 10, QLatin1Char('0'))
            .arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

int CDriveTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int CDriveTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kDriveColumnCount;
}

QString CDriveTableModel::Text(const CataloguedDrive& drive, int column) const {
    const DriveSummary& s = drive.summary;
    switch (column) {
    case kDriveCard:
        return QString::fromStdString(drive.card.DisplayName());
    case kDriveDate:
        return Local(s.startTime, "%Y-%m-%d");
    case kDriveStart:
        return Local(s.startTime, "%H:%M");
    case kDriveEnd:
        return Local(s.endTime, "%H:%M");
    case kDriveDuration:
        return DurationText(s.durationMs);
    case kDriveDistance:
        return DistanceText(s.distanceM);
    case kDriveMaxSpeed:
        return SpeedText(s.maxSpeedKmh);
    case kDriveIncidents:
        return s.incidents.Total() ? QString::number(s.incidents.Total()) : QString();
    case kDriveRoute:
        return PlaceText(s.start) + QStringLiteral(" → ") + PlaceText(s.end);
    default:
        return {};
    }
}

QVariant CDriveTableModel::SortKey(const CataloguedDrive& drive, int column) const {
    const DriveSummary& s = drive.summary;
    switch (column) {
    case kDriveDate:
    case kDriveStart:
        return QVariant::fromValue<qint64>(s.startTime);
    case kDriveEnd:
        return QVariant::fromValue<qint64>(s.endTime);
    case kDriveDuration:
        return QVariant::fromValue<qint64>(s.durationMs);
    case kDriveDistance:
        return s.distanceM;
    case kDriveMaxSpeed:
        return s.maxSpeedKmh;
    case kDriveIncidents:
        return s.incidents.Total();
    default:
        return Text(drive, column);
    }
}

QVariant CDriveTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CataloguedDrive& drive = DriveAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return Text(drive, index.column());
    case Qt::ToolTipRole:
        if (index.column() == kDriveCard)
            return QString::fromStdString(drive.card.folder);
        return index.column() == kDriveRoute ? Text(drive, index.column()) : QVariant();
    case Qt::TextAlignmentRole:
        return index.column() >= kDriveDuration && index.column() <= kDriveIncidents
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    case kSortRole:
        return SortKey(drive, index.column());
    case kDriveIdRole:
        return QVariant::fromValue<qint64>(drive.id);
    default:
        return {};
    }
}

QVariant CDriveTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kDriveColumnCount)
        return {};
    return m_lookup(ids::kDriveCardColumn + section);
}

} // namespace vemora
