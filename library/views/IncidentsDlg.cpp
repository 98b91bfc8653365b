#include "library/views/IncidentsDlg.h"

#include "library/IncidentCsv.h"
#include "library/ListTexts.h"
#include "library/views/IncidentTexts.h"
#include "map/NumberText.h"
#include "platform/TextFile.h"
#include "widgets/PlainText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vemora {

namespace {

enum Column { When, Drive, Kind, Strength, Speed, File, ColumnCount };
constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kRowRole = Qt::UserRole + 2; // index into the dialog's rows
constexpr int kKindRole = Qt::UserRole + 3;

QString WhenText(const ListedIncident& c) {
    return QString::fromStdString(FormatLocalTime(c.startTime + c.incident.timeMs / 1000, kGroupStartFormat));
}

QString StrengthText(const Incident& c) {
    return c.kind == IncidentKind::Jolt ? QStringLiteral("%1 g").arg(c.strength, 0, 'f', 2)
                                        : QStringLiteral("%1 m/s²").arg(c.strength, 0, 'f', 1);
}

QString SpeedText(const Incident& c) {
    return c.speedKmh >= 0 ? QStringLiteral("%1 km/h").arg(c.speedKmh) : QStringLiteral("—");
}

QStandardItem* Cell(const QString& text, const QVariant& sortKey) {
    auto* item = new QStandardItem(text);
    item->setData(sortKey, kSortRole);
    item->setEditable(false);
    return item;
}

} // namespace

CIncidentsDlg::CIncidentsDlg(UiStringLookup lookup, SavePathChooser chooseSavePath, QWidget* parent)
    : QDialog(parent), m_lookup(std::move(lookup)), m_chooseSavePath(std::move(chooseSavePath)),
      m_pModel(new QStandardItemModel(0, ColumnCount, this)), m_pProxy(new QSortFilterProxyModel(this)),
      m_pTable(new QTableView(this)), m_pKind(new QComboBox(this)), m_pEmpty(new QLabel(this)),
      m_pExport(new QPushButton(this)) {
    setObjectName(QStringLiteral("incidentsDialog"));
    m_pProxy->setSourceModel(m_pModel);
    m_pProxy->setSortRole(kSortRole);
    m_pProxy->setFilterRole(kKindRole);
    m_pProxy->setFilterKeyColumn(Kind);
    m_pTable->setModel(m_pProxy);
    m_pTable->setSortingEnabled(true);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->sortByColumn(When, Qt::AscendingOrder);
    connect(m_pTable, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            ActivateRow(index.row());
    });
    connect(m_pKind, &QComboBox::currentIndexChanged, this, &CIncidentsDlg::SetKindFilter);
    connect(m_pExport, &QPushButton::clicked, this, &CIncidentsDlg::ExportList);
    m_pEmpty->setAlignment(Qt::AlignCenter);

    auto* top = new QHBoxLayout;
    top->addWidget(m_pKind);
    top->addStretch(1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_pExport, QDialogButtonBox::ActionRole);
    m_pReport = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    m_pReport->setObjectName(QStringLiteral("incidentReport"));
    m_pReport->setAutoDefault(false);
    connect(m_pTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_pReport->setEnabled(m_pTable->selectionModel()->hasSelection()); });
    connect(m_pReport, &QPushButton::clicked, this, [this] {
        const QModelIndexList selected = m_pTable->selectionModel()->selectedRows();
        if (!selected.isEmpty())
            ReportRow(selected.front().row());
    });
    m_pClose = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_pClose->setAutoDefault(false);
    m_pExport->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pTable, 1);
    layout->addWidget(m_pEmpty);
    layout->addWidget(buttons);
    RetextControls();
    resize(760, 420);
}

QString CIncidentsDlg::KindText(IncidentKind kind) const {
    return m_lookup(kind == IncidentKind::Jolt ? ids::kIncidentJolt : ids::kIncidentHardBraking);
}

void CIncidentsDlg::Retext() {
    RetextControls();
    FillModel();
}

void CIncidentsDlg::RetextControls() {
    setWindowTitle(m_lookup(ids::kIncidentsCaption));
    m_pModel->setHorizontalHeaderLabels(
        {m_lookup(ids::kIncidentWhenColumn), m_lookup(ids::kIncidentDriveColumn),
         m_lookup(ids::kIncidentKindColumn), m_lookup(ids::kIncidentStrengthColumn),
         m_lookup(ids::kIncidentSpeedColumn), m_lookup(ids::kIncidentFileColumn)});
    const int choice = m_pKind->currentIndex();
    QSignalBlocker quiet(m_pKind);
    m_pKind->clear();
    m_pKind->addItems({m_lookup(ids::kIncidentAllKinds), KindText(IncidentKind::Jolt),
                       KindText(IncidentKind::HardBraking)});
    m_pKind->setCurrentIndex(std::max(choice, 0));
    m_pExport->setText(m_lookup(ids::kIncidentExport));
    m_pReport->setText(m_lookup(ids::kIncidentReport));
    m_pClose->setText(m_lookup(ids::kIncidentClose));
    m_pEmpty->setText(m_lookup(ids::kIncidentNone));
}

