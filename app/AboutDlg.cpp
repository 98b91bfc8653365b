#include "app/AboutDlg.h"

#include "platform/Version.h"
#include "settings/SettingsFile.h"
#include "settings/WindowTexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

namespace vemora {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    // The entry text carries a menu accelerator; a caption shows it without the ampersand.
    QString caption = SettingsFile::Instance().LoadUiString(wintext::kAboutEntry);
    setWindowTitle(caption.remove(QLatin1Char('&')));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Kalvo"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("バージョン"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Vemora Viewer"), this), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Ver. ") + QLatin1String(kVersion), this), 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, 2, 0, 1, 2);
}

} // namespace vemora
