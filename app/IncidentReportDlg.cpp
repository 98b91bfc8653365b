#include "app/IncidentReportDlg.h"

#include "app/ReportDlgTexts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vemora {

namespace {

// The pack covers at most ten minutes either side: the originals of a longer stretch are a copy
// of the card, not a report.
constexpr double kLongestMarginSeconds = 600;

QDoubleSpinBox* SecondsBox(double ms, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(0);
    box->setSingleStep(5.0);
    box->setRange(0.0, kLongestMarginSeconds);
    box->setValue(ms / 1000.0);
    box->setMinimumWidth(90);
    return box;
}

} // namespace

CIncidentReportDlg::CIncidentReportDlg(const ReportDialogValues& values, std::function<QString(int)> uiString,
                                       std::function<bool(const QString&)> acceptFolder, QWidget* parent)
    : QDialog(parent), m_values(values), m_uiString(std::move(uiString)),
      m_acceptFolder(std::move(acceptFolder)) {
    setObjectName(QStringLiteral("incidentReport"));
    setWindowTitle(m_uiString(reportdlgtext::kTitle));
    auto* form = new QFormLayout(this);
    // The name comes from the card: plain text, never markup.
    auto* moment = new QLabel(values.recordingName + QStringLiteral("  ·  ") +
                                  QString::number(values.atMs / 1000.0, 'f', 2) + QStringLiteral(" s"),
                              this);
    moment->setTextFormat(Qt::PlainText);
    QFont bold = moment->font();
    bold.setBold(true);
    moment->setFont(bold);
    form->addRow(m_uiString(reportdlgtext::kMoment), moment);

    m_before = SecondsBox(values.beforeMs, this);
    m_after = SecondsBox(values.afterMs, this);
    form->addRow(m_uiString(reportdlgtext::kBefore), m_before);
    form->addRow(m_uiString(reportdlgtext::kAfter), m_after);

    m_folder = new QLineEdit(values.folder, this);
    m_folder->setMinimumWidth(460);
    auto* browse = new QPushButton(m_uiString(reportdlgtext::kBrowse), this);
    connect(browse, &QPushButton::clicked, this, &CIncidentReportDlg::Browse);
    auto* folder = new QHBoxLayout;
    folder->addWidget(m_folder, 1);
    folder->addWidget(browse);
    form->addRow(m_uiString(reportdlgtext::kFolder), folder);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(m_uiString(reportdlgtext::kMake), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(m_uiString(reportdlgtext::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CIncidentReportDlg::TryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

ReportDialogValues CIncidentReportDlg::Values() const {
    ReportDialogValues v = m_values;
    v.beforeMs = m_before->value() * 1000.0;
    v.afterMs = m_after->value() * 1000.0;
    v.folder = QDir::cleanPath(m_folder->text().trimmed());
    return v;
}

// The folder chosen is where the pack goes; it keeps the proposed name inside it.
void CIncidentReportDlg::Browse() {
    const QFileInfo current(m_folder->text().trimmed());
    QString parent =
        QFileDialog::getExistingDirectory(this, m_uiString(reportdlgtext::kTitle), current.absolutePath());
    if (parent.isEmpty())
        return;
    m_folder->setText(QDir(parent).filePath(current.fileName()));
}

void CIncidentReportDlg::TryAccept() {
    if (m_before->value() + m_after->value() <= 0) {
        m_after->setFocus();
        return;
    }
    const QString folder = m_folder->text().trimmed();
    if (folder.isEmpty()) {
        m_folder->setFocus();
        return;
    }
    if (m_acceptFolder && !m_acceptFolder(QDir::cleanPath(folder)))
        return;
    accept();
}

} // namespace vemora
