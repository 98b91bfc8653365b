// The exact-frame decoder on a video whose pictures show their numbers: any picture asked for in any order is
// the one decoded, mirrored or not, a step back through the pictures just decoded comes from the cache
// without decoding, and a damaged picture is tried once.
#include "media/ExactFrameDecoder.h"
#include "media/StreamReader.h"
#include "tests/core/KmlTestSupport.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
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

// A picture's pixels, plane after plane, without the padding at the rows' ends.
std::string PlanesOf(const AVFrame& frame) {
    const auto format = static_cast<AVPixelFormat>(frame.format);
    const AVPixFmtDescriptor* d = av_pix_fmt_desc_get(format);
    std::string planes;
    for (int p = 0; p < 4 && frame.data[p]; ++p) {
        const int sub = p == 1 || p == 2 ? d->log2_chroma_h : 0;
        const int rows = (frame.height + (1 << sub) - 1) >> sub;
        const int bytes = av_image_get_linesize(format, frame.width, p);
        for (int y = 0; y < rows; ++y)
            planes.append(reinterpret_cast<const char*>(frame.data[p] + y * frame.linesize[p]),
                          static_cast<size_t>(bytes));
    }
    return planes;
}

// Every picture's planes, row by row, as FFmpeg's own buffers give them: the reference for the
// reader's picture memory. Empty when the file cannot be decoded.
std::vector<std::string> DefaultDecode(const std::string& path) {
    std::vector<std::string> pictures;
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0)
        return pictures;
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> input(
        raw, [](AVFormatContext* c) { avformat_close_input(&c); });
    const AVCodec* codec = nullptr;
    const int stream = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (avformat_find_stream_info(input.get(), nullptr) < 0 || stream < 0)
        return pictures;
    std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)> decoder(
        avcodec_alloc_context3(codec), [](AVCodecContext* c) { avcodec_free_context(&c); });
    avcodec_parameters_to_context(decoder.get(), input->streams[stream]->codecpar);
    if (avcodec_open2(decoder.get(), codec, nullptr) < 0)
        return pictures;
    AVPacket* packet = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    auto take = [&] {
        while (avcodec_receive_frame(decoder.get(), frame) == 0) {
            pictures.push_back(PlanesOf(*frame));
        }
    };
    while (av_read_frame(input.get(), packet) >= 0) {
        if (packet->stream_index == stream)
            avcodec_send_packet(decoder.get(), packet);
        av_packet_unref(packet);
        take();
    }
    avcodec_send_packet(decoder.get(), nullptr);
    take();
    av_frame_free(&frame);
    av_packet_free(&packet);
    return pictures;
}

// The reader's pictures live in memory of its own (whole huge pages from 2 MiB on): every
// picture of each kind of video is the one FFmpeg's own buffers hold, plane by plane.
TEST(StreamReaderTest, PicturesInTheReadersMemoryAreTheDecodersOwn) {
    struct Row {
        const char* what;
        fixture::CameraVideo video;
    };
    auto video = [](fixture::Codec codec, int width, int height, bool tenBit) {
        fixture::CameraVideo v;
        v.codec = codec;
        v.width = width;
        v.height = height;
        v.frames = 12;
        v.sound = false;
        v.tenBit = tenBit;
        return v;
    };
    const std::vector<Row> rows = {
        {"H.264, rows not a multiple of 16", video(fixture::Codec::H264, 642, 362, false)},
        {"H.264 1080p, beyond a huge page", video(fixture::Codec::H264, 1920, 1080, false)},
        {"H.265 10-bit 1440p", video(fixture::Codec::H265, 2560, 1440, true)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::string error;
        const std::string path =
            fixture::EnsureCameraVideo(std::string(VEMORA_FIXTURE_DIR) + "/camera", row.video, &error);
        ASSERT_FALSE(path.empty()) << error;
        const std::vector<std::string> expected = DefaultDecode(path);
        ASSERT_EQ(expected.size(), 12u);
        std::unique_ptr<media::StreamReader> reader =
            media::StreamReader::Open(path, media::StreamKind::Video, &error);
        ASSERT_TRUE(reader) << error;
        // All of them kept at once, as the review's cache keeps a group of pictures.
        std::vector<std::unique_ptr<AVFrame, void (*)(AVFrame*)>> kept;
        while (const AVFrame* frame = reader->Next(&error))
            kept.emplace_back(av_frame_clone(frame), [](AVFrame* f) { av_frame_free(&f); });
        ASSERT_TRUE(error.empty()) << error;
        ASSERT_EQ(kept.size(), expected.size());
        for (size_t n = 0; n < kept.size(); ++n)
            EXPECT_TRUE(PlanesOf(*kept[n]) == expected[n]) << "picture " << n;
    }
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
