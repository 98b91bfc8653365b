// The exact-frame decoder on a video whose pictures show their numbers: any picture asked for in any order is
// the one decoded, mirrored or not, a step back through the pictures just decoded comes from the cache
// without decoding, and a damaged picture is tried once.
#include "media/ExactFrameDecoder.h"
#include "tests/core/KmlTestSupport.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

extern "C" {
#include <libavformat/avformat.h>
}

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

// Where the sample stored last lies and the number of its picture (by presentation time): no
// sample after it refers to it, so spoiling it spoils that picture alone.
struct StoredSample {
    int64_t pos = -1;
    int size = 0;
    size_t picture = 0;
};

StoredSample LastStoredSample(const std::string& path) {
    StoredSample last;
    AVFormatContext* input = nullptr;
    if (avformat_open_input(&input, path.c_str(), nullptr, nullptr) < 0)
        return last;
    std::vector<int64_t> times;
    int64_t lastPts = 0;
    AVPacket* packet = av_packet_alloc();
    while (av_read_frame(input, packet) >= 0) {
        times.push_back(packet->pts);
        lastPts = packet->pts;
        last.pos = packet->pos;
        last.size = packet->size;
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    avformat_close_input(&input);
    std::sort(times.begin(), times.end());
    last.picture = static_cast<size_t>(std::find(times.begin(), times.end(), lastPts) - times.begin());
    return last;
}

// A picture whose data is damaged fails with a reason once; asked again, it fails without being
// decoded again, and the pictures before it still come.
TEST(ExactFrameDecoderTest, APictureThatFailedIsNotDecodedAgain) {
    testing::ScratchFolder scratch;
    std::string error;
    const std::string video = fixture::EnsureFrameCounterVideo(scratch.Path(), 320, 240, 10, 10, &error);
    ASSERT_FALSE(video.empty()) << error;
    const std::string damaged = scratch.Path() + "/damaged.mp4";
    std::filesystem::copy_file(video, damaged);
    const StoredSample lost = LastStoredSample(damaged);
    ASSERT_GT(lost.size, 6);
    {
        // One NAL unit of filler data in place of the picture's slices: the decoder finds no picture.
        std::fstream file(damaged, std::ios::in | std::ios::out | std::ios::binary);
        const uint32_t length = static_cast<uint32_t>(lost.size - 4);
        std::string filler = {static_cast<char>(length >> 24), static_cast<char>(length >> 16),
                              static_cast<char>(length >> 8), static_cast<char>(length), 0x0C};
        filler += std::string(static_cast<size_t>(lost.size) - 6, '\xFF') + '\x80';
        file.seekp(lost.pos);
        file.write(filler.data(), static_cast<std::streamsize>(filler.size()));
        ASSERT_TRUE(file.good());
    }
    media::ExactFrameDecoder decoder;
    ASSERT_TRUE(decoder.Open(damaged, &error)) << error;
    EXPECT_FALSE(decoder.Picture(lost.picture, false, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_GT(decoder.LastDecodeCount(), 0u);
    EXPECT_FALSE(decoder.Picture(lost.picture, false, &error));
    EXPECT_NE(error.find(damaged), std::string::npos) << error;
    EXPECT_EQ(decoder.LastDecodeCount(), 0u);
    auto first = decoder.Picture(0, false, &error);
    ASSERT_TRUE(first) << error;
    EXPECT_EQ(CounterOf(*first), 0);
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
