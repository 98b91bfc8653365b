// Frame-by-frame review on a drive of three recordings whose pictures show their numbers (front
// 0, 1, 2 ... on across the cuts, rear the same from 1000; a key frame every 50 pictures; the
// third made like a camera's: a 333 ms write stall and pixels half again as wide as tall): steps
// land on exact pictures of both cameras, back and forth and across the cut; stills are the
// pictures shown at full resolution; a recording that cannot be opened keeps the steps where
// they were and says so; no file stays open once the review ends; zooming keeps the picture
// point under the pointer.

#include "library/RecordingLibrary.h"
#include "library/RecordingNaming.h"
#include "playback/FrameReview.h"
#include "tools/fixture/FixtureWriter.h"
#include "widgets/FrameOverlay.h"
#include "widgets/ZoomView.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

using namespace vemora;

namespace {

constexpr int kFps = 10;
constexpr int kSeconds = 8;
constexpr int kPictures = kFps * kSeconds;
constexpr int kRearOffset = 1000;
constexpr int kFrontWidth = 320, kFrontHeight = 240;
constexpr int kRearWidth = 320, kRearHeight = 180;
constexpr int kRecordings = 3;
constexpr int kCameraLike = 2;  // the recording made like a camera's
constexpr int kStallAfter = 40; // its pictures from this one on come 333 ms late
constexpr int kStallMs = 333;
constexpr double kPixelShape = 1.5; // its pixels' width over their height

// The counter video given a write stall and wide pixels, under the name the writer looks for
// (the times kept to the millisecond: the encoder would round them to its frame rate).
bool MakeCameraLike(const std::string& counterVideo, const std::string& dir, int width, int height) {
    std::filesystem::create_directories(dir);
    const std::string out =
        dir + "/" + fixture::BaseVideoName(fixture::Codec::H264, width, height, kSeconds, kFps);
    const std::string command =
        "ffmpeg -nostdin -v error -y -i '" + counterVideo + "' -vf \"settb=1/1000,setpts='PTS+gte(N\\," +
        std::to_string(kStallAfter) + ")*" + std::to_string(kStallMs / 1000.0) +
        "/TB',setsar=3/2\" -fps_mode passthrough -enc_time_base -1 -c:v libx264 -preset veryfast -crf 12 "
        "-bf 0 -g 50 -pix_fmt yuv420p -f mp4 '" +
        out + "'";
    return std::system(command.c_str()) == 0;
}

fixture::RecordingSpec CounterRecording(const std::string& base, int recording, bool rear) {
    fixture::RecordingSpec spec;
    spec.width = rear ? kRearWidth : kFrontWidth;
    spec.height = rear ? kRearHeight : kFrontHeight;
    spec.seconds = kSeconds;
    spec.fps = kFps;
    spec.start = fixture::CalendarTime{2024, 5, 17, 10, 20, 10 + kSeconds * recording};
    spec.gps = fixture::SimulateGps(fixture::DriveSimulation{}, kSeconds, 1, spec.start);
    spec.gsensor = fixture::SimulateGsensor(fixture::DriveSimulation{}, kSeconds, 10);
    const int first = kPictures * recording + (rear ? kRearOffset : 0);
    spec.baseDir = base + "/" + std::to_string(first);
    std::string error;
    const std::string counter = fixture::EnsureFrameCounterVideo(spec.baseDir, spec.width, spec.height,
                                                                 kSeconds, kFps, &error, {first});
    if (counter.empty())
        ADD_FAILURE() << error;
    if (recording == kCameraLike) {
        spec.baseDir += "-camera";
        if (!MakeCameraLike(counter, spec.baseDir, spec.width, spec.height))
            ADD_FAILURE() << "ffmpeg could not make the camera-like video";
    }
    return spec;
}

// The number a picture shows, read across its middle row; -1 without a picture.
int CounterOf(const QImage& image) {
    if (image.isNull())
        return -1;
    std::vector<int> gray;
    for (int x = 0; x < image.width(); ++x)
        gray.push_back(qGray(image.pixel(x, image.height() / 2)));
    return fixture::FrameOfCounterRow(gray);
}

// How many of this process's open files lie below folder.
int OpenFilesBelow(const std::string& folder) {
    int open = 0;
    std::error_code ec;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd", ec)) {
        std::error_code linkError;
        const std::string target = std::filesystem::read_symlink(fd.path(), linkError).string();
        if (!linkError && target.rfind(folder, 0) == 0)
            ++open;
    }
    return open;
}

