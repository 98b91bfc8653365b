// The exact-frame decoder on a video whose pictures show their numbers: any picture asked for in any order is
// the one decoded, mirrored or not, and a step back through the pictures just decoded comes from the cache
// without decoding.
#include "media/ExactFrameDecoder.h"
#include "tests/core/KmlTestSupport.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vemora {
namespace {

int CounterOf(const media::RgbFrame& picture) {
    std::vector<int> gray;
    const uint8_t* row = picture.Row(picture.height / 2);
    for (int x = 0; x < picture.width; ++x)
        gray.push_back(row[3 * x]);
    return fixture::FrameOfCounterRow(gray);
}

// Where a picture comes from: decoded from the key frame at or before it, the cache, or one
// more decoded on from the picture before it.
enum class From { KeyFrame, Cache, Onward };

struct Ask {
    size_t frame;
    bool mirror;
    From from;
};

TEST(ExactFrameDecoderTest, DecodesThePictureAskedForAndStepsBackFromTheCache) {
    testing::ScratchFolder scratch;
    std::string error;
    const std::string video = fixture::EnsureFrameCounterVideo(scratch.Path(), 320, 240, 10, 10, &error);
    ASSERT_FALSE(video.empty()) << error;
    media::ExactFrameDecoder decoder;
    ASSERT_TRUE(decoder.Open(video, &error)) << error;
    ASSERT_EQ(decoder.Index().Count(), 100u);
    // Around the last key frame but one (the encoder adds key frames where the picture changes).
    const size_t key = decoder.Index().KeyAtOrBefore(90);
    ASSERT_GE(key, 10u);
    const std::vector<Ask> asks = {
        {key + 8, false, From::KeyFrame}, {key + 7, false, From::Cache}, {key + 9, true, From::Onward},
        {key - 4, false, From::KeyFrame}, {key - 5, false, From::Cache}, {99, true, From::KeyFrame},
        {98, false, From::Cache},
    };
    for (const Ask& ask : asks) {
        SCOPED_TRACE(ask.frame);
        auto picture = decoder.Picture(ask.frame, ask.mirror, &error);
        ASSERT_TRUE(picture) << error;
        EXPECT_EQ(picture->width, 320);
        EXPECT_EQ(picture->height, 240);
        EXPECT_EQ(CounterOf(*picture), static_cast<int>(ask.frame));
        EXPECT_NEAR(picture->timeMs, 100.0 * static_cast<double>(ask.frame), 1.0);
        const size_t decoded = ask.from == From::Cache ? 0
                               : ask.from == From::Onward
                                   ? 1
                                   : ask.frame - decoder.Index().KeyAtOrBefore(ask.frame) + 1;
        EXPECT_EQ(decoder.LastDecodeCount(), decoded);
    }
    EXPECT_LE(decoder.CachedBytes(), media::ExactFrameDecoder::kDefaultCacheBytes);
}

TEST(ExactFrameDecoderTest, ADamagedFileIsRefusedWithItsName) {
    testing::ScratchFolder scratch;
    const std::string path = scratch.Path() + "/cut.mp4";
    std::ofstream(path, std::ios::binary) << std::string(5000, 'x');
    media::ExactFrameDecoder decoder;
    std::string error;
    EXPECT_FALSE(decoder.Open(path, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
}

} // namespace
} // namespace vemora
