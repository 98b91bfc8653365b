// The key pictures' times read from the demuxer's index are those of the key pictures the
// packets carry (shown times), or a picture or two after them where the pictures are stored out
// of the order they are shown, never before: camera-like grain with a stall, reordered streams.
#include "media/FrameIndex.h"
#include "media/KeyPictures.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vemora {
namespace {

TEST(KeyPictureTimes, AreTheShownTimesOfTheKeyPicturesInTheFile) {
    const std::string dir = std::string(VEMORA_FIXTURE_DIR) + "/camera";
    std::string error;
    fixture::CameraVideo stalled;
    stalled.grain = true;
    stalled.frames = 91;
    stalled.stallAfterFrame = 45;
    stalled.sound = false;
    fixture::CameraVideo hevc = stalled;
    hevc.codec = fixture::Codec::H265;
    hevc.stallAfterFrame = -1;
    struct Row {
        const char* what;
        std::string path;
    };
    const std::vector<Row> rows = {
        {"grain, a key picture a second, a stall", fixture::EnsureCameraVideo(dir, stalled, &error)},
        {"H.264 with reordered pictures, key pictures where the picture changes",
         fixture::EnsureFrameCounterVideo(dir + "/counter", 320, 240, 10, 10, &error)},
        {"H.265 grain", fixture::EnsureCameraVideo(dir, hevc, &error)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_FALSE(row.path.empty()) << error;
        media::FrameIndex index;
        ASSERT_TRUE(index.Build(row.path, &error)) << error;
        std::vector<double> expected;
        for (size_t n = 0; n < index.Count(); ++n)
            if (index[n].key)
                expected.push_back(index[n].timeMs);
        const std::vector<double> times = media::ReadKeyPictureTimes(row.path, &error);
        ASSERT_EQ(times.size(), expected.size()) << error;
        ASSERT_GT(times.size(), 1u);
        // Never before the key picture; after it by the reordering depth at most.
        for (size_t k = 0; k < times.size(); ++k) {
            EXPECT_GE(times[k], expected[k] - 0.5) << "key picture " << k;
            EXPECT_LE(times[k], expected[k] + 3 * index.FrameDurationMs() + 0.5) << "key picture " << k;
        }
    }
}

} // namespace
} // namespace vemora