// Replaces a file's bytes with ones no decoder reads, and puts them back when it goes.
class BrokenFile {
public:
    explicit BrokenFile(std::string path) : m_path(std::move(path)) {
        if (m_path.empty())
            return;
        std::ifstream in(m_path, std::ios::binary);
        m_bytes.assign(std::istreambuf_iterator<char>(in), {});
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << std::string(m_bytes.size(), 'x');
    }
    ~BrokenFile() {
        if (!m_path.empty())
            std::ofstream(m_path, std::ios::binary | std::ios::trunc) << m_bytes;
    }

private:
    std::string m_path;
    std::string m_bytes;
};

class FrameReviewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_scratch = new QTemporaryDir();
        const std::string root = s_scratch->path().toStdString();
        std::vector<fixture::CardRecording> recordings;
        for (int k = 0; k < kRecordings; ++k) {
            fixture::CardRecording r;
            r.front = CounterRecording(root + "/base", k, false);
            r.rear = CounterRecording(root + "/base", k, true);
            recordings.push_back(r);
        }
        fixture::CardResult written = fixture::WriteCard(root + "/card", recordings);
        ASSERT_TRUE(written.ok) << written.error;
    }
    static void TearDownTestSuite() {
        delete s_scratch;
        s_scratch = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(library.ScanSource(s_scratch->path().toStdString() + "/card/", ""));
        library.BuildTables();
        for (size_t i = 0; i < library.Records().size(); ++i)
            if (!IsRearFile(library.Records()[i].GetFullPath()))
                frontRows.push_back(static_cast<int>(i));
        ASSERT_EQ(frontRows.size(), static_cast<size_t>(kRecordings));
        frontPane.resize(kFrontWidth, kFrontHeight);
        rearPane.resize(kRearWidth, kRearHeight);
        review.SetOverlays(front, rear);
    }
    bool Settle() {
        return QTest::qWaitFor([this] { return review.Settled(); }, 30000);
    }

    static inline QTemporaryDir* s_scratch = nullptr;
    CRecordingLibrary library;
    std::vector<int> frontRows;
    QWidget frontPane, rearPane;
    FrameOverlay* front = new FrameOverlay(&frontPane);
    FrameOverlay* rear = new FrameOverlay(&rearPane);
    FrameReview review{library};
};

struct StepCase {
    const char* name;
    int recording;                 // of the drive, 0 or 1
    int start;                     // picture of that recording paused at
    const char* keys;              // "," back, "." forward
    int shows;                     // the front picture's number afterwards (counted along the drive)
    int crossesTo;                 // the recording the steps went on into; -1 when none
    bool still;                    // stills written and read back
    int broken = -1;               // a recording whose front file no decoder can open meanwhile
    int atMs = -1;                 // the pause's time, when not the picture's number at the ideal rate
    const char* caption = nullptr; // a text the front picture's caption shows
};

