// Plays a generated front/rear pair in the viewer's main window (under X, e.g. xvfb-run) and
// reports the time from a group activation to a picture in both panes, and how far the two
// players' times part while they play.
//   bench_playback_sync CARD_FOLDER [SECONDS] [--rate-index N] [--pause-cycles N] [--no-sync]
// The card's recordings must run at least SECONDS x rate.
#include "app/ControlIds.h"
#include "app/CustomMessages.h"
#include "app/DvrApp.h"
#include "app/DvrDlg.h"
#include "app/UserDialogs.h"
#include "playback/CameraSync.h"
#include "playback/PlaybackRates.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace vemora;

namespace {

class QuietDialogs : public UserDialogs {
public:
    Answer MessageBox(QWidget*, const QString& text, const QString&, Buttons) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return AnswerOk;
    }
    void About(QWidget*) override {}
    QString ChooseFolder(QWidget*, const QString&) override { return {}; }
};

// A pane shows a picture once a good part of it is lit (the panes are black without one).
bool ShowsPicture(QWidget* pane) {
    QPoint origin = pane->mapToGlobal(QPoint(0, 0));
    QImage image = QGuiApplication::primaryScreen()
                       ->grabWindow(0, origin.x(), origin.y(), pane->width(), pane->height())
                       .toImage();
    if (image.isNull())
        return false;
    int lit = 0, total = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4, ++total)
            lit += qGray(image.pixel(x, y)) > 40;
    return total > 0 && lit * 10 > total;
}

bool WaitFor(const std::function<bool()>& condition, int ms) {
    return QTest::qWaitFor(condition, ms);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_playback_sync CARD_FOLDER [SECONDS] [--rate-index N] "
                             "[--pause-cycles N] [--no-sync]\n");
        return 2;
    }
    int seconds = 30, rateIndex = 7, pauseCycles = 0;
    bool sync = true;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--rate-index" && i + 1 < argc)
            rateIndex = std::atoi(argv[++i]);
        else if (arg == "--pause-cycles" && i + 1 < argc)
            pauseCycles = std::atoi(argv[++i]);
        else if (arg == "--no-sync")
            sync = false;
        else
            seconds = std::atoi(argv[i]);
    }
    PrepareProcessEnvironment();
    QApplication app(argc, argv);
    QuietDialogs dialogs;
    CDvrDlg dlg(&dialogs);
    dlg.OnInitDialog();
    dlg.resize(1280, 720);
    dlg.show();
    dlg.StartFolderScan(QString::fromLocal8Bit(argv[1]));
    if (!WaitFor([&] { return !dlg.ScanRunning() && dlg.FrontPlayer().IsPlaying() && g_bBusy == 0; },
                 20000)) {
        std::fprintf(stderr, "bench_playback_sync: the first recording did not start\n");
        return 1;
    }
    dlg.OnCommand(IDC_STOP);
    QTest::qWait(500);

    QWidget* front = dlg.Control(IDC_FRONT_VIDEO);
    QWidget* rear = dlg.Control(IDC_REAR_VIDEO);
    QElapsedTimer clock;
    clock.start();
    PostUserMessage(&dlg, UM_OPEN_GROUP, 0);
    if (!WaitFor(
            [&] {
                return front->isVisible() && rear->isVisible() && ShowsPicture(front) && ShowsPicture(rear);
            },
            10000)) {
        std::fprintf(stderr, "bench_playback_sync: no picture in both panes\n");
        return 1;
    }
    qint64 firstPictureMs = clock.elapsed();
    dlg.Players().SetSyncEnabled(sync);
    while (dlg.Players().RateIndex() < rateIndex)
        dlg.OnCommand(IDC_FAST);
    while (dlg.Players().RateIndex() > rateIndex)
        dlg.OnCommand(IDC_SLOW);
    const int64_t pauseEvery = pauseCycles > 0 ? seconds * 1000LL / (pauseCycles + 1) : 0;
    int pausesDone = 0;
    int64_t settledAt = 0; // samples right after a resume are left out: the clocks start again

    int64_t largest = 0, sum = 0, samples = 0;
    PlayerClock frontClock, rearClock;
    clock.restart();
    while (clock.elapsed() < seconds * 1000LL) {
        QTest::qWait(5);
        if (pauseEvery > 0 && pausesDone < pauseCycles && clock.elapsed() >= pauseEvery * (pausesDone + 1)) {
            dlg.OnCommand(IDC_PLAY);
            QTest::qWait(1000);
            dlg.OnCommand(IDC_PLAY);
            ++pausesDone;
            settledAt = clock.elapsed() + 1000;
            frontClock.Reset();
            rearClock.Reset();
            continue;
        }
        if (clock.elapsed() < settledAt)
            continue;
        const VlcApi& f = dlg.FrontPlayer();
        const VlcApi& r = dlg.RearPlayer();
        if (!f.IsPlaying() || !r.IsPlaying())
            continue;
        int64_t now = clock.elapsed();
        int64_t tf = frontClock.Estimate(f.Time(), now, f.Rate()),
                tr = rearClock.Estimate(r.Time(), now, r.Rate());
        if (tf < 0 || tr < 0)
            continue;
        int64_t d = std::llabs(tf - tr);
        largest = std::max(largest, d);
        sum += d;
        ++samples;
    }
    std::printf("first picture in both panes after a group activation: %lld ms\n",
                static_cast<long long>(firstPictureMs));
    std::printf("rate %s, %d pause/resume cycles, correction %s\n",
                PlaybackRates[static_cast<size_t>(rateIndex)].label, pauseCycles, sync ? "on" : "off");
    std::printf("front/rear time difference over %d s: largest %lld ms, mean %.1f ms (%lld samples)\n",
                seconds, static_cast<long long>(largest), samples ? double(sum) / double(samples) : 0.0,
                static_cast<long long>(samples));
    dlg.OnCommand(IDC_STOP);
    return samples > 0 ? 0 : 1;
}
