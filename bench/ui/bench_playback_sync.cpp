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
#include <cmath>
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

// libVLC reports a player's time about four times a second; this turns the reports, polled here,
// into a time for any moment.
class PlayerClock {
public:
    // Forget what was seen (after a seek, a pause, a rate change or a new media).
    void Reset() { *this = PlayerClock(); }
    // The playback time at wallMs from the player's reported times; -1 until a report has
    // changed once (the first value seen may be stale by up to a report interval). A report is
    // seen only some time after libVLC made it, never before, so of the recent reports the one
    // that puts the player furthest ahead is the most accurate.
    int64_t Estimate(int64_t reported, int64_t wallMs, double rate);
    // A report seen when it was made (libVLC's own time-changed event): taken as it is.
    void Sight(int64_t reported, int64_t wallMs, double rate);
    // The playback time at wallMs from the sightings so far; -1 without one.
    int64_t EstimateAt(int64_t wallMs) const;
    // Estimates rest on this many reports since the last reset (or rate change).
    int Sightings() const { return m_count; }

private:
    static constexpr int kHistory = 8;
    static constexpr int64_t kHistoryMs = 2500;
    int64_t m_last = -1;
    bool m_seen = false;
    double m_rate = 0;
    struct Sighting {
        int64_t wallMs;
        double offset; // reported time - wallMs x rate
    };
    Sighting m_history[kHistory] = {};
    int m_count = 0;
    int m_next = 0;
};

int64_t PlayerClock::Estimate(int64_t reported, int64_t wallMs, double rate) {
    if (reported < 0)
        return -1;
    if (m_last < 0 && rate == m_rate) {
        m_last = reported; // the first value seen may be stale by up to a report interval
        return -1;
    }
    Sight(reported, wallMs, rate);
    return EstimateAt(wallMs);
}

void PlayerClock::Sight(int64_t reported, int64_t wallMs, double rate) {
    if (reported < 0)
        return;
    if (rate != m_rate) {
        // The line through the sightings has another slope now: start it again.
        m_rate = rate;
        m_count = 0;
        m_next = 0;
    }
    if (reported == m_last && m_count > 0)
        return;
    m_last = reported;
    m_seen = true;
    m_history[m_next] = {wallMs, static_cast<double>(reported) - static_cast<double>(wallMs) * rate};
    m_next = (m_next + 1) % kHistory;
    m_count = std::min(m_count + 1, kHistory);
}

int64_t PlayerClock::EstimateAt(int64_t wallMs) const {
    if (!m_seen || m_count == 0)
        return -1;
    double best = -1e300;
    for (int i = 0; i < m_count; ++i)
        if (wallMs - m_history[i].wallMs <= kHistoryMs || best == -1e300)
            best = std::max(best, m_history[i].offset);
    return static_cast<int64_t>(std::llround(best + static_cast<double>(wallMs) * m_rate));
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
    int corrections = 0;
    QObject::connect(
        &dlg.Players(), &DualPlayerController::rearCorrected, [&](int kind, double rate, qint64 ms) {
            ++corrections;
            if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
                std::fprintf(stderr, "correction %s %.3f %lld at %lld ms: front %lld rear %lld\n",
                             kind == SyncAction::Seek ? "seek" : "rate", rate, static_cast<long long>(ms),
                             static_cast<long long>(clock.elapsed()),
                             static_cast<long long>(dlg.FrontPlayer().Time()),
                             static_cast<long long>(dlg.RearPlayer().Time()));
        });
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
    std::printf("rate %s, %d pause/resume cycles, correction %s (%d corrections)\n",
                PlaybackRates[static_cast<size_t>(rateIndex)].label, pauseCycles, sync ? "on" : "off",
                corrections);
    std::printf("front/rear time difference over %d s: largest %lld ms, mean %.1f ms (%lld samples)\n",
                seconds, static_cast<long long>(largest), samples ? double(sum) / double(samples) : 0.0,
                static_cast<long long>(samples));
    dlg.OnCommand(IDC_STOP);
    return samples > 0 ? 0 : 1;
}
