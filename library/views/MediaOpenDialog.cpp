#include "library/views/MediaOpenDialog.h"

#include "settings/SettingsFile.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>

namespace vemora {

namespace {

const char* const kDriveLabelGap = "    ";

bool IsNetworkFileSystem(const QByteArray& type) {
    static const char* const kRemote[] = {"nfs",       "nfs4",       "cifs",       "smb3", "smbfs",
                                          "sshfs",     "fuse.sshfs", "9p",         "afs",  "ceph",
                                          "glusterfs", "davfs",      "fuse.davfs2"};
    for (const char* remote : kRemote)
        if (type == remote)
            return true;
    return false;
}

} // namespace

QStringList DriveListEntries() {
    QStringList entries;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || IsNetworkFileSystem(volume.fileSystemType()))
            continue;
        QString root = volume.rootPath();
        QString label = volume.name().left(32);
        entries << (label.isEmpty()
                        ? root
                        : root + QLatin1String(kDriveLabelGap) + QLatin1Char('[') + label + QLatin1Char(']'));
    }
    return entries;
}

QString DriveOfEntry(const QString& entry) {
    int gap = static_cast<int>(entry.indexOf(QLatin1String(kDriveLabelGap)));
    return gap < 0 ? entry : entry.left(gap);
}

QString BrowseForFolder(QWidget* owner, const QString& title, const QString& initialFolder) {
    QString start = QDir(initialFolder).exists() ? initialFolder : QString();
    return QFileDialog::getExistingDirectory(owner, title, start, QFileDialog::ShowDirsOnly);
}

CMediaOpenDialog::CMediaOpenDialog(QWidget* parent, FolderBrowser folderBrowser)
    : QDialog(parent), m_folderBrowser(folderBrowser ? folderBrowser : &BrowseForFolder) {
    auto& s = SettingsFile::Instance();
    setWindowTitle(s.LoadUiString(104));
    auto* grid = new QGridLayout(this);
    m_pChoice = new QButtonGroup(this);
    const std::pair<int, int> kChoices[] = {{Disk, 111}, {File, 113}, {Folder, 112}};
    for (auto [choice, stringId] : kChoices) {
        auto* radio = new QRadioButton(s.LoadUiString(stringId), this);
        m_pChoice->addButton(radio, choice);
        grid->addWidget(radio, choice, 0);
    }
    m_pDrives = new QComboBox(this);
    m_pDrives->addItems(DriveListEntries());
    m_pDrives->setCurrentIndex(m_pDrives->count() - 1);
    grid->addWidget(m_pDrives, Disk, 1, 1, 2);
    m_pFile = new QLineEdit(this);
    grid->addWidget(m_pFile, File, 1);
    auto* browseFile = new QPushButton(QStringLiteral("..."), this);
    grid->addWidget(browseFile, File, 2);
    m_pFolder = new QLineEdit(s.GetFolder(), this);
    grid->addWidget(m_pFolder, Folder, 1);
    auto* browseFolder = new QPushButton(QStringLiteral("..."), this);
    grid->addWidget(browseFolder, Folder, 2);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(s.LoadUiString(107), QDialogButtonBox::AcceptRole);
    buttons->addButton(s.LoadUiString(108), QDialogButtonBox::RejectRole);
    grid->addWidget(buttons, 3, 0, 1, 3);
    connect(browseFile, &QPushButton::clicked, this, &CMediaOpenDialog::BrowseFile);
    connect(browseFolder, &QPushButton::clicked, this, &CMediaOpenDialog::BrowseFolder);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMediaOpenDialog::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_pChoice->button(File)->setChecked(true);
    ReadControls();
}

int CMediaOpenDialog::exec() {
    BrowseFolder();
    return result();
}

void CMediaOpenDialog::ReadControls() {
    m_nChoice = m_pChoice->checkedId();
    m_strDisk = DriveOfEntry(m_pDrives->currentText());
    m_strFile = m_pFile->text();
    m_strFolder = m_pFolder->text();
}

void CMediaOpenDialog::BrowseFolder() {
    auto& s = SettingsFile::Instance();
    QString chosen = m_folderBrowser(this, s.LoadUiString(130), s.GetFolder());
    if (chosen.isEmpty()) {
        setResult(QDialog::Rejected);
        return;
    }
    m_pFolder->setText(chosen);
    m_pChoice->button(Folder)->setChecked(true);
    s.WriteFolder(QDir(chosen).exists() ? chosen : QString());
    OnOk();
}

void CMediaOpenDialog::BrowseFile() {
    QString chosen =
        QFileDialog::getOpenFileName(this, QString(), QString(), QString(), nullptr, QFileDialog::ReadOnly);
    if (chosen.isEmpty())
        return;
    m_pFile->setText(chosen);
    m_pChoice->button(File)->setChecked(true);
}

void CMediaOpenDialog::OnOk() {
    ReadControls();
    setResult(QDialog::Accepted);
    if (isVisible())
        accept();
}

} // namespace vemora
