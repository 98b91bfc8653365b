// Frame-by-frame review on a drive of two recordings whose pictures show their numbers (front
// 0, 1, 2 ... on across the cut, rear the same from 1000; a key frame every 50 pictures): steps
// land on exact pictures of both cameras, back and forth and across the cut; stills are the
// pictures shown at full resolution; zooming keeps the picture point under the pointer.

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

using namespace vemora;

namespace {

constexpr int kFps = 10;
constexpr int kSeconds = 8;
constexpr int kPictures = kFps * kSeconds;
constexpr int kRearOffset = 1000;
constexpr int kFrontWidth = 320, kFrontHeight = 240;
constexpr int kRearWidth = 320, kRearHeight = 180;

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
    if (fixture::EnsureFrameCounterVideo(spec.baseDir, spec.width, spec.height, kSeconds, kFps, &error,
                                         {first})
            .empty())
        ADD_FAILURE() << error;
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

class FrameReviewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_scratch = new QTemporaryDir();
        const std::string root = s_scratch->path().toStdString();
        std::vector<fixture::CardRecording> recordings;
        for (int k = 0; k < 2; ++k) {
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
        ASSERT_EQ(frontRows.size(), 2u);
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
    int recording;    // of the drive, 0 or 1
    int start;        // picture of that recording paused at
    const char* keys; // "," back, "." forward
    int shows;        // the front picture's number afterwards (counted along the drive)
    int crossesTo;    // the recording the steps went on into; -1 when none
    bool still;       // stills written and read back
};

TEST_F(FrameReviewTest, StepsLandOnExactPicturesOfBothCameras) {
    const std::vector<StepCase> cases = {
        {"five forward, two back", 0, 55, ".....,,", 58, -1, false},
        {"twelve back across a key frame", 0, 58, ",,,,,,,,,,,,", 46, -1, true},
        {"back from the second recording's first picture", 1, 0, ",", kPictures - 1, 0, true},
        {"forward from the first recording's last picture", 0, kPictures - 1, ".", kPictures, 1, false},
        {"back at the drive's first picture stays", 0, 1, ",,", 0, -1, false},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int first = c.recording * kPictures;
        review.Begin(frontRows[static_cast<size_t>(c.recording)], c.start * 1000 / kFps, false);
        ASSERT_TRUE(Settle());
        ASSERT_EQ(CounterOf(front->Picture()), first + c.start);
        QSignalSpy crossed(&review, &FrameReview::crossed);
        for (const char* k = c.keys; *k; ++k)
            review.Step(*k == '.' ? +1 : -1);
        ASSERT_TRUE(Settle());
        EXPECT_EQ(CounterOf(front->Picture()), c.shows);
        EXPECT_EQ(CounterOf(rear->Picture()), kRearOffset + c.shows);
        EXPECT_EQ(front->Picture().size(), QSize(kFrontWidth, kFrontHeight));
        EXPECT_TRUE(
            front->Caption().contains(QString::number(c.shows - (c.shows >= kPictures ? kPictures : 0))))
            << front->Caption().toStdString();
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
