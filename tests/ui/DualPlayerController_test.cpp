// The dual player controller with real libVLC players (no picture, no sound output) on recordings
// from the fixture writer: opening a pair, the transport commands, seeking, the next recording,
// mirroring and snapshots.

#include "library/RecordingLibrary.h"
#include "library/RecordingNaming.h"
#include "playback/DualPlayerController.h"
#include "playback/FrameReview.h"
#include "playback/transport/PlaybackRates.h"
#include "tools/fixture/FixtureWriter.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

using namespace vemora;

namespace {

class FakeHost : public PlayerHost {
public:
    bool HasPane(PlayerSide) override { return true; }
    unsigned long PaneWindow(PlayerSide) override { return 0; }
    void ShowPane(PlayerSide side, bool show) override { shown[SideIndex(side)] = show; }
    void FitVideoPanes() override {}
    QString AskSnapshotPath() override { return snapshotPath; }
    void ShowMessage(int textId, int) override { messages.push_back(textId); }

    bool shown[2] = {false, false};
    QString snapshotPath;
    std::vector<int> messages;
};

// Front/rear pairs one after the other (three seconds each unless told); optionally the last
// front file alone.
// Pictures of the card's recordings: the writer's small ones unless a test asks for others.
struct Pictures {
    int width = 320, height = 240, fps = 10;
};

std::string WriteCard(const QString& root, int pairs, bool lastWithoutRear = false, int seconds = 3,
                      const std::string& baseDir = VEMORA_FIXTURE_DIR,
                      fixture::NameStyle style = fixture::NameStyle::TimeStamped, Pictures pictures = {}) {
    std::vector<fixture::CardRecording> recordings;
    for (int i = 0; i < pairs; ++i) {
        fixture::CardRecording pair;
        pair.front.baseDir = baseDir;
        pair.front.seconds = seconds;
        pair.front.width = pictures.width;
        pair.front.height = pictures.height;
        pair.front.fps = pictures.fps;
        pair.front.start = fixture::CalendarTime{2024, 5, 17, 10, 20, 30 + seconds * i};
        pair.index = static_cast<unsigned>(i);
        pair.withRear = !(lastWithoutRear && i == pairs - 1);
        pair.style = style;
        recordings.push_back(pair);
    }
    auto result = fixture::WriteCard(root.toStdString(), recordings);
    EXPECT_TRUE(result.ok) << result.error;
    return root.toStdString() + "/";
}

class DualPlayerControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("VEMORA_VLC_ARGS", "--vout=dummy --aout=dummy");
        qunsetenv("VEMORA_LIBVLC");
    }
    void TearDown() override {
        players.reset();
        qunsetenv("VEMORA_VLC_ARGS");
    }
    // Scans the card and builds the controller; fails loudly without libVLC.
    void Load(int pairs, bool lastWithoutRear = false, int seconds = 3,
              const std::string& baseDir = VEMORA_FIXTURE_DIR,
              fixture::NameStyle style = fixture::NameStyle::TimeStamped) {
        // Letters that the partner rules swap, in a folder above the card.
        QString folder = card.path() + QStringLiteral("/Fred%1").arg(static_cast<int>(style));
        std::string root = WriteCard(folder, pairs, lastWithoutRear, seconds, baseDir, style, pictures);
        ASSERT_TRUE(library.ScanSource(root, ""));
        library.BuildTables();
        players = std::make_unique<DualPlayerController>(library, host);
        bool front = false, rear = false;
        players->AttachPlayers(&front, &rear);
        ASSERT_TRUE(front && rear) << "libVLC (libvlc.so.5 with its plugins) is needed for these tests";
    }
    const VlcApi& Front() { return players->Front(); }
    const VlcApi& Rear() { return players->Rear(); }
    static bool Wait(const std::function<bool()>& condition, int ms = 10000) {
        return QTest::qWaitFor(condition, ms);
    }
    bool BothRunPast(int64_t ms) {
        return Wait([&] { return Front().Time() > ms && Rear().Time() > ms; });
    }
    std::string RecordPath(int i) { return library.GetRecordingPath(i); }

    Pictures pictures;
    QTemporaryDir card;
    CRecordingLibrary library;
    FakeHost host;
    std::unique_ptr<DualPlayerController> players;
};

