// Entry point of ui_tests: widgets and Qt resources need a QApplication, created once for all tests.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    // No display is needed for the tests; an explicit platform given by the caller still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Tests of windows with a web view: the browser needs shared GL contexts set before the
    // application exists, and no sandbox when run as root.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The settings file lives in the current directory: give the whole run a fresh, empty one.
    std::string dir = "/tmp/vemora-ui-tests-XXXXXX";
    if (::mkdtemp(dir.data()) == nullptr || ::chdir(dir.c_str()) != 0)
        return 1;
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
