// Plays a generated front/rear pair in the viewer's main window (under X, e.g. xvfb-run) and
// reports the time from a group activation to a picture in both panes, and how far the two
// cameras' pictures part while they play: the card's videos show their frame numbers
// (make_demo_card --frame-counter), read from the screen in both panes at the same instant.
//   bench_playback_sync CARD_FOLDER [SECONDS] [--rate-index N] [--pause-cycles N] [--no-sync]
//                       [--fps F] [--hold-rear MS] [--skip-cycles N] [--actions N LIST]
// The card's recordings must run at least SECONDS x rate; F is their frame rate (25). MS holds the
// rear player that long before the measuring starts, as if it had been started so much later.
// --actions does N user actions, evenly spread, taking turns from LIST (comma-separated: skip = 5 s
// forward, pause = pause for 2 s and resume, rate = one rate step up or back down, bar = a click
// on the seek bar 8 s ahead); --skip-cycles N is --actions N skip. Each action is reported with
// the time until the two pictures were last more than a frame apart and their largest difference
// from 0.5 s and from 1.0 s after the key on, the pictures read paused or playing.
// BENCH_VERBOSE=1 prints each correction and a line a second; BENCH_FRAME_STEPS=1 instead pauses,
// steps five frames forward, three back and one forward, and prints the frames both panes show.
#include "app/ControlIds.h"
#include "app/DvrApp.h"
#include "app/DvrDlg.h"
#include "app/UserDialogs.h"
#include "bench/ui/PanePictures.h"
#include "library/views/DvrGroupListCtrl.h"
#include "playback/transport/CameraSync.h"
#include "playback/transport/PlaybackRates.h"
#include "tools/fixture/FixtureWriter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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

// The frame numbers the two panes show, read from one grab of the screen across both: the X
// server answers a grab as a whole, so both are seen at the same instant. -1 where a pane shows
// no counter frame.
struct ShownFrames {
    int front = -1, rear = -1;
};

ShownFrames ReadShownFrames(QWidget* front, QWidget* rear) {
    QRect f(front->mapToGlobal(QPoint(0, 0)), front->size()),
        r(rear->mapToGlobal(QPoint(0, 0)), rear->size());
    QRect both = f.united(r);
    int top = std::min(f.center().y(), r.center().y());
    int bottom = std::max(f.center().y(), r.center().y());
    QImage strip = QGuiApplication::primaryScreen()
                       ->grabWindow(0, both.left(), top, both.width(), bottom - top + 1)
                       .toImage();
    auto frameIn = [&](const QRect& pane) {
        std::vector<int> gray;
        for (int x = pane.left(); x <= pane.right(); ++x)
            gray.push_back(qGray(strip.pixel(x - both.left(), pane.center().y() - top)));
        return fixture::FrameOfCounterRow(gray);
    };
    if (strip.isNull())
        return {};
    return {frameIn(f), frameIn(r)};
}

// Frames the rear picture is behind the front one (negative: ahead), the counters wrapping.
int FramesBehind(const ShownFrames& shown) {
    const int period = 1 << fixture::kCounterBits;
    int d = ((shown.front - shown.rear) % period + period) % period;
    return d >= period / 2 ? d - period : d;
}

bool WaitFor(const std::function<bool()>& condition, int ms) {
    return QTest::qWaitFor(condition, ms);
}

// The pictures after one user action: when (after the key) they were last more than a frame
// apart, and their largest difference from 0.5 s and from 1.0 s after it on.
struct Settling {
    std::string action;
    int64_t at = 0;
    int64_t lastApartMs = 0;
    int largestAfterHalf = 0;
    int largestAfterOne = 0;
    int samples = 0;
    void Add(int64_t since, int frames) {
        ++samples;
        if (frames > 1)
            lastApartMs = since;
        if (since >= 500)
            largestAfterHalf = std::max(largestAfterHalf, frames);
        if (since >= 1000)
            largestAfterOne = std::max(largestAfterOne, frames);
    }
};