TEST_F(FrameReviewTest, StepsLandOnExactPicturesOfBothCameras) {
    const std::vector<StepCase> cases = {
        {"five forward, two back", 0, 55, ".....,,", 58, -1, false},
        {"twelve back across a key frame", 0, 58, ",,,,,,,,,,,,", 46, -1, true},
        {"back from the second recording's first picture", 1, 0, ",", kPictures - 1, 0, true},
        {"forward from the first recording's last picture", 0, kPictures - 1, ".", kPictures, 1, false},
        {"back at the drive's first picture stays", 0, 1, ",,", 0, -1, false},
        {"a stall and wide pixels", kCameraLike, kStallAfter + 1, "..,", 2 * kPictures + kStallAfter + 2, -1,
         false, -1, (kStallAfter + 1) * 100 + kStallMs, "00:04.533"},
        {"forward into a recording that cannot be opened stays", 1, kPictures - 1, ".", 2 * kPictures - 1, -1,
         false, kCameraLike},
    };
    const std::string card = s_scratch->path().toStdString() + "/card/";
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int first = c.recording * kPictures;
        const BrokenFile broken(c.broken < 0
                                    ? std::string()
                                    : library.GetRecordingPath(frontRows[static_cast<size_t>(c.broken)]));
        review.Begin(frontRows[static_cast<size_t>(c.recording)],
                     c.atMs >= 0 ? c.atMs : c.start * 1000 / kFps, false);
        ASSERT_TRUE(Settle());
        ASSERT_EQ(CounterOf(front->Picture()), first + c.start);
        QSignalSpy crossed(&review, &FrameReview::crossed);
        for (const char* k = c.keys; *k; ++k)
            review.Step(*k == '.' ? +1 : -1);
        ASSERT_TRUE(Settle());
        EXPECT_EQ(CounterOf(front->Picture()), c.shows);
        EXPECT_EQ(CounterOf(rear->Picture()), kRearOffset + c.shows);
        // Wide pixels widen the picture.
        const double shape = c.recording == kCameraLike ? kPixelShape : 1.0;
        EXPECT_EQ(front->Picture().size(), QSize(qRound(kFrontWidth * shape), kFrontHeight));
        EXPECT_EQ(rear->Picture().size(), QSize(qRound(kRearWidth * shape), kRearHeight));
        EXPECT_TRUE(front->Caption().contains(QString::number(c.shows % kPictures)))
            << front->Caption().toStdString();
        if (c.caption) {
            EXPECT_TRUE(front->Caption().contains(QString::fromLatin1(c.caption)))
                << front->Caption().toStdString();
        }
        if (c.broken >= 0) {
            const std::string name =
                std::filesystem::path(library.GetRecordingPath(frontRows[static_cast<size_t>(c.broken)]))
                    .filename()
                    .string();
            EXPECT_TRUE(front->Caption().contains(QString::fromStdString(name)))
                << front->Caption().toStdString();
        }
        ASSERT_EQ(crossed.count(), c.crossesTo < 0 ? 0 : 1);
        if (c.crossesTo >= 0) {
            EXPECT_EQ(crossed.first().at(0).toInt(), frontRows[static_cast<size_t>(c.crossesTo)]);
        }
        if (c.still) {
            const QString shot = s_scratch->path() + "/shot";
            ASSERT_TRUE(review.SavePictures(shot + "_F.jpg", shot + "_R.png"));
            const QImage frontStill(shot + "_F.jpg"), rearStill(shot + "_R.png");
            EXPECT_EQ(frontStill.size(), QSize(kFrontWidth, kFrontHeight));
            EXPECT_EQ(rearStill.size(), QSize(kRearWidth, kRearHeight));
            EXPECT_EQ(CounterOf(frontStill), c.shows);
            EXPECT_EQ(CounterOf(rearStill), kRearOffset + c.shows);
        }
        review.End();
        EXPECT_FALSE(front->isVisible());
        // Nothing of the card stays open: it can be taken out.
        EXPECT_TRUE(QTest::qWaitFor([&] { return OpenFilesBelow(card) == 0; }, 30000))
            << OpenFilesBelow(card) << " files stay open";
    }
}

struct ZoomCase {
    QSizeF view;
    QSizeF picture;
    QPointF pointer;
    std::vector<double> factors; // wheel turns, each about the same pointer
};

TEST(ZoomViewTest, ThePicturePointUnderThePointerStaysPut) {
    const std::vector<ZoomCase> cases = {
        {{640, 360}, {1920, 1080}, {100, 50}, {1.25, 1.25, 1.25}},
        {{640, 360}, {1920, 1080}, {600, 300}, {8.0, 0.8}},
        {{1920, 1080}, {1280, 720}, {10, 1070}, {2.0, 2.0, 2.0}},
    };
    for (const ZoomCase& c : cases) {
        ZoomView view;
        view.SetPicture(c.picture);
        view.SetView(c.view);
        const QPointF under = view.PicturePointAt(c.pointer);
        for (double f : c.factors) {
            view.ZoomAround(c.pointer, f);
            const QPointF now = view.PicturePointAt(c.pointer);
            EXPECT_NEAR(now.x(), under.x(), 1e-6);
            EXPECT_NEAR(now.y(), under.y(), 1e-6);
        }
        EXPECT_LE(view.Zoom(), ZoomView::kMaxZoom);
        view.Reset();
        EXPECT_EQ(view.PictureRect(), QRectF(QPointF(0, 0), c.view));
    }
}

} // namespace