// Both of the recorder's naming styles; the card's folder may hold any letters.
TEST_F(DualPlayerControllerTest, OpeningEitherFileOfAPairStartsBothCamerasWithTheRearSilent) {
    for (auto style : {fixture::NameStyle::TimeStamped, fixture::NameStyle::Numbered}) {
        players.reset();
        library.ClearLibrary();
        Load(1, false, 3, VEMORA_FIXTURE_DIR, style);
        for (int row : {0, 1}) { // the front file, then the rear file of the same pair
            SCOPED_TRACE(RecordPath(row));
            players->PlayRecordingAt(row);
            EXPECT_EQ(Front().MediaPath(), RecordPath(0));
            EXPECT_EQ(Rear().MediaPath(), RecordPath(1));
            EXPECT_TRUE(Front().IsPlaying() && Rear().IsPlaying());
            EXPECT_TRUE(host.shown[0] && host.shown[1]);
            EXPECT_TRUE(BothRunPast(300));
            EXPECT_EQ(Front().Volume(), 100);
            EXPECT_EQ(Rear().Volume(), 0);
            players->StopBoth();
        }
    }
}

TEST_F(DualPlayerControllerTest, AFrontFileWithoutRearPartnerPlaysAlone) {
    Load(2, true);
    players->PlayRecordingAt(0);
    ASSERT_TRUE(BothRunPast(200));
    int alone = static_cast<int>(library.Records().size()) - 1;
    players->StopBoth();
    players->PlayRecordingAt(alone);
    EXPECT_EQ(Front().MediaPath(), RecordPath(alone));
    EXPECT_TRUE(Wait([&] { return Front().Time() > 200; }));
    EXPECT_FALSE(Rear().IsPlaying());
    EXPECT_EQ(Rear().MediaPath(), RecordPath(1)); // the rear player keeps what it had
}

TEST_F(DualPlayerControllerTest, PlayPausesAndResumesBothAndStopReturnsToIdle) {
    Load(1);
    players->PlayRecordingAt(0);
    ASSERT_TRUE(BothRunPast(300));
    players->TogglePlayPause();
    EXPECT_TRUE(Front().IsPaused() && Rear().IsPaused());
    ASSERT_TRUE(Wait(
        [&] { return Front().State() == PlayerState::Paused && Rear().State() == PlayerState::Paused; }));
    players->TogglePlayPause();
    EXPECT_TRUE(Front().IsPlaying() && Rear().IsPlaying());
    EXPECT_TRUE(Wait(
        [&] { return Front().State() == PlayerState::Playing && Rear().State() == PlayerState::Playing; }));

    players->StepRate(+1);
    players->StopPlayback();
    for (const VlcApi* p : {&Front(), &Rear()}) {
        EXPECT_FALSE(p->IsPlaying() || p->IsPaused());
        EXPECT_EQ(p->Rate(), 1.0f);
    }
    EXPECT_EQ(players->RateIndex(), kNormalRateIndex);
    EXPECT_TRUE(players->PaneHidden(PlayerSide::Front) && players->PaneHidden(PlayerSide::Rear));
    EXPECT_FALSE(host.shown[0] || host.shown[1]);
    players->TogglePlayPause(); // nothing to resume after a stop
    EXPECT_FALSE(Front().IsPlaying() || Rear().IsPlaying());
}

TEST_F(DualPlayerControllerTest, RateStepsWalkTheTableAndStopAtBothEnds) {
    Load(1);
    QStringList labels;
    QObject::connect(players.get(), &DualPlayerController::rateLabelChanged,
                     [&](const QString& label) { labels << label; });
    struct Step {
        int direction;
        int expectedIndex;
    };
    for (Step step : {Step{+1, 17}, Step{-1, 0}}) {
        for (int i = 0; i < 20; ++i)
            players->StepRate(step.direction);
        EXPECT_EQ(players->RateIndex(), step.expectedIndex);
        float rate = static_cast<float>(PlaybackRates[static_cast<size_t>(step.expectedIndex)].rate);
        EXPECT_EQ(Front().Rate(), rate);
        EXPECT_EQ(Rear().Rate(), rate);
    }
    EXPECT_EQ(labels.first(), QStringLiteral("1.2 X"));
    EXPECT_EQ(labels.last(), QStringLiteral("0.3 X"));
    EXPECT_TRUE(labels.contains(QString())); // normal speed shows no label
}

TEST_F(DualPlayerControllerTest, APendingSeekMovesBothPlayersToTheSameTarget) {
    Load(1);
    players->PlayRecordingAt(0);
    ASSERT_TRUE(BothRunPast(200));
    players->SetSeekScaleSource([] { return SeekScale{0, 1000}; });
    EXPECT_EQ(players->RequestSeekFromBar(0), 0); // the very start is a target like any other
    int64_t target = players->RequestSeekFromBar(700);
    EXPECT_GT(target, 1500);
    EXPECT_TRUE(Wait([&] { return !players->PendingSeek(); }, 600));
    EXPECT_TRUE(Wait([&] { return Front().Time() >= target && Rear().Time() >= target; }, 1000));
    EXPECT_LT(std::llabs(Front().Time() - Rear().Time()), 250);
}