void PrintSettlings(const std::vector<Settling>& all) {
    QMap<QString, Settling> worst;
    QMap<QString, int> count;
    for (const Settling& s : all) {
        std::printf("%s at %.1f s: last more than a frame apart %lld ms after the key, largest difference "
                    "from 0.5 s on %d frames, from 1.0 s on %d frames (%d samples)\n",
                    s.action.c_str(), double(s.at) / 1000.0, static_cast<long long>(s.lastApartMs),
                    s.largestAfterHalf, s.largestAfterOne, s.samples);
        Settling& w = worst[QString::fromStdString(s.action)];
        w.lastApartMs = std::max(w.lastApartMs, s.lastApartMs);
        w.largestAfterHalf = std::max(w.largestAfterHalf, s.largestAfterHalf);
        w.largestAfterOne = std::max(w.largestAfterOne, s.largestAfterOne);
        ++count[QString::fromStdString(s.action)];
    }
    for (auto it = worst.begin(); it != worst.end(); ++it)
        std::printf("%ss (%d): within a frame %lld ms after the key at the latest, largest difference from "
                    "0.5 s on %d frames, from 1.0 s on %d frames\n",
                    qPrintable(it.key()), count[it.key()], static_cast<long long>(it->lastApartMs),
                    it->largestAfterHalf, it->largestAfterOne);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_playback_sync CARD_FOLDER [SECONDS] [--rate-index N] "
                             "[--pause-cycles N] [--no-sync] [--fps F] [--hold-rear MS] [--skip-cycles N] "
                             "[--actions N LIST]\n");
        return 2;
    }
    int seconds = 30, rateIndex = 7, pauseCycles = 0, fps = 25, holdRearMs = 0, actionCount = 0;
    std::vector<std::string> actionList;
    bool sync = true, startupOnly = false;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--rate-index" && i + 1 < argc)
            rateIndex = std::atoi(argv[++i]);
        else if (arg == "--pause-cycles" && i + 1 < argc)
            pauseCycles = std::atoi(argv[++i]);
        else if (arg == "--skip-cycles" && i + 1 < argc) {
            actionCount = std::atoi(argv[++i]);
            actionList = {"skip"};
        } else if (arg == "--actions" && i + 2 < argc) {
            actionCount = std::atoi(argv[++i]);
            for (const QString& action : QString::fromLocal8Bit(argv[++i]).split(u',', Qt::SkipEmptyParts))
                actionList.push_back(action.toStdString());
        } else if (arg == "--hold-rear" && i + 1 < argc)
            holdRearMs = std::atoi(argv[++i]);
        else if (arg == "--fps" && i + 1 < argc)
            fps = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--no-sync")
            sync = false;
        else if (arg == "--startup")
            startupOnly = true;
        else
            seconds = std::atoi(argv[i]);
    }
    const long long atMain = bench::MsSinceProcessStart();
    PrepareProcessEnvironment();
    QApplication app(argc, argv);
    QuietDialogs dialogs;
    CDvrDlg dlg(&dialogs);
    dlg.OnInitDialog();
    dlg.resize(1280, 720);
    dlg.ShowStarting(QString::fromLocal8Bit(argv[1]));
    const long long atWindow = bench::MsSinceProcessStart();
    if (startupOnly) {
        // From the process's start to both cameras' first pictures on the screen, with the steps
        // on the way: main() entered, the window built, the scan done, the opening handed over.
        QWidget* frontPane = dlg.Control(IDC_FRONT_VIDEO);
        QWidget* rearPane = dlg.Control(IDC_REAR_VIDEO);
        long long scanned = -1, opening = -1;
        const bool shown = WaitFor(
            [&] {
                if (scanned < 0 && !dlg.ScanRunning())
                    scanned = bench::MsSinceProcessStart();
                if (opening < 0 && dlg.Opening().Phase() >= OpeningPhase::Opening)
                    opening = bench::MsSinceProcessStart();
                return frontPane->isVisible() && rearPane->isVisible() && bench::ShowsPicture(frontPane) &&
                       bench::ShowsPicture(rearPane);
            },
            20000);
        if (!shown) {
            std::fprintf(stderr, "bench_playback_sync: no picture in both panes\n");
            return 1;
        }
        std::printf(
            "first pictures %lld ms after the start (main %lld, window %lld, scanned %lld, opening %lld)\n",
            bench::MsSinceProcessStart(), atMain, atWindow, scanned, opening);
        return 0;
    }
    if (!WaitFor(
            [&] {
                return !dlg.ScanRunning() && dlg.FrontPlayer().IsPlaying() &&
                       dlg.Opening().Phase() == OpeningPhase::Playing;
            },
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
    emit dlg.GroupList()->rowActivated(0);
    if (!WaitFor(
            [&] {
                return front->isVisible() && rear->isVisible() && bench::ShowsPicture(front) &&
                       bench::ShowsPicture(rear);
            },
            10000)) {
        std::fprintf(stderr, "bench_playback_sync: no picture in both panes\n");
        return 1;
    }
    qint64 firstPictureMs = clock.elapsed();
    dlg.Players().SetSyncEnabled(sync);
    const bool verbose = qEnvironmentVariableIsSet("BENCH_VERBOSE");
    if (qEnvironmentVariableIsSet("BENCH_FRAME_STEPS")) {
        QTest::qWait(3000);
        dlg.OnCommand(IDC_PLAY);
        QTest::qWait(800);
        ShownFrames s0 = ReadShownFrames(front, rear);
        std::fprintf(stderr, "paused: %d %d\n", s0.front, s0.rear);
        for (int step : {1, 1, 1, 1, 1, -1, -1, -1, 1}) {
            dlg.Players().StepFrame(step);
            QTest::qWait(800);
            ShownFrames s1 = ReadShownFrames(front, rear);
            std::fprintf(stderr, "step %+d: %d %d\n", step, s1.front, s1.rear);
        }
        return 0;
    }
    int corrections = 0;
    QObject::connect(&dlg.Players(), &DualPlayerController::rearCorrected,
                     [&](SyncAction::Kind kind, double rate, qint64 ms) {
                         ++corrections;
                         if (verbose)
                             std::fprintf(stderr, "correction at %lld ms: %s %.3f %lld ms\n",
                                          static_cast<long long>(clock.elapsed()),
                                          kind == SyncAction::Kind::Seek ? "seek by" : "rate", rate,
                                          static_cast<long long>(ms));
                     });
    while (dlg.Players().RateIndex() < rateIndex)
        dlg.OnCommand(IDC_FAST);
    while (dlg.Players().RateIndex() > rateIndex)
        dlg.OnCommand(IDC_SLOW);
    const int64_t pauseEvery = pauseCycles > 0 ? seconds * 1000LL / (pauseCycles + 1) : 0;
    int pausesDone = 0;
    const int64_t actionEvery =
        actionCount > 0 && !actionList.empty() ? seconds * 1000LL / (actionCount + 1) : 0;
    int actionsDone = 0;
    std::vector<Settling> settlings;
    int64_t resumeAt = -1; // a pause action resumes then
    int rateTurn = 0;
    QWidget* seekBar = dlg.Control(IDC_SEEK);
    auto doAction = [&](const std::string& action) {
        settlings.push_back({action, clock.elapsed()});
        if (action == "skip") {
            dlg.Players().SkipBy(5000);
        } else if (action == "pause") {
            dlg.OnCommand(IDC_PLAY);
            resumeAt = clock.elapsed() + 2000;
        } else if (action == "rate") {
            dlg.OnCommand(rateTurn++ % 2 == 0 ? IDC_FAST : IDC_SLOW);
        } else if (action == "bar") {
            int64_t length = std::max<int64_t>(1, dlg.FrontPlayer().Length());
            double at = double(dlg.Players().CurrentTime() + 8000) / double(length);
            QPoint point(static_cast<int>(at * seekBar->width()), seekBar->height() / 2);
            QTest::mouseClick(seekBar, Qt::LeftButton, {}, point);
        }
    };

    // A picture pair one frame apart is seen whenever the grab falls between the two players'
    // frame changes, so the mean of the differences, in frames, estimates how far apart the two
    // players are; the largest says whether they ever showed pictures more than a frame apart.
    int largest = 0;
    int64_t sum = 0, signedSum = 0, samples = 0, unreadable = 0, reportedSum = 0, reportedSamples = 0;
    int64_t apart = 0, largestAt = 0; // samples more than a frame apart; when the largest was seen
    // A rate step shifts the two players' pictures apart at once (libVLC rebases each clock on its
    // own buffered pictures); what stays after the correction's first seconds is told apart.
    constexpr int64_t kSettlingMs = 5000;
    int largestSettled = 0;
    int64_t secondSum = 0, secondCount = 0, second = 0;
    if (holdRearMs > 0) {
        QTest::qWait(1000);
        dlg.Players().HoldPlayer(PlayerSide::Rear, holdRearMs);
        QTest::qWait(holdRearMs);
    }
    clock.restart();
    while (clock.elapsed() < seconds * 1000LL) {
        QTest::qWait(5);
        if (pauseEvery > 0 && pausesDone < pauseCycles && clock.elapsed() >= pauseEvery * (pausesDone + 1)) {
            dlg.OnCommand(IDC_PLAY);
            QTest::qWait(1000);
            dlg.OnCommand(IDC_PLAY);
            ++pausesDone;
            continue;
        }
        if (resumeAt >= 0 && clock.elapsed() >= resumeAt) {
            resumeAt = -1;
            settlings.push_back({"resume", clock.elapsed()});
            dlg.OnCommand(IDC_PLAY);
            continue;
        }
        if (actionEvery > 0 && resumeAt < 0 && actionsDone < actionCount &&
            clock.elapsed() >= actionEvery * (actionsDone + 1)) {
            doAction(actionList[static_cast<size_t>(actionsDone) % actionList.size()]);
            ++actionsDone;
            continue;
        }
        const bool paused = resumeAt >= 0;
        if (!paused && (!dlg.FrontPlayer().IsPlaying() || !dlg.RearPlayer().IsPlaying()))
            continue;
        ShownFrames shown = ReadShownFrames(front, rear);
        if (!settlings.empty() && shown.front >= 0 && shown.rear >= 0) {
            settlings.back().Add(clock.elapsed() - settlings.back().at, std::abs(FramesBehind(shown)));
            if (verbose && std::abs(FramesBehind(shown)) > 1)
                std::fprintf(stderr, "%lld ms after the %s: front %d, rear %d\n",
                             static_cast<long long>(clock.elapsed() - settlings.back().at),
                             settlings.back().action.c_str(), shown.front, shown.rear);
        }
        if (paused)
            continue;
        if (shown.front < 0 || shown.rear < 0) {
            ++unreadable;
            continue;
        }
        if (auto reported = dlg.Players().RearBehindMs()) {
            reportedSum += *reported;
            ++reportedSamples;
        }
        int behind = FramesBehind(shown);
        signedSum += behind;
        if (verbose) {
            // One line a second: where the pictures and the reports put the rear player.
            secondSum += behind;
            ++secondCount;
            if (clock.elapsed() / 1000 != second) {
                auto reported = dlg.Players().RearBehindMs();
                std::fprintf(stderr, "%3lld s: pictures %+.0f ms, reports %+lld ms\n",
                             static_cast<long long>(second),
                             double(secondSum) / double(secondCount) * 1000.0 / fps,
                             static_cast<long long>(reported ? *reported : 0));
                second = clock.elapsed() / 1000;
                secondSum = secondCount = 0;
            }
        }
        int d = std::abs(behind);
        if (d > largest) {
            largest = d;
            largestAt = clock.elapsed();
            if (verbose)
                std::fprintf(stderr, "%d frames apart at %lld ms\n", d, static_cast<long long>(largestAt));
        }
        apart += d > 1;
        if (clock.elapsed() >= kSettlingMs)
            largestSettled = std::max(largestSettled, d);
        sum += d;
        ++samples;
    }
    const double frameMs = 1000.0 / fps;
    std::printf("first picture in both panes after a group activation: %lld ms\n",
                static_cast<long long>(firstPictureMs));
    std::printf("rate %s, %d pause/resume cycles, correction %s (%d corrections)\n",
                PlaybackRates[static_cast<size_t>(rateIndex)].label, pauseCycles, sync ? "on" : "off",
                corrections);
    auto meanMs = [&](int64_t total) { return samples ? double(total) / double(samples) * frameMs : 0.0; };
    std::printf("front/rear pictures over %d s: largest difference %d frames (%.0f ms, at %.1f s), more than "
                "a frame apart in %.2f %% of samples, mean %.1f ms, rear behind by %.1f ms on average (%lld "
                "samples, %lld unreadable)\n",
                seconds, largest, largest * frameMs, double(largestAt) / 1000.0,
                samples ? 100.0 * double(apart) / double(samples) : 0.0, meanMs(sum), meanMs(signedSum),
                static_cast<long long>(samples), static_cast<long long>(unreadable));
    std::printf("largest difference after the first %lld s: %d frames (%.0f ms)\n",
                static_cast<long long>(kSettlingMs / 1000), largestSettled, largestSettled * frameMs);
    PrintSettlings(settlings);
    std::printf("by the players' time reports the rear was behind by %.1f ms on average\n",
                reportedSamples ? double(reportedSum) / double(reportedSamples) : 0.0);
    dlg.OnCommand(IDC_STOP);
    return samples > 0 ? 0 : 1;
}
