// Recordings written by the fixture writer around real ffmpeg video, read back by the MP4/MOV
// reader: every layout must come back with the layout, picture, times and telemetry positions
// that were written.
#include "platform/Diagnostics.h"
#include "telemetry/Mp4Parser.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vemora {
namespace {

using fixture::Layout;

class Mp4FixtureRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        SetDiagnosticSink({});
        m_dir = std::filesystem::temp_directory_path() /
                ("vemora-rt-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override {
        std::filesystem::remove_all(m_dir);
        SetDiagnosticSink(StdoutSink());
    }

    fixture::RecordingSpec Spec(Layout layout) const {
        fixture::RecordingSpec spec;
        spec.layout = layout;
        spec.baseDir = VEMORA_FIXTURE_DIR;
        spec.start = fixture::CalendarTime{2024, 5, 17, 10, 20, 30};
        spec.gps = fixture::SimulateGps({}, spec.seconds, fixture::LayoutGpsRate(layout, spec.gpsRateWord),
                                        spec.start);
        spec.gsensor = fixture::SimulateGsensor({}, spec.seconds, 5);
        return spec;
    }

    // Writes the recording (failing loudly when the writer cannot) and parses it.
    int WriteAndParse(const fixture::RecordingSpec& spec, fixture::WrittenFile& written,
                      const std::string& name = "FILE0001.MP4") {
        std::string path = (m_dir / name).string();
        fixture::WriteResult result = fixture::WriteRecording(spec, path);
        EXPECT_TRUE(result.ok) << result.error;
        if (!result.ok)
            return -2;
        written = result.file;
        m_summary = ContainerSummary{};
        CDvr3gpParser reader;
        reader.SetSummary(&m_summary);
        return reader.Parse(path);
    }

    std::filesystem::path m_dir;
    ContainerSummary m_summary;
};

TEST_F(Mp4FixtureRoundTrip, EveryLayoutReadsBackAsWritten) {
    const Layout layouts[] = {Layout::InlineBoxes, Layout::MetaTrack88, Layout::MetaTrack92,
                              Layout::FileTrailer, Layout::GpsIndexBox};
    for (Layout layout : layouts) {
        for (fixture::Codec codec : {fixture::Codec::H264, fixture::Codec::H265}) {
            SCOPED_TRACE("layout " + std::to_string(int(layout)) +
                         (codec == fixture::Codec::H265 ? " h265" : " h264"));
            fixture::RecordingSpec spec = Spec(layout);
            spec.codec = codec;
            fixture::WrittenFile written;
            if (layout == Layout::InlineBoxes && codec == fixture::Codec::H265) {
                // The inline layout knows only "avc1" sample entries: no picture size, rejected.
                EXPECT_EQ(WriteAndParse(spec, written), -1);
                continue;
            }
            ASSERT_EQ(WriteAndParse(spec, written), 0);
            EXPECT_EQ(int(m_summary.format), int(layout));
            EXPECT_EQ(m_summary.width, 320);
            EXPECT_EQ(m_summary.height, 240);
            EXPECT_EQ(m_summary.durationMs, 3000u);
            EXPECT_EQ(m_summary.fileSize, written.fileSize);
            EXPECT_EQ(m_summary.startTime, fixture::ToLocalTime(spec.start));
            EXPECT_EQ(int(m_summary.gpsRate & 0xFF), fixture::LayoutGpsRate(layout, spec.gpsRateWord));
            if (layout != Layout::InlineBoxes) {
                EXPECT_EQ(m_summary.codec,
                          codec == fixture::Codec::H265 ? VideoCodec::H265 : VideoCodec::H264);
            }

            std::vector<int64_t> offsets;
            for (const auto* table :
                 {&m_summary.metaRecords88, &m_summary.metaRecords92, &m_summary.gpsIndexRecords})
                for (const RecordLocator& r : *table)
                    offsets.push_back(r.offset); // the writer reports record offsets (chunk + 2 for meta92)
            if (layout == Layout::InlineBoxes) {
                EXPECT_EQ(m_summary.gpsBoxOffset, written.gpsBoxOffset);
                EXPECT_EQ(m_summary.gpsBoxSize, written.gpsBoxSize);
                EXPECT_EQ(m_summary.gsensorBoxOffset, written.gsensorBoxOffset);
                EXPECT_EQ(m_summary.gsensorBoxSize, written.gsensorBoxSize);
                EXPECT_EQ(m_summary.gsensorInfo.Word(), spec.gsensorInfoWord);
            } else {
                EXPECT_EQ(m_summary.gpsBoxOffset, 0u);
                EXPECT_EQ(m_summary.gsensorInfo.Word(), kFixedGSensorInfoWord);
                if (layout != Layout::FileTrailer) {
                    EXPECT_EQ(offsets, written.recordOffsets);
                } else {
                    EXPECT_TRUE(offsets.empty());
                }
            }
        }
    }
}

