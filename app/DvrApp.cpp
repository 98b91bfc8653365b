#include "app/DvrApp.h"

#include "app/DvrDlg.h"
#include "map/browser/MapPageScheme.h"
#include "platform/Diagnostics.h"
#include "settings/SettingsFile.h"
#include "widgets/GdiPlusBitmap.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <unistd.h>

namespace vemora {

namespace {

// The application icon drawn at the sizes task bars and window lists ask for.
QIcon ApplicationIcon() {
    QIcon icon;
    CGdiPlusBitmapResource picture;
    if (picture.Load(QStringLiteral("app_icon")))
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            icon.addPixmap(QPixmap::fromImage(picture.Render(QSize(side, side))));
    return icon;
}

} // namespace

void PrepareProcessEnvironment() {
    // Chromium's compositor and the native video panes share one window only with the RHI path.
    qputenv("QT_WIDGETS_RHI", "1");
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Only the video panes (and what holds them) need windows of their own. By default their
    // siblings would get one too, and with RHI composition every native window is flushed on its
    // own: a context switch and a buffer swap per button at each repaint.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    // The engine learns custom schemes only before the application object exists.
    RegisterMapPageScheme();
}

int CDvrApp::InitInstance(int& argc, char** argv) {
    Diag("----->> CDvrApp::InitInstance +++++ \n");
    PrepareProcessEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemora Viewer"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vemora.viewer"));
    QApplication::setWindowIcon(ApplicationIcon());
    Diag("----->> CDvrApp::InitInstance ********** 111 \n");
    // POSIX sockets need no start-up call; nothing can fail here.
    Diag("----->> CDvrApp::InitInstance ********** 222 \n");
    SettingsFile::Instance();

    CDvrDlg dlg;
    Diag("----->> CDvrApp::InitInstance ********** 333 \n");
    dlg.OnInitDialog();
    // A folder named on the command line is opened as if chosen with OPEN.
    const QStringList args = QCoreApplication::arguments();
    dlg.ShowStarting(args.size() > 1 ? args.at(1) : QString());
    Diag("----->> CDvrApp::InitInstance ********** 444 \n");

    g_bLoopEnded = false;
    app.exec();
    g_bLoopEnded = true;

    Diag("----->> CDvrApp::InitInstance ********** 555 \n");
    Diag("----->> CDvrApp::InitInstance ----- \n");
    return 0;
}

} // namespace vemora
