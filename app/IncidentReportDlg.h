#pragma once
// The incident report's dialog: the moment it is about (recording and time, shown as plain
// text), the seconds before and after it that the clip and the originals cover, and the new
// folder of the pack.

#include <QDialog>
#include <QString>

#include <functional>

class QDoubleSpinBox;
class QLineEdit;

namespace vemora {

struct ReportDialogValues {
    QString recordingName;
    double atMs = 0;
    double beforeMs = 10000;
    double afterMs = 10000;
    QString folder;
};

class CIncidentReportDlg : public QDialog {
    Q_OBJECT
public:
    // uiString: the string-table lookup. acceptFolder: checks the chosen folder, may say why not
    // and return false to keep the dialog open.
    CIncidentReportDlg(const ReportDialogValues& values, std::function<QString(int)> uiString,
                       std::function<bool(const QString&)> acceptFolder, QWidget* parent);

    ReportDialogValues Values() const;

private:
    void Browse();
    void TryAccept();

    ReportDialogValues m_values;
    std::function<QString(int)> m_uiString;
    std::function<bool(const QString&)> m_acceptFolder;
    QDoubleSpinBox* m_before = nullptr;
    QDoubleSpinBox* m_after = nullptr;
    QLineEdit* m_folder = nullptr;
};

} // namespace vemora