TEST_F(Mp4FixtureRoundTrip, WriterOptionsThatTheReaderMustSurvive) {
    struct Case {
        const char* label;
        Layout layout;
        void (*tweak)(fixture::WriteOptions&);
        bool accepted;
        size_t records; // expected table entries when accepted
    } cases[] = {
        {"meta88 meta trak first", Layout::MetaTrack88, [](auto& o) { o.metaTrackFirst = true; }, true, 15},
        {"meta92 meta trak first", Layout::MetaTrack92, [](auto& o) { o.metaTrackFirst = true; }, true, 0},
        {"meta88 thumbnail box", Layout::MetaTrack88, [](auto& o) { o.thumbnailBox = true; }, true, 15},
        {"meta88 moov first", Layout::MetaTrack88, [](auto& o) { o.moovFirst = true; }, true, 15},
        {"large mdat", Layout::GpsIndexBox, [](auto& o) { o.largeMdat = true; }, true, 3},
        {"co64 video offsets", Layout::MetaTrack92, [](auto& o) { o.videoCo64 = true; }, true, 15},
        {"table count too large 88", Layout::MetaTrack88, [](auto& o) { o.extraTableCount = 1000; }, true,
         15},
        {"table count too large gps", Layout::GpsIndexBox, [](auto& o) { o.extraTableCount = 7; }, true, 3},
        {"inline in moov", Layout::InlineBoxes, [](auto& o) { o.telemetryInMoov = true; }, true, 0},
        {"inline without skip", Layout::InlineBoxes, [](auto& o) { o.writeSkip = false; }, false, 0},
        {"inline skip mark 1", Layout::InlineBoxes, [](auto& o) { o.skipLastByte = 1; }, false, 0},
        {"meta92 without udta", Layout::MetaTrack92, [](auto& o) { o.omitUdta = true; }, false, 0},
        {"trailer without udta", Layout::FileTrailer, [](auto& o) { o.omitUdta = true; }, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        fixture::RecordingSpec spec = Spec(c.layout);
        c.tweak(spec.options);
        fixture::WrittenFile written;
        int rc = WriteAndParse(spec, written);
        ASSERT_NE(rc, -2);
        EXPECT_EQ(rc, c.accepted ? 0 : -1);
        if (c.accepted && rc == 0) {
            EXPECT_EQ(int(m_summary.format), int(c.layout));
            size_t n = m_summary.metaRecords88.size() + m_summary.metaRecords92.size() +
                       m_summary.gpsIndexRecords.size();
            EXPECT_EQ(n, c.records);
            EXPECT_EQ(m_summary.width, 320);
        }
    }
}

TEST_F(Mp4FixtureRoundTrip, TruncatedRecordingsAreRejectedOrStillWhole) {
    for (Layout layout : {Layout::InlineBoxes, Layout::MetaTrack88, Layout::MetaTrack92, Layout::FileTrailer,
                          Layout::GpsIndexBox}) {
        SCOPED_TRACE("layout " + std::to_string(int(layout)));
        fixture::RecordingSpec spec = Spec(layout);
        fixture::WrittenFile whole;
        ASSERT_EQ(WriteAndParse(spec, whole), 0);
        for (uint64_t cut : {uint64_t(7), uint64_t(100), whole.fileSize / 2, whole.fileSize - 1}) {
            spec.options.truncateAt = cut;
            fixture::WrittenFile written;
            int rc = WriteAndParse(spec, written);
            ASSERT_NE(rc, -2);
            if (rc == 0) {
                // Only a cut behind everything the reader needs may be accepted.
                EXPECT_LE(m_summary.gsensorBoxOffset + m_summary.gsensorBoxSize, cut);
                EXPECT_NE(m_summary.durationMs, 0u);
            }
        }
    }
}

} // namespace
} // namespace vemora
