// Entry point of ui_tests: widgets and Qt resources need a QApplication, created once for all tests.
#include "map/browser/MapPageScheme.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// Debian's Qt WebEngine (Chromium) frees some objects with a mismatched sized delete and keeps
// others, and the font and video libraries it loads, for the whole run. Those reports are theirs;
// the project's own code keeps every check.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6WebEngineCore.so\n"
           "leak:libfontconfig.so\n"
           "leak:libvlccore.so\n"
           "leak:libvlc.so\n"
           "leak:/vlc/plugins/\n";
}
#endif

int main(int argc, char** argv) {
    // No display is needed for the tests; an explicit platform given by the caller still wins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Tests of windows with a web view: the browser needs shared GL contexts set before the
    // application exists, and no sandbox when run as root.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    vemora::RegisterMapPageScheme();
    // The whole run gets fresh, empty user folders (settings, logs, the incidents of the cards
    // the tests open) and a current directory of its own that nothing may write into.
    std::string dir = "/tmp/vemora-ui-tests-XXXXXX";
    if (::mkdtemp(dir.data()) == nullptr || ::chdir(dir.c_str()) != 0)
        return 1;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir + "/config"));
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString(dir + "/state"));
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir + "/cache"));
    // And the drive catalogue that every scan adds to.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir + "/data"));
    ::testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    // The folder and whatever the tests left in it were made by this run only.
    std::error_code error;
    std::filesystem::current_path("/", error);
    std::filesystem::remove_all(dir, error);
    return result;
}