void CIncidentsDlg::SetRows(std::vector<IncidentListRow> rows) {
    m_rows = std::move(rows);
    FillModel();
}

void CIncidentsDlg::FillModel() {
    m_pModel->removeRows(0, m_pModel->rowCount());
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const ListedIncident& c = m_rows[i].listed;
        const qint64 when = c.startTime * 1000 + c.incident.timeMs;
        QList<QStandardItem*> cells = {
            Cell(WhenText(c), when),
            Cell(m_rows[i].group >= 0 ? QString::fromStdString(GroupIdText(m_rows[i].group)) : QString(),
                 m_rows[i].group),
            Cell(KindText(c.incident.kind), static_cast<int>(c.incident.kind)),
            Cell(StrengthText(c.incident), c.incident.strength),
            Cell(SpeedText(c.incident), c.incident.speedKmh),
            Cell(QFileInfo(QString::fromStdString(c.file)).fileName(), QString::fromStdString(c.file)),
        };
        cells[When]->setData(static_cast<int>(i), kRowRole);
        cells[Kind]->setData(QString::number(static_cast<int>(c.incident.kind)), kKindRole);
        cells[File]->setToolTip(PlainToolTip(QString::fromStdString(c.file)));
        m_pModel->appendRow(cells);
    }
    m_pTable->resizeColumnsToContents();
    m_pEmpty->setVisible(m_rows.empty());
    m_pExport->setEnabled(!m_rows.empty());
    m_pReport->setEnabled(false); // until a row is selected
}

void CIncidentsDlg::SetKindFilter(int choice) {
    if (m_pKind->currentIndex() != choice)
        m_pKind->setCurrentIndex(choice);
    m_pProxy->setFilterFixedString(choice <= 0 ? QString() : QString::number(choice - 1));
}

int CIncidentsDlg::VisibleRowCount() const {
    return m_pProxy->rowCount();
}

void CIncidentsDlg::ActivateRow(int visibleRow) {
    QModelIndex index = m_pProxy->index(visibleRow, When);
    bool ok = false;
    int row = index.data(kRowRole).toInt(&ok);
    if (!ok || row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    const ListedIncident& c = m_rows[static_cast<size_t>(row)].listed;
    emit playIncident(QString::fromStdString(c.file), c.incident.timeMs);
}

void CIncidentsDlg::ReportRow(int visibleRow) {
    QModelIndex index = m_pProxy->index(visibleRow, When);
    bool ok = false;
    int row = index.data(kRowRole).toInt(&ok);
    if (!ok || row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    const ListedIncident& c = m_rows[static_cast<size_t>(row)].listed;
    emit reportIncident(QString::fromStdString(c.file), c.incident.timeMs);
}

std::string CIncidentsDlg::CsvOfVisibleRows() const {
    std::vector<std::string> header = {"date_time", "drive",    "file",     "time_ms",
                                       "kind",      "strength", "speed_kmh"};
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < m_pProxy->rowCount(); ++r) {
        int row = m_pProxy->index(r, When).data(kRowRole).toInt();
        const IncidentListRow& shown = m_rows[static_cast<size_t>(row)];
        const Incident& c = shown.listed.incident;
        // The same text in every locale: a decimal comma would split the field.
        const std::string strength = FixedText(c.strength, 2);
        rows.push_back({WhenText(shown.listed).toStdString(),
                        shown.group >= 0 ? GroupIdText(shown.group) : "", shown.listed.file,
                        std::to_string(c.timeMs), std::string(IncidentKindKey(c.kind)), strength,
                        c.speedKmh >= 0 ? std::to_string(c.speedKmh) : ""});
    }
    return CsvText(header, rows);
}

void CIncidentsDlg::ExportList() {
    if (!m_chooseSavePath)
        return;
    QString suggested = QDir(m_strExportFolder.isEmpty() ? QDir::homePath() : m_strExportFolder)
                            .filePath(QStringLiteral("incidents.csv"));
    QString path = m_chooseSavePath(m_lookup(ids::kIncidentExport).remove(QChar(0x2026)), suggested);
    if (path.isEmpty())
        return;
    std::string error;
    if (!WriteTextFile(path.toStdString(), CsvOfVisibleRows(), &error)) {
        QString text = m_lookup(ids::kIncidentExportFailed);
        text.replace(QStringLiteral("%1"), QString::fromStdString(error));
        emit exportFailed(text);
    }
}

} // namespace vemora