TEST_F(DualPlayerControllerTest, TheEndPlaysTheNextRecordingSkipsThePartnerAndWraps) {
    Load(2);
    std::vector<std::string> opened;
    QObject::connect(players.get(), &DualPlayerController::currentRecordingChanged,
                     [&] { opened.push_back(players->CurrentPath().toStdString()); });
    players->PlayRecordingAt(2); // the second pair's front file
    ASSERT_TRUE(Wait([&] { return opened.size() >= 3; }, 12000));
    EXPECT_EQ(opened[0], RecordPath(2));
    EXPECT_EQ(opened[1], RecordPath(0)); // its partner skipped, past the end: the first again
    EXPECT_EQ(opened[2], RecordPath(2));
    EXPECT_EQ(Rear().MediaPath(), RecordPath(3));

    players->SetAutoPlayNext(false);
    size_t before = opened.size();
    ASSERT_TRUE(Wait([&] { return !Front().IsPlaying() && !Rear().IsPlaying(); }, 6000));
    QTest::qWait(600);
    EXPECT_EQ(opened.size(), before);
}

TEST_F(DualPlayerControllerTest, FlipKeepsAPausedPairPausedWhereTheFrontPlayerWas) {
    Load(1);
    players->PlayRecordingAt(0);
    ASSERT_TRUE(BothRunPast(1200));
    players->TogglePlayPause();
    ASSERT_TRUE(Wait([&] { return Front().State() == PlayerState::Paused; }));
    int64_t t = Front().Time();
    players->Flip();
    EXPECT_TRUE(players->Flipped());
    EXPECT_EQ(Rear().Mode(), VideoMode::Mirrored);
    EXPECT_TRUE(Front().IsPaused() && Rear().IsPaused());
    ASSERT_TRUE(Wait(
        [&] { return Front().State() == PlayerState::Paused && Rear().State() == PlayerState::Paused; }));
    QTest::qWait(300);
    EXPECT_LT(std::llabs(Front().Time() - t), 300);
    EXPECT_LT(std::llabs(Rear().Time() - t), 300);
}

// FLIP before a recording was ever loaded makes the rear player's instance a mirroring one at
// once: the first recording then plays mirrored, as the button says.
TEST_F(DualPlayerControllerTest, FlipBeforeAnyRecordingMirrorsTheFirstOne) {
    Load(1);
    players->Flip();
    EXPECT_TRUE(players->Flipped());
    EXPECT_EQ(Rear().Mode(), VideoMode::Mirrored);
    players->PlayRecordingAt(0);
    ASSERT_TRUE(BothRunPast(500));
    EXPECT_EQ(Rear().Mode(), VideoMode::Mirrored);
}

// While a scan fills the list on its worker, the commands that read the list do nothing.
TEST_F(DualPlayerControllerTest, CommandsThatReadTheListWaitForTheScan) {
    std::string root = WriteCard(card.path(), 1);
    std::atomic<bool> reading{false}, release{false};
    library.SetContainerReader([&](const std::string& path, ContainerKind kind, ContainerSummary& summary) {
        reading = true;
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return ReadContainer(path, kind, summary);
    });
    players = std::make_unique<DualPlayerController>(library, host);
    players->AttachPlayers(nullptr, nullptr);
    std::thread scan([&] { library.ScanSource(root, ""); });
    ASSERT_TRUE(Wait([&] { return reading.load(); }));
    int reactions = 0;
    QObject::connect(players.get(), &DualPlayerController::playButtonShowsPause, [&] { ++reactions; });
    QObject::connect(players.get(), &DualPlayerController::currentRecordingChanged, [&] { ++reactions; });
    players->Flip();
    players->Snapshot();
    players->TogglePlayPause();
    EXPECT_FALSE(players->JumpToJolt(+1));
    players->PlayNext();
    QTest::qWait(600);
    release = true;
    scan.join();
    EXPECT_FALSE(players->Flipped());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(reactions, 0);
}

