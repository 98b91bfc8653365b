// Two bare libVLC players in two plain windows, for comparing the viewer's playback cost with
// the least any program could spend on the same pair of files.
//   bench_bare_players FRONT_FILE REAR_FILE [--first-pictures]
// With --first-pictures: prints when both panes first show a picture, counted from the process's
// start, and ends.
#include "bench/ui/PanePictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QPalette>
#include <QWidget>

#include <vlc/vlc.h>

#include <cstdio>
#include <string_view>

namespace {

struct BarePlayer {
    libvlc_instance_t* instance = nullptr;
    libvlc_media_player_t* player = nullptr;

    BarePlayer(const char* path, QWidget* pane, bool noAudio) {
        const char* args[] = {"-I", "dummy", "--ignore-config"};
        instance = libvlc_new(3, args);
        if (!instance)
            return;
        libvlc_media_t* media = libvlc_media_new_path(instance, path);
        libvlc_media_add_option(media, ":avcodec-hw=any");
        if (noAudio)
            libvlc_media_add_option(media, ":no-audio");
        player = libvlc_media_player_new_from_media(media);
        libvlc_media_release(media);
        libvlc_media_player_set_xwindow(player, static_cast<uint32_t>(pane->winId()));
        libvlc_media_player_play(player);
    }
    ~BarePlayer() {
        if (player) {
            libvlc_media_player_stop(player);
            libvlc_media_player_release(player);
        }
        if (instance)
            libvlc_release(instance);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool firstPictures = argc == 4 && std::string_view(argv[3]) == "--first-pictures";
    if (argc != 3 && !firstPictures) {
        std::fprintf(stderr, "usage: bench_bare_players FRONT_FILE REAR_FILE [--first-pictures]\n");
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare players"));
    auto* layout = new QHBoxLayout(&window);
    QWidget* panes[2];
    for (QWidget*& pane : panes) {
        pane = new QWidget(&window);
        // Black until a player draws, as the viewer's panes are: the window's grey would count
        // as a picture at once.
        pane->setAutoFillBackground(true);
        QPalette black = pane->palette();
        black.setColor(QPalette::Window, Qt::black);
        pane->setPalette(black);
        pane->setAttribute(Qt::WA_NativeWindow);
        pane->setMinimumSize(480, 270);
        layout->addWidget(pane);
    }
    window.show();
    BarePlayer front(argv[1], panes[0], false);
    BarePlayer rear(argv[2], panes[1], true);
    if (!front.player || !rear.player) {
        std::fprintf(stderr, "bench_bare_players: libVLC could not start\n");
        return 1;
    }
    if (!firstPictures)
        return app.exec();
    QElapsedTimer waited;
    waited.start();
    while (!(vemora::bench::ShowsPicture(panes[0]) && vemora::bench::ShowsPicture(panes[1]))) {
        if (waited.elapsed() > 20000) {
            std::fprintf(stderr, "bench_bare_players: no picture in both panes\n");
            return 1;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    std::printf("first pictures %lld ms after the start\n", vemora::bench::MsSinceProcessStart());
    return 0;
}
