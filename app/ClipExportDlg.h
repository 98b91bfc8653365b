#pragma once
// The clip export's dialog: the range (seconds from the start of the recording it begins in),
// layout, band, size (for sharing, or full for evidence) with the file size to expect, quality and
// the file to write.

#include "media/ClipEstimate.h"
#include "media/ClipWriter.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace vemora {

struct ClipDialogValues {
    QString recordingName; // shown above the range
    double fromMs = 0;
    double toMs = 0;
    double maxMs = 0; // end of the drive from the recording's start
    media::ClipLayout layout = media::ClipLayout::Side;
    bool band = true;
    media::ClipSize size = media::ClipSize::Share;
    media::ClipQuality quality = media::ClipQuality::Standard;
    QString outPath;
    media::ClipSources sources; // the cameras' picture sizes, for the size estimate
};

class CClipExportDlg : public QDialog {
    Q_OBJECT
public:
    // uiString: the string-table lookup. accept: checks the chosen file, may say why not and
    // return false to keep the dialog open.
    CClipExportDlg(const ClipDialogValues& values, std::function<QString(int)> uiString,
                   std::function<bool(const QString&)> acceptPath, QWidget* parent);

    ClipDialogValues Values() const;

private:
    void Browse();
    void ShowEstimate();
    void TryAccept();
    bool ReplaceAllowed(const QString& path);

    ClipDialogValues m_values;
    std::function<QString(int)> m_uiString;
    std::function<bool(const QString&)> m_acceptPath;
    QDoubleSpinBox* m_from = nullptr;
    QDoubleSpinBox* m_to = nullptr;
    QComboBox* m_layout = nullptr;
    QCheckBox* m_band = nullptr;
    QComboBox* m_size = nullptr;
    QLabel* m_estimate = nullptr;
    QComboBox* m_quality = nullptr;
    QLineEdit* m_path = nullptr;
    QString m_confirmedPath; // chosen in the save dialog, which asked about replacing it
};

} // namespace vemora