// A rear file alone (its front file gone) plays on, or stays paused, where it was; the idle front
// player stays idle.
TEST_F(DualPlayerControllerTest, FlipKeepsTheTimeOfARearFileAlone) {
    Load(1, false, 6);
    ASSERT_TRUE(QFile::remove(QString::fromStdString(RecordPath(0))));
    ASSERT_TRUE(library.ScanSource(card.path().toStdString() + "/Fred0/", ""));
    library.BuildTables();
    ASSERT_EQ(library.Records().size(), 1u);
    players->PlayRecordingAt(0);
    ASSERT_TRUE(Wait([&] { return Rear().Time() > 1500; }));
    for (PlayerState state : {PlayerState::Playing, PlayerState::Paused}) {
        if (state == PlayerState::Paused) {
            players->TogglePlayPause();
            ASSERT_TRUE(Wait([&] { return Rear().State() == PlayerState::Paused; }));
        }
        int64_t t = Rear().Time();
        players->Flip();
        ASSERT_TRUE(Wait([&] { return Rear().State() == state && Rear().Time() > 0; }))
            << static_cast<int>(state);
        QTest::qWait(300);
        EXPECT_GE(Rear().Time(), t - 300) << static_cast<int>(state);
        EXPECT_FALSE(Front().IsPlaying() || Front().IsPaused()) << static_cast<int>(state);
    }
}

TEST_F(DualPlayerControllerTest, SnapshotWritesBothCamerasInTheFormatTheNameAsksFor) {
    Load(1);
    players->PlayRecordingAt(0);
    ASSERT_TRUE(BothRunPast(500));
    struct Case {
        const char* name;
        QByteArray magic;
    };
    for (Case c :
         {Case{"shot.jpg", QByteArray("\xFF\xD8\xFF", 3)}, Case{"shot.png", QByteArray("\x89PNG", 4)}}) {
        QString base = card.path() + QLatin1Char('/') + QLatin1String(c.name);
        host.snapshotPath = base;
        players->Snapshot();
        EXPECT_TRUE(Front().IsPlaying() && Rear().IsPlaying()); // paused for the dialog only
        for (const char* mark : {"_F", "_R"}) {
            QString path = base;
            path.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String(mark));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            EXPECT_TRUE(file.read(c.magic.size()) == c.magic) << path.toStdString();
        }
    }
}

// A rear player held back (as if started late) is brought back within a frame of the front one:
// a small difference by running it a little faster for a while, a large one by a seek. With the
// correction off nothing at all is sent to it.
TEST_F(DualPlayerControllerTest, TheRearCameraIsBroughtBackIntoStep) {
    struct Case {
        int holdMs;
        bool sync;
        bool seeks;
    };
    for (Case c : {Case{300, true, false}, Case{3000, true, true}, Case{300, false, false}}) {
        SCOPED_TRACE(c.holdMs);
        players.reset();
        Load(1, false, 20);
        players->SetSyncEnabled(c.sync);
        players->PlayRecordingAt(0);
        ASSERT_TRUE(BothRunPast(1500));
        std::vector<SyncAction::Kind> kinds;
        QObject::connect(players.get(), &DualPlayerController::rearCorrected,
                         [&](SyncAction::Kind kind, double, qint64) { kinds.push_back(kind); });
        players->HoldPlayer(PlayerSide::Rear, c.holdMs);
        QTest::qWait(c.holdMs + 6000);
        auto behind = players->RearBehindMs();
        ASSERT_TRUE(behind.has_value());
        if (!c.sync) {
            EXPECT_TRUE(kinds.empty());
            EXPECT_EQ(Rear().Rate(), Front().Rate());
            EXPECT_GT(*behind, c.holdMs / 2);
            continue;
        }
        ASSERT_FALSE(kinds.empty());
        EXPECT_EQ(kinds.front() == SyncAction::Kind::Seek, c.seeks);
        EXPECT_LE(std::llabs(*behind), 40);
    }
}

// Which frame each camera shows, from snapshots of recordings whose pictures count their frames.
std::pair<int, int> ShownFrames(DualPlayerController& players, FakeHost& host, const QString& dir) {
    host.snapshotPath = dir + QStringLiteral("/frame.png");
    QFile::remove(dir + QStringLiteral("/frame_F.png"));
    QFile::remove(dir + QStringLiteral("/frame_R.png"));
    players.Snapshot();
    auto frameIn = [&](const char* mark) {
        QImage image(dir + QStringLiteral("/frame") + QLatin1String(mark) + QStringLiteral(".png"));
        std::vector<int> gray;
        for (int x = 0; x < image.width(); ++x)
            gray.push_back(qGray(image.pixel(x, image.height() / 2)));
        return fixture::FrameOfCounterRow(gray);
    };
    return {frameIn("_F"), frameIn("_R")};
}

