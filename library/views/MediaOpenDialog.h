#pragma once
// Where the recordings are: a drive (a mounted volume), one file, or a folder. The dialog opens
// the folder browser as soon as it starts and ends with the browser, so in practice the user
// sees a folder picker that starts in the folder chosen last time.

#include <QDialog>
#include <QString>
#include <QStringList>

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace vemora {

// The mounted local volumes as the drive list shows them: "ROOT    [LABEL]", or the root alone
// when the volume has no label. Network file systems are left out.
QStringList DriveListEntries();
// The drive of a drive-list entry: the text before its label.
QString DriveOfEntry(const QString& entry);

// The folder browser, starting at initialFolder when that exists. Empty when cancelled.
QString BrowseForFolder(QWidget* owner, const QString& title, const QString& initialFolder);

class CMediaOpenDialog : public QDialog {
    Q_OBJECT
public:
    enum Choice { Disk = 0, File = 1, Folder = 2 };

    // folderBrowser: how the folder is chosen (the real browser when null; tests answer).
    using FolderBrowser = QString (*)(QWidget*, const QString&, const QString&);
    explicit CMediaOpenDialog(QWidget* parent = nullptr, FolderBrowser folderBrowser = nullptr);

    // Opens the folder browser at once; ends with Accepted and the folder, or Rejected.
    int exec() override;

    int m_nChoice = File;
    QString m_strDisk;
    QString m_strFile;
    QString m_strFolder;

private:
    void BrowseFolder();
    void BrowseFile();
    void OnOk();
    void ReadControls();

    FolderBrowser m_folderBrowser;
    QButtonGroup* m_pChoice = nullptr;
    QComboBox* m_pDrives = nullptr;
    QLineEdit* m_pFile = nullptr;
    QLineEdit* m_pFolder = nullptr;
};

} // namespace vemora
