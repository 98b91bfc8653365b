#include "app/ClipExportDlg.h"

#include "app/ClipTexts.h"
#include "widgets/PlainText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace vemora {

namespace {

QDoubleSpinBox* SecondsBox(double ms, double maxMs, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    // Hundredths: a mark set with I or O lands within a frame of where the clip starts.
    box->setDecimals(2);
    box->setSingleStep(1.0);
    box->setRange(0.0, maxMs / 1000.0);
    box->setValue(ms / 1000.0);
    box->setMinimumWidth(110);
    return box;
}

// "About 12 MB", with a tenth below 10 MB: an estimate, not a promise.
QString Megabytes(int64_t bytes) {
    const double mb = static_cast<double>(bytes) / 1e6;
    return QString::number(mb, 'f', mb < 10 ? 1 : 0);
}

} // namespace

CClipExportDlg::CClipExportDlg(const ClipDialogValues& values, std::function<QString(int)> uiString,
                               std::function<bool(const QString&)> acceptPath, QWidget* parent)
    : QDialog(parent), m_values(values), m_uiString(std::move(uiString)),
      m_acceptPath(std::move(acceptPath)) {
    setObjectName(QStringLiteral("clipExport"));
    setWindowTitle(m_uiString(cliptext::kTitle));
    auto* form = new QFormLayout(this);
    auto* name = new QLabel(this);
    MakePlain(*name);
    name->setText(values.recordingName);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    form->addRow(name);

    m_from = SecondsBox(values.fromMs, values.maxMs, this);
    m_to = SecondsBox(values.toMs, values.maxMs, this);
    auto* range = new QHBoxLayout;
    range->addWidget(m_from);
    range->addWidget(new QLabel(QStringLiteral("–"), this));
    range->addWidget(m_to);
    range->addStretch();
    form->addRow(m_uiString(cliptext::kStart) + QStringLiteral(" – ") + m_uiString(cliptext::kEnd), range);

    m_layout = new QComboBox(this);
    for (auto [layout, text] : {std::pair{media::ClipLayout::Side, cliptext::kLayoutSide},
                                {media::ClipLayout::Pip, cliptext::kLayoutPip},
                                {media::ClipLayout::Front, cliptext::kLayoutFront},
                                {media::ClipLayout::Rear, cliptext::kLayoutRear}})
        m_layout->addItem(m_uiString(text), static_cast<int>(layout));
    m_layout->setCurrentIndex(m_layout->findData(static_cast<int>(values.layout)));
    form->addRow(m_uiString(cliptext::kLayout), m_layout);

    m_band = new QCheckBox(m_uiString(cliptext::kBand), this);
    m_band->setChecked(values.band);
    form->addRow(QString(), m_band);

    m_size = new QComboBox(this);
    m_size->addItem(m_uiString(cliptext::kSizeShare), static_cast<int>(media::ClipSize::Share));
    m_size->addItem(m_uiString(cliptext::kSizeFull), static_cast<int>(media::ClipSize::Full));
    m_size->setCurrentIndex(m_size->findData(static_cast<int>(values.size)));
    form->addRow(m_uiString(cliptext::kSize), m_size);

    m_quality = new QComboBox(this);
    m_quality->addItem(m_uiString(cliptext::kQualityStandard),
                       static_cast<int>(media::ClipQuality::Standard));
    m_quality->addItem(m_uiString(cliptext::kQualityHigh), static_cast<int>(media::ClipQuality::High));
    m_quality->setCurrentIndex(m_quality->findData(static_cast<int>(values.quality)));
    form->addRow(m_uiString(cliptext::kQuality), m_quality);

    m_estimate = new QLabel(this);
    MakePlain(*m_estimate);
    m_estimate->setObjectName(QStringLiteral("clipEstimate"));
    form->addRow(m_uiString(cliptext::kEstimate), m_estimate);
    for (QDoubleSpinBox* box : {m_from, m_to})
        connect(box, &QDoubleSpinBox::valueChanged, this, &CClipExportDlg::ShowEstimate);
    for (QComboBox* box : {m_layout, m_size, m_quality})
        connect(box, &QComboBox::currentIndexChanged, this, &CClipExportDlg::ShowEstimate);
    connect(m_band, &QCheckBox::toggled, this, &CClipExportDlg::ShowEstimate);

    m_path = new QLineEdit(values.outPath, this);
    m_path->setMinimumWidth(420);
    auto* browse = new QPushButton(m_uiString(cliptext::kBrowse), this);
    connect(browse, &QPushButton::clicked, this, &CClipExportDlg::Browse);
    auto* file = new QHBoxLayout;
    file->addWidget(m_path, 1);
    file->addWidget(browse);
    form->addRow(m_uiString(cliptext::kFile), file);
    // The estimate reads every field, the file's included.
    ShowEstimate();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(m_uiString(cliptext::kExport), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(m_uiString(cliptext::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CClipExportDlg::TryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

ClipDialogValues CClipExportDlg::Values() const {
    ClipDialogValues v = m_values;
    v.fromMs = m_from->value() * 1000.0;
    v.toMs = m_to->value() * 1000.0;
    v.layout = static_cast<media::ClipLayout>(m_layout->currentData().toInt());
    v.band = m_band->isChecked();
    v.size = static_cast<media::ClipSize>(m_size->currentData().toInt());
    v.quality = static_cast<media::ClipQuality>(m_quality->currentData().toInt());
    v.outPath = m_path->text().trimmed();
    return v;
}

void CClipExportDlg::ShowEstimate() {
    const ClipDialogValues v = Values();
    media::ClipOptions options;
    options.layout = v.layout;
    options.band = v.band;
    options.size = v.size;
    options.quality = v.quality;
    const media::ClipEstimate estimate = media::EstimateClip(v.sources, options, v.toMs - v.fromMs);
    m_estimate->setText(estimate.ok ? m_uiString(cliptext::kEstimateValue)
                                          .arg(Megabytes(estimate.bytes))
                                          .arg(estimate.width)
                                          .arg(estimate.height)
                                    : m_uiString(cliptext::kEstimateUnknown));
}

void CClipExportDlg::Browse() {
    QString chosen =
        QFileDialog::getSaveFileName(this, m_uiString(cliptext::kTitle), m_path->text(),
                                     m_uiString(cliptext::kFileFilter) + QStringLiteral(" (*.mp4)"));
    if (chosen.isEmpty())
        return;
    m_confirmedPath = chosen; // the save dialog asked before replacing it
    if (!chosen.endsWith(QStringLiteral(".mp4"), Qt::CaseInsensitive))
        chosen += QStringLiteral(".mp4");
    m_path->setText(chosen);
}

// A file that is there already is replaced only when the user says so (the save dialog has
// asked already for a file chosen there).
bool CClipExportDlg::ReplaceAllowed(const QString& path) {
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    if (path == m_confirmedPath)
        return true;
    QMessageBox box(this);
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(m_uiString(cliptext::kTitle));
    box.setText(m_uiString(cliptext::kReplaceAsk).arg(QDir::toNativeSeparators(path)));
    QPushButton* replace = box.addButton(m_uiString(cliptext::kReplace), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(m_uiString(cliptext::kCancel), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == replace;
}

void CClipExportDlg::TryAccept() {
    if (m_to->value() <= m_from->value()) {
        m_to->setFocus();
        return;
    }
    if (m_path->text().trimmed().isEmpty()) {
        m_path->setFocus();
        return;
    }
    if (m_acceptPath && !m_acceptPath(m_path->text().trimmed()))
        return;
    if (!ReplaceAllowed(m_path->text().trimmed()))
        return;
    accept();
}

} // namespace vemora