// While paused the panes show the decoder's exact pictures: steps forward and back move both
// cameras one front picture, and snapshots are those pictures.
TEST_F(DualPlayerControllerTest, FrameStepsMoveBothCamerasFrameByFrame) {
    QTemporaryDir base;
    std::string error;
    ASSERT_FALSE(
        fixture::EnsureFrameCounterVideo(base.path().toStdString(), 320, 240, 20, 10, &error).empty())
        << error;
    Load(1, false, 20, base.path().toStdString());
    players->PlayRecordingAt(0);
    ASSERT_TRUE(BothRunPast(1500));
    auto settled = [this] { return Wait([this] { return players->Review().Settled(); }); };
    players->TogglePlayPause();
    ASSERT_TRUE(settled());
    auto start = ShownFrames(*players, host, card.path());
    ASSERT_GE(start.first, 0);
    for (int i = 0; i < 5; ++i)
        players->StepFrame(1);
    ASSERT_TRUE(settled());
    auto forward = ShownFrames(*players, host, card.path());
    EXPECT_EQ(forward.first, start.first + 5);
    EXPECT_EQ(forward.second, start.second + 5);
    players->StepFrame(-1);
    ASSERT_TRUE(settled());
    auto back = ShownFrames(*players, host, card.path());
    EXPECT_EQ(back.first, forward.first - 1);
    EXPECT_EQ(back.second, forward.second - 1);
    EXPECT_TRUE(Front().IsPaused() && Rear().IsPaused());
}

// Steps back from a recording's first picture go on into the recording before it, which becomes
// current; PLAY plays it on from the picture shown.
TEST_F(DualPlayerControllerTest, StepsBackAcrossTheCutAndPlayOnFromThePictureShown) {
    QTemporaryDir base;
    std::string error;
    ASSERT_FALSE(
        fixture::EnsureFrameCounterVideo(base.path().toStdString(), 320, 240, 20, 10, &error).empty())
        << error;
    Load(2, false, 20, base.path().toStdString());
    auto frontRow = [this](int k) {
        for (int i = 0, seen = 0; i < static_cast<int>(library.Records().size()); ++i)
            if (!IsRearFile(RecordPath(i)) && seen++ == k)
                return i;
        return -1;
    };
    players->PlayRecordingAt(frontRow(1));
    ASSERT_TRUE(BothRunPast(300));
    auto settled = [this] { return Wait([this] { return players->Review().Settled(); }); };
    players->TogglePlayPause();
    players->SeekTo(1);
    ASSERT_TRUE(settled());
    players->StepFrame(-1);
    players->StepFrame(-1);
    ASSERT_TRUE(settled());
    EXPECT_EQ(library.CurrentRow(), frontRow(0));
    EXPECT_EQ(players->CurrentPath().toStdString(), RecordPath(frontRow(0)));
    EXPECT_EQ(ShownFrames(*players, host, card.path()), std::make_pair(198, 198));
    players->TogglePlayPause();
    // Only a start at the picture shown reaches 19 s of the first recording this soon.
    EXPECT_TRUE(Wait([this] { return Front().Time() >= 19000; }, 8000));
    EXPECT_EQ(players->CurrentPath().toStdString(), RecordPath(frontRow(0)));
}

// Full-HD pictures take long enough to decode that the two cameras reach a jump's target at
// different moments: after each action both report times within 40 ms of each other once both
// report from the target on, and a pause leaves both showing the same picture.
TEST_F(DualPlayerControllerTest, BothCamerasLandTogetherAfterSkipsAndResumes) {
    QTemporaryDir base;
    std::string error;
    ASSERT_FALSE(
        fixture::EnsureFrameCounterVideo(base.path().toStdString(), 1920, 1080, 20, 25, &error).empty())
        << error;
    pictures = {1920, 1080, 25};
    Load(1, false, 20, base.path().toStdString());
    players->SetSyncEnabled(true);
    players->PlayRecordingAt(0);
    ASSERT_TRUE(BothRunPast(1000));
    auto landedNear = [this](int64_t target) {
        EXPECT_TRUE(BothRunPast(target + 200));
        auto behind = players->RearBehindMs();
        ASSERT_TRUE(behind.has_value());
        EXPECT_LE(std::llabs(*behind), 40) << "after landing at " << target;
    };
    for (int64_t skip : {5000, 5000, -3000}) {
        int64_t target = players->CurrentTime() + skip;
        players->SkipBy(skip);
        landedNear(target);
    }
    players->TogglePlayPause();
    ASSERT_TRUE(Wait([this] { return players->Review().Settled(); }));
    auto paused = ShownFrames(*players, host, card.path());
    EXPECT_GE(paused.first, 0);
    EXPECT_EQ(paused.first, paused.second);
    int64_t pausedAt = players->Review().TimeMs();
    players->TogglePlayPause();
    landedNear(pausedAt);
}

} // namespace
