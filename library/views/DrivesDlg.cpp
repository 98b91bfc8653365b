#include "library/views/DrivesDlg.h"

#include "library/CatalogueKeep.h"
#include "library/views/DriveTexts.h"
#include "library/views/KeepProgressDlg.h"
#include "map/DrivesMapScripts.h"
#include "map/browser/DrivesMapView.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <sys/stat.h>

namespace vemora {
namespace {

// The map draws at most this many drives, each with at most this many points.
constexpr size_t kMaxMapLines = 2000;
constexpr size_t kMaxMapPoints = 120;

bool IsPresent(const CataloguedFile& file) {
    struct stat st {};
    return ::stat(file.path.c_str(), &st) == 0 && static_cast<uint64_t>(st.st_size) == file.size;
}

QString FolderOf(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absolutePath();
}

int64_t LocalSecondsOf(const QDate& date) {
    return QDateTime(date, QTime(0, 0)).toSecsSinceEpoch();
}

} // namespace

CDrivesDlg::CDrivesDlg(UiStringLookup lookup, QString catalogueFile, QString pageFolder,
                       FolderChooser chooseFolder, QWidget* parent)
    : QDialog(parent), m_lookup(std::move(lookup)), m_strCatalogueFile(std::move(catalogueFile)),
      m_strPageFolder(std::move(pageFolder)), m_chooseFolder(std::move(chooseFolder)) {
    setObjectName(QStringLiteral("drivesDialog"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_pModel = new CDriveTableModel(m_lookup, this);
    m_pProxy = new QSortFilterProxyModel(this);
    m_pProxy->setSourceModel(m_pModel);
    m_pProxy->setSortRole(CDriveTableModel::kSortRole);
    BuildControls();
    RetextControls();
    resize(1180, 620);
    Reload();
}

void CDrivesDlg::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* filters = new QHBoxLayout;
    m_pDates = new QCheckBox(this);
    m_pFrom = new QDateEdit(QDate::currentDate().addMonths(-1), this);
    m_pTo = new QDateEdit(QDate::currentDate(), this);
    for (QDateEdit* edit : {m_pFrom, m_pTo}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setEnabled(false);
    }
    m_pDatesTo = new QLabel(this);
    m_pDatesTo->setTextFormat(Qt::PlainText);
    m_pText = new QLineEdit(this);
    m_pText->setClearButtonEnabled(true);
    m_pText->setObjectName(QStringLiteral("drivesText"));
    m_pOnlyIncidents = new QCheckBox(this);
    filters->addWidget(m_pDates);
    filters->addWidget(m_pFrom);
    filters->addWidget(m_pDatesTo);
    filters->addWidget(m_pTo);
    filters->addSpacing(12);
    filters->addWidget(m_pText, 1);
    filters->addSpacing(12);
    filters->addWidget(m_pOnlyIncidents);
    layout->addLayout(filters);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* left = new QWidget(splitter);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    m_pTable = new QTableView(left);
    m_pTable->setModel(m_pProxy);
    m_pTable->setSortingEnabled(true);
    m_pTable->sortByColumn(kDriveDate, Qt::DescendingOrder);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setWordWrap(false);
    m_pTable->verticalHeader()->hide();
    m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_pEmpty = new QLabel(left);
    m_pEmpty->setTextFormat(Qt::PlainText);
    m_pEmpty->setAlignment(Qt::AlignCenter);
    m_pEmpty->setWordWrap(true);
    leftLayout->addWidget(m_pTable, 1);
    leftLayout->addWidget(m_pEmpty);
    splitter->addWidget(left);
    if (!m_strPageFolder.isEmpty()) {
        m_pMap = new DrivesMapView(m_strPageFolder, splitter);
        m_pMap->setMinimumWidth(280);
        splitter->addWidget(m_pMap);
        connect(m_pMap, &DrivesMapView::driveClicked, this, [this](qint64 id) { SelectDrive(id); });
        splitter->setStretchFactor(0, 3);
        splitter->setStretchFactor(1, 2);
    }
    layout->addWidget(splitter, 1);

    auto* bottom = new QHBoxLayout;
    m_pTotals = new QLabel(this);
    m_pTotals->setTextFormat(Qt::PlainText);
    m_pTotals->setObjectName(QStringLiteral("drivesTotals"));
    m_pKeep = new QPushButton(this);
    m_pClose = new QPushButton(this);
    bottom->addWidget(m_pTotals, 1);
    bottom->addWidget(m_pKeep);
    bottom->addWidget(m_pClose);
    layout->addLayout(bottom);

    connect(m_pDates, &QCheckBox::toggled, this, [this](bool on) {
        m_pFrom->setEnabled(on);
        m_pTo->setEnabled(on);
        ApplyFilter();
    });
    connect(m_pFrom, &QDateEdit::dateChanged, this, &CDrivesDlg::ApplyFilter);
    connect(m_pTo, &QDateEdit::dateChanged, this, &CDrivesDlg::ApplyFilter);
    connect(m_pText, &QLineEdit::textChanged, this, &CDrivesDlg::ApplyFilter);
    connect(m_pOnlyIncidents, &QCheckBox::toggled, this, &CDrivesDlg::ApplyFilter);
    connect(m_pTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CDrivesDlg::OnSelectionChanged);
    connect(m_pTable, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { ActivateRow(index.row()); });
    connect(m_pKeep, &QPushButton::clicked, this, [this] {
        if (SelectedDrives().empty())
            return;
        const QString folder = m_chooseFolder
                                   ? m_chooseFolder(m_lookup(ids::kDrivesKeepFolder), DefaultKeepFolder())
                                   : DefaultKeepFolder();
        if (!folder.isEmpty())
            KeepSelected(folder);
    });
    connect(m_pClose, &QPushButton::clicked, this, &QDialog::close);
}

void CDrivesDlg::RetextControls() {
    setWindowTitle(m_lookup(ids::kDrivesCaption));
    m_pDates->setText(m_lookup(ids::kDrivesDates));
    m_pDatesTo->setText(m_lookup(ids::kDrivesDatesTo));
    m_pText->setPlaceholderText(m_lookup(ids::kDrivesSearch));
    m_pOnlyIncidents->setText(m_lookup(ids::kDrivesOnlyIncidents));
    m_pKeep->setText(m_lookup(ids::kDrivesKeep));
    m_pClose->setText(m_lookup(ids::kDrivesClose));
    m_pEmpty->setText(m_lookup(ids::kDrivesEmpty));
    ShowTotals();
}

void CDrivesDlg::Retext() {
    RetextControls();
    m_pModel->Retext();
}

void CDrivesDlg::Reload() {
    std::string error;
    if (!m_catalogue)
        m_catalogue = Catalogue::Open(m_strCatalogueFile.toStdString(), &error);
    if (!m_catalogue) {
        emit catalogueFailed(m_lookup(ids::kDrivesNoCatalogue).arg(QString::fromStdString(error)));
        return;
    }
    const std::vector<CataloguedDrive> selected = SelectedDrives();
    m_tracks.clear();
    m_pModel->SetDrives(m_catalogue->ListDrives(ListParts{}, &error));
    m_pModel->SetFilter(FilterOfControls());
    for (const CataloguedDrive& drive : selected)
        SelectDrive(drive.id);
    ShowTotals();
    ShowLines();
    if (!m_bColumnsFitted && m_pModel->rowCount() > 0) {
        m_pTable->resizeColumnsToContents();
        m_bColumnsFitted = true;
    }
}

void CDrivesDlg::SetMetric(bool metric) {
    m_pModel->SetMetric(metric);
    ShowTotals();
}

DriveFilter CDrivesDlg::FilterOfControls() const {
    DriveFilter filter;
    if (m_pDates->isChecked()) {
        filter.from = LocalSecondsOf(m_pFrom->date());
        filter.to = LocalSecondsOf(m_pTo->date().addDays(1));
    }
    filter.text = m_pText->text().trimmed().toStdString();
    filter.onlyWithIncidents = m_pOnlyIncidents->isChecked();
    return filter;
}

void CDrivesDlg::SetFilter(const DriveFilter& filter) {
    const QSignalBlocker blockDates(m_pDates), blockFrom(m_pFrom), blockTo(m_pTo), blockText(m_pText),
        blockIncidents(m_pOnlyIncidents);
    m_pDates->setChecked(filter.from || filter.to);
    m_pFrom->setEnabled(m_pDates->isChecked());
    m_pTo->setEnabled(m_pDates->isChecked());
    if (filter.from)
        m_pFrom->setDate(QDateTime::fromSecsSinceEpoch(*filter.from).date());
    if (filter.to)
        m_pTo->setDate(QDateTime::fromSecsSinceEpoch(*filter.to - 1).date());
    m_pText->setText(QString::fromStdString(filter.text));
    m_pOnlyIncidents->setChecked(filter.onlyWithIncidents);
    ApplyFilter();
}

void CDrivesDlg::ApplyFilter() {
    m_pModel->SetFilter(FilterOfControls());
    ShowTotals();
    ShowLines();
}

QString CDrivesDlg::TotalsText() const {
    const DriveTotals totals = m_pModel->Totals();
    return m_lookup(ids::kDrivesTotals)
        .arg(totals.drives)
        .arg(m_pModel->DistanceText(totals.distanceM))
        .arg(CDriveTableModel::DurationText(totals.durationMs));
}

void CDrivesDlg::SetRecording(bool recording) {
    m_bRecording = recording;
    ShowTotals();
}

void CDrivesDlg::ShowTotals() {
    m_pTotals->setText(m_bRecording ? TotalsText() + QStringLiteral("  —  ") + m_lookup(ids::kDrivesRecording)
                                    : TotalsText());
    const bool filtered =
        m_pDates->isChecked() || !m_pText->text().trimmed().isEmpty() || m_pOnlyIncidents->isChecked();
    m_pEmpty->setVisible(m_pModel->rowCount() == 0 && !filtered);
}

std::vector<TrackPoint> CDrivesDlg::TrackOfDrive(int64_t id) {
    auto it = m_tracks.find(id);
    if (it == m_tracks.end())
        it = m_tracks.emplace(id, SimplifyTrack(m_catalogue->TrackOf(id), kMaxMapPoints)).first;
    return it->second;
}

void CDrivesDlg::ShowLines() {
    if (!m_pMap || !m_catalogue)
        return;
    std::vector<DriveLine> lines;
    for (int row = 0; row < m_pModel->rowCount() && lines.size() < kMaxMapLines; ++row) {
        const int64_t id = m_pModel->DriveAt(row).id;
        DriveLine line{id, {}};
        for (const TrackPoint& p : TrackOfDrive(id))
            line.points.emplace_back(p.latitude, p.longitude);
        lines.push_back(std::move(line));
    }
    m_pMap->RunScript(QString::fromStdString(ShowDrivesScript(lines)));
    const std::vector<CataloguedDrive> selected = SelectedDrives();
    m_pMap->RunScript(QString::fromStdString(SelectDriveScript(selected.empty() ? 0 : selected.front().id)));
}

const CataloguedDrive* CDrivesDlg::DriveOfRow(int visibleRow) const {
    const QModelIndex source = m_pProxy->mapToSource(m_pProxy->index(visibleRow, 0));
    return source.isValid() ? &m_pModel->DriveAt(source.row()) : nullptr;
}

std::vector<CataloguedDrive> CDrivesDlg::SelectedDrives() const {
    std::vector<CataloguedDrive> drives;
    if (!m_pTable)
        return drives;
    for (const QModelIndex& index : m_pTable->selectionModel()->selectedRows())
        if (const CataloguedDrive* drive = DriveOfRow(index.row()))
            drives.push_back(*drive);
    return drives;
}

void CDrivesDlg::SelectDrive(int64_t id) {
    const int row = m_pModel->RowOfDrive(id);
    if (row < 0)
        return;
    const QModelIndex shown = m_pProxy->mapFromSource(m_pModel->index(row, 0));
    m_pTable->selectionModel()->select(shown,
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_pTable->setCurrentIndex(shown);
    m_pTable->scrollTo(shown);
}

void CDrivesDlg::OnSelectionChanged() {
    if (!m_pMap)
        return;
    const std::vector<CataloguedDrive> selected = SelectedDrives();
    m_pMap->RunScript(QString::fromStdString(SelectDriveScript(selected.empty() ? 0 : selected.front().id)));
}

void CDrivesDlg::ActivateRow(int visibleRow) {
    const CataloguedDrive* drive = DriveOfRow(visibleRow);
    if (!drive || !m_catalogue)
        return;
    const std::vector<CataloguedFile> files = m_catalogue->FilesOf(drive->id);
    if (files.empty())
        return;
    if (std::all_of(files.begin(), files.end(), IsPresent)) {
        emit openDrive(QString::fromStdString(drive->card.folder),
                       QString::fromStdString(files.front().path));
        return;
    }
    for (const CataloguedFile& f : files) {
        struct stat st {};
        if (!f.keptPath.empty() && ::stat(f.keptPath.c_str(), &st) == 0) {
            emit openDrive(FolderOf(f.keptPath), QString::fromStdString(f.keptPath));
            return;
        }
    }
    emit driveAbsent(m_lookup(ids::kDriveNotPresent)
                         .arg(QString::fromStdString(drive->card.DisplayName()),
                              QString::fromStdString(drive->card.folder)));
}

QString CDrivesDlg::DefaultKeepFolder() {
    QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (videos.isEmpty())
        videos = QDir::homePath() + QStringLiteral("/Videos");
    return videos + QStringLiteral("/Vemora Viewer/Kept");
}

void CDrivesDlg::KeepSelected(const QString& folder) {
    if (!m_catalogue)
        return;
    std::vector<CataloguedDrive> drives = SelectedDrives();
    for (CataloguedDrive& drive : drives)
        drive.files = m_catalogue->FilesOf(drive.id);
    std::vector<KeepItem> items = KeepItemsOf(drives, false);
    if (items.empty())
        return;
    auto* progress = CKeepProgressDlg::Start(this, m_lookup, m_strCatalogueFile, std::move(items),
                                             folder.isEmpty() ? DefaultKeepFolder() : folder);
    connect(progress, &CKeepProgressDlg::finished, this, [this](const QString& text) {
        Reload();
        emit keepFinished(text);
    });
}

} // namespace vemora
