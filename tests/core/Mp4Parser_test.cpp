// The MP4/MOV reader on byte images built in the tests: layout choice and acceptance, start
// times, box-size corner cases, the trak walk, record tables and damaged files.
#include "tests/core/BoxBuilder.h"

#include "platform/Diagnostics.h"
#include "telemetry/Mp4Parser.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vemora {
namespace {

using namespace vemora::test;

time_t Local(int y, int mo, int d, int h, int mi, int s) {
    struct tm t {};
    t.tm_year = y - 1900;
    t.tm_mon = mo - 1;
    t.tm_mday = d;
    t.tm_hour = h;
    t.tm_min = mi;
    t.tm_sec = s;
    t.tm_isdst = -1;
    return mktime(&t);
}

class Mp4ParserTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDiagnosticSink({}); // the readers' "Get end" lines are expected noise here
        m_dir = MakeTempDir();
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override {
        std::filesystem::remove_all(m_dir);
        SetDiagnosticSink(StdoutSink());
    }

    std::string Write(const ByteVec& bytes, const std::string& name = "FILE0001.MP4") {
        std::string path = m_dir + "/" + name;
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }
    // Parses the bytes; returns the reader's result, the summary in m_summary.
    int Parse(const ByteVec& bytes) {
        m_summary = ContainerSummary{};
        CDvr3gpParser reader;
        reader.SetSummary(&m_summary);
        int rc = reader.Parse(Write(bytes));
        m_format = reader.Format();
        return rc;
    }

    std::string m_dir;
    ContainerSummary m_summary;
    int m_format = -1;
};

// --- layouts accepted -------------------------------------------------------------------------

TEST_F(Mp4ParserTest, InlineBoxesAcceptedWithBoxesAsStored) {
    ByteVec gps = Cat({GpsRecord(24, 5, 17, 10, 20, 30), GpsRecord(24, 5, 17, 10, 20, 31)});
    ByteVec telemetry = Cat({Box("gpsa", Le32(0x00000A02)), Box("gsea", Le32(0x00010A0B)), Box("gps0", gps),
                             Box("gsen", Zeros(60))});
    ByteVec file = InlineFile(telemetry);
    ASSERT_EQ(Parse(file), 0);
    EXPECT_EQ(m_summary.format, TelemetryFormat::InlineBoxes);
    EXPECT_EQ(m_summary.width, 1280);
    EXPECT_EQ(m_summary.height, 720);
    EXPECT_EQ(m_summary.durationMs, 60000u);
    EXPECT_EQ(m_summary.gpsRate, 0x00000A02u); // all four bytes as stored
    EXPECT_EQ(m_summary.gsensorInfo.Word(), 0x00010A0Bu);
    EXPECT_EQ(m_summary.gpsBoxSize, 64u);
    EXPECT_EQ(m_summary.gsensorBoxSize, 60u);
    EXPECT_EQ(m_summary.fileSize, file.size());
    // Payload offsets point at the data itself.
    EXPECT_EQ(file[m_summary.gpsBoxOffset + 22], 24);
    EXPECT_EQ(
        std::string(file.begin() + m_summary.gsensorBoxOffset - 4, file.begin() + m_summary.gsensorBoxOffset),
        "gsen");
    EXPECT_EQ(m_summary.lengthSeconds, 0);
}

TEST_F(Mp4ParserTest, InlineBoxesInsideMoovAreFound) {
    ByteVec telemetry = Cat({Box("gpsa", Le32(1)), Box("gps0", GpsRecord(24, 5, 17, 10, 20, 30))});
    ByteVec file = Cat({Ftyp(), Box("skip", ByteVec{0}), InlineMoov(640, 480, 1000, 5000, telemetry)});
    ASSERT_EQ(Parse(file), 0);
    EXPECT_EQ(m_summary.gpsBoxSize, 32u);
    EXPECT_EQ(m_summary.startTime, Local(2024, 5, 17, 10, 20, 30));
    EXPECT_EQ(m_summary.durationMs, 5000u);
}

struct TrackLayoutCase {
    const char* label;
    ByteVec file;
    TelemetryFormat format;
    uint8_t gpsRate;
    size_t records;
    VideoCodec codec;
};

TEST_F(Mp4ParserTest, TrackLayoutsAcceptedWithFixedRatesAndTables) {
    const std::vector<uint32_t> chunks = {1000, 2000, 0xFFFFFFF0u};
    const TrackLayoutCase cases[] = {
        {"meta88", MetaTrackFile(false, false, chunks, "JTD_Video"), TelemetryFormat::MetaTrack88, 5, 3,
         VideoCodec::H264},
        {"meta92", MetaTrackFile(true, false, chunks, "VideoHandler"), TelemetryFormat::MetaTrack92, 5, 3,
         VideoCodec::H264},
        {"trailer", TrailerFile(), TelemetryFormat::FileTrailer, 1, 0, VideoCodec::H264},
        {"gpsindex", GpsIndexFile(chunks), TelemetryFormat::GpsIndexBox, 1, 3, VideoCodec::H265},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        m_summary.codec = VideoCodec::H265;
        ASSERT_EQ(Parse(c.file), 0);
        EXPECT_EQ(m_summary.format, c.format);
        EXPECT_EQ(m_summary.gpsRate, c.gpsRate);
        EXPECT_EQ(m_summary.gsensorInfo.Word(), kFixedGSensorInfoWord);
        EXPECT_EQ(m_summary.codec, c.codec);
        EXPECT_EQ(m_summary.durationMs, 60000u);
        EXPECT_EQ(m_summary.startTime, Local(2024, 1, 1, 0, 35, 20));
        EXPECT_EQ(m_summary.gpsBoxOffset, 0u);
        size_t n = m_summary.metaRecords88.size() + m_summary.metaRecords92.size() +
                   m_summary.gpsIndexRecords.size();
        EXPECT_EQ(n, c.records);
    }
}

TEST_F(Mp4ParserTest, RecordOffsetsAreSignExtendedAndShiftedForMeta92) {
    ASSERT_EQ(Parse(MetaTrackFile(true, false, {1000, 0xFFFFFFF0u}, "VideoHandler")), 0);
    ASSERT_EQ(m_summary.metaRecords92.size(), 2u);
    EXPECT_EQ(m_summary.metaRecords92[0], (RecordLocator{0, 1002}));
    EXPECT_EQ(m_summary.metaRecords92[1], (RecordLocator{1, -16 + 2}));

    ASSERT_EQ(Parse(MetaTrackFile(false, false, {1000, 0xFFFFFFF0u}, "JTD_")), 0);
    ASSERT_EQ(m_summary.metaRecords88.size(), 2u);
    EXPECT_EQ(m_summary.metaRecords88[1], (RecordLocator{1, -16}));

    ASSERT_EQ(Parse(GpsIndexFile({4096, 8192})), 0);
    EXPECT_EQ(m_summary.gpsIndexRecords, (std::vector<RecordLocator>{{0, 4096}, {1, 8192}}));
    EXPECT_EQ(m_summary.width, 2560);
    EXPECT_EQ(m_summary.height, 1440);
}

// --- layout choice and rejection --------------------------------------------------------------

TEST_F(Mp4ParserTest, LayoutRulesRejectFiles) {
    ByteVec gps = Box("gps0", GpsRecord(24, 5, 17, 10, 20, 30));
    struct Case {
        const char* label;
        ByteVec file;
        int format; // pre-pass result
    } cases[] = {
        {"inline without skip", Cat({Ftyp(), Box("IDIT", Text("2024-05-17 10:00:00")), InlineMoov(), gps}),
         0},
        {"inline skip not ending in 0", InlineFile(gps, Box("skip", ByteVec{0, 0, 1})), 0},
        {"inline empty skip", InlineFile(gps, Box("skip", {})), 0},
        {"inline zero height", Cat({Ftyp(), Box("skip", ByteVec{0}), InlineMoov(640, 0)}), 0},
        {"inline zero timescale", Cat({Ftyp(), Box("skip", ByteVec{0}), InlineMoov(640, 480, 0, 100)}), 0},
        {"meta88 video not JTD_", MetaTrackFile(false, false, {1}, "VideoHandler"), 1},
        {"meta92 video not Vide", MetaTrackFile(true, false, {1}, "JTD_Video"), 2},
        {"trailer video not Vide", TrailerFile("Other"), 3},
        {"gpsindex video not Vide", GpsIndexFile({1}, "Other"), 4},
        {"gpsindex mdat before moov",
         Cat({Ftyp(), Box("mdat", Zeros(16)),
              Box("moov", Cat({Mvhd(1000, 60000, kCreation2024), VideoTrak("VideoHandler"),
                               Box("gps ", Zeros(8))}))}),
         4},
        {"wide and moov without udta",
         Cat({Ftyp(), Box("wide", {}), Box("moov", Cat({Mvhd(1000, 60000), VideoTrak("VideoHandler")}))}),
         -1},
        {"no marker box before moov", Cat({Ftyp(), InlineMoov(), Box("skip", ByteVec{0})}), -1},
        {"first box not ftyp", Cat({Box("free", {}), InlineMoov()}), 1},
        {"seven bytes", ByteVec{0, 0, 0, 8, 'f', 't', 'y'}, -1},
        {"empty file", ByteVec{}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Parse(c.file), -1);
        EXPECT_EQ(m_format, c.format);
    }
}

TEST_F(Mp4ParserTest, PrePassDecisions) {
    ByteVec moovWithUdta = Box("moov", Cat({Mvhd(1000, 60000), VideoTrak("JTD_"), TitleUdta()}));
    // "free" decides format 1 at once even when "wide" follows.
    Parse(Cat({Ftyp(), Box("free", {}), Box("wide", {}), moovWithUdta}));
    EXPECT_EQ(m_format, 1);
    // A "thm " box does the same.
    Parse(Cat({Ftyp(), Box("thm ", Zeros(10)), moovWithUdta}));
    EXPECT_EQ(m_format, 1);
    // "wide" + a short udta, or one whose first item is not the title: trailer layout.
    Parse(TrailerFile("VideoHandler", PlainUdta(34)));
    EXPECT_EQ(m_format, 3);
    Parse(TrailerFile("VideoHandler", PlainUdta(60)));
    EXPECT_EQ(m_format, 3);
    // "wide" before a moov without udta, then "free": format 1 after all.
    Parse(Cat({Ftyp(), Box("wide", {}), Box("moov", Mvhd(1, 1)), Box("free", {})}));
    EXPECT_EQ(m_format, 1);
    // "IDIT" alone before moov decides the inline layout.
    Parse(Cat({Ftyp(), Box("IDIT", Text("x")), InlineMoov()}));
    EXPECT_EQ(m_format, 0);
}

TEST_F(Mp4ParserTest, MetaTrack88WithTopLevelUdtaWalksItsChildren) {
    // Format 1 enters unknown top-level boxes, so a "moov" inside "udta" is read.
    ByteVec inner = Box("moov", Cat({Mvhd(1000, 30000, kCreation2024), VideoTrak("JTD_"), MetaTrak({500})}));
    ASSERT_EQ(Parse(Cat({Ftyp(), Box("free", {}), Box("udta", inner)})), 0);
    EXPECT_EQ(m_summary.durationMs, 30000u);
    EXPECT_EQ(m_summary.metaRecords88.size(), 1u);
}

TEST_F(Mp4ParserTest, MetaTrack88WalkEndsAtAZeroFilledTail) {
    // A recording cut short by a power loss: the last megabytes are zeros. The walk of format 1
    // enters unknown boxes, so without an end rule it would step through the zeros 8 bytes at a time.
    ByteVec moov = Box("moov", Cat({Mvhd(1000, 30000, kCreation2024), VideoTrak("JTD_"), MetaTrak({500})}));
    ByteVec file = Cat({Ftyp(), Box("free", {}), moov, ByteVec(4 << 20, 0)});
    struct Counter {
        uint64_t reads = 0;
    } counter;
    RecorderFile::SetReadObserver([](void* c, uint64_t, size_t) { ++static_cast<Counter*>(c)->reads; },
                                  &counter);
    int rc = Parse(file);
    RecorderFile::SetReadObserver(nullptr, nullptr);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(m_summary.metaRecords88.size(), 1u);
    EXPECT_LT(counter.reads, 200u) << "the walk went through the zero-filled tail";
}

// --- the trak walk ------------------------------------------------------------------------------

TEST_F(Mp4ParserTest, TrakWalkTakesMetaTableOnceInEitherOrder) {
    for (bool metaFirst : {false, true}) {
        SCOPED_TRACE(metaFirst ? "meta trak first" : "video trak first");
        ASSERT_EQ(Parse(MetaTrackFile(false, metaFirst, {10, 20, 30}, "JTD_")), 0);
        EXPECT_EQ(m_summary.metaRecords88.size(), 3u); // taken once although traks are visited twice
        EXPECT_EQ(m_summary.width, 1920);
    }
}

TEST_F(Mp4ParserTest, TrakWalkMeta92CountsOnlyTheFirstMetaVisit) {
    ASSERT_EQ(Parse(MetaTrackFile(true, false, {10, 20}, "VideoHandler")), 0);
    EXPECT_EQ(m_summary.metaRecords92.size(), 2u);
    // Metadata trak first: its one chance comes before the video trak was seen.
    ASSERT_EQ(Parse(MetaTrackFile(true, true, {10, 20}, "VideoHandler")), 0);
    EXPECT_TRUE(m_summary.metaRecords92.empty());
    EXPECT_EQ(m_summary.width, 1920);
}

TEST_F(Mp4ParserTest, LastVisitedVideoTrakDecides) {
    // Two video traks: the walk visits first, second, (none), first and then stops, because the
    // trak payloads seen add up to the "moov" size. The first trak's verdict therefore stands.
    auto file = [](const char* first, const char* second) {
        ByteVec moov =
            Box("moov", Cat({Mvhd(1000, 60000), VideoTrak(first), VideoTrak(second), PlainUdta(20)}));
        return Cat({Ftyp(), Box("wide", {}), moov});
    };
    EXPECT_EQ(Parse(file("VideoHandler", "Camera")), 0);
    EXPECT_EQ(Parse(file("Camera", "VideoHandler")), -1);
    EXPECT_EQ(m_format, 3);
}

// --- tables whose counts lie ----------------------------------------------------------------

TEST_F(Mp4ParserTest, TableCountsBeyondThePayloadAreClamped) {
    ASSERT_EQ(Parse(MetaTrackFile(false, false, {10, 20}, "JTD_", 1000000)), 0);
    EXPECT_EQ(m_summary.metaRecords88.size(), 2u);
    ASSERT_EQ(Parse(GpsIndexFile({10, 20}, "VideoHandler", 0xFFFFFFFFu)), 0);
    EXPECT_EQ(m_summary.gpsIndexRecords.size(), 2u);
    // Format 2 drops a table whose count exceeds the payload size in bytes...
    ASSERT_EQ(Parse(MetaTrackFile(true, false, {10, 20}, "VideoHandler", 17)), 0);
    EXPECT_TRUE(m_summary.metaRecords92.empty());
    // ...and takes only the entries present when the count is merely too large for the entries.
    ASSERT_EQ(Parse(MetaTrackFile(true, false, {10, 20}, "VideoHandler", 16)), 0);
    EXPECT_EQ(m_summary.metaRecords92.size(), 2u);
}

// --- durations and start times -----------------------------------------------------------------

TEST_F(Mp4ParserTest, DurationIsWholeSeconds) {
    ByteVec withIndex =
        Box("moov",
            Cat({Mvhd(600, 59999, kCreation2024), VideoTrak("Vide"), Box("gps ", GpsIndexBoxPayload({}))}));
    ASSERT_EQ(Parse(Cat({Ftyp(), withIndex})), 0);
    EXPECT_EQ(m_summary.durationMs, 99000u);
}

TEST_F(Mp4ParserTest, CreationTimeIn1904EpochKeepsCalendarFields) {
    ASSERT_EQ(Parse(GpsIndexFile({1})), 0);
    struct tm fields {};
    time_t t = m_summary.startTime;
    localtime_r(&t, &fields);
    EXPECT_EQ(fields.tm_year + 1900, 2024);
    EXPECT_EQ(fields.tm_mon + 1, 1);
    EXPECT_EQ(fields.tm_mday, 1);
    EXPECT_EQ(fields.tm_hour, 0);
    EXPECT_EQ(fields.tm_min, 35);
    EXPECT_EQ(fields.tm_sec, 20);
}

TEST_F(Mp4ParserTest, CreationTimeZeroFallsBackToFileTime) {
    ByteVec moov =
        Box("moov", Cat({Mvhd(1000, 60000, 0), VideoTrak("Vide"), Box("gps ", GpsIndexBoxPayload({}))}));
    time_t before = time(nullptr);
    ASSERT_EQ(Parse(Cat({Ftyp(), moov})), 0);
    time_t after = time(nullptr);
    // The file was just written, so its creation time lies within this test (to the second).
    EXPECT_GE(m_summary.startTime, before - 1);
    EXPECT_LE(m_summary.startTime, after + 1);
}

TEST_F(Mp4ParserTest, InlineStartTimeRules) {
    ByteVec records =
        Cat({GpsRecord(0, 1, 1, 0, 0, 0), GpsRecord(0, 1, 1, 0, 0, 0), GpsRecord(24, 5, 17, 10, 20, 30)});
    ByteVec invalidFirst = Cat({GpsRecord(24, 13, 17, 10, 20, 30), GpsRecord(24, 5, 17, 24, 0, 0),
                                GpsRecord(24, 5, 17, 10, 20, 30)});
    ByteVec longIdit = Cat({Text("2023-11-05 08:09:10"), Zeros(100, 'x')});
    struct Case {
        const char* label;
        ByteVec telemetry;
        time_t expected;
    } cases[] = {
        {"third record, rate 1", Cat({Box("gpsa", Le32(1)), Box("gps0", records)}),
         Local(2024, 5, 17, 10, 20, 28)},
        {"third record, rate 2", Cat({Box("gpsa", Le32(2)), Box("gps0", records)}),
         Local(2024, 5, 17, 10, 20, 29)},
        {"no rate box divides by one", Box("gps0", records), Local(2024, 5, 17, 10, 20, 28)},
        {"rate byte 0 divides by one", Cat({Box("gpsa", Le32(0x100)), Box("gps0", records)}),
         Local(2024, 5, 17, 10, 20, 28)},
        {"invalid candidates passed over", Box("gps0", invalidFirst), Local(2024, 5, 17, 10, 20, 28)},
        {"idit after gps0 overrides", Cat({Box("gps0", records), Box("IDIT", Text("2023-11-05 08:09:10"))}),
         Local(2023, 11, 5, 8, 9, 10)},
        {"idit with colons after gps0 clears",
         Cat({Box("gps0", records), Box("IDIT", Text("2024:05:17 10:00:00"))}), 0},
        {"bad idit before gps0 leaves gps0",
         Cat({Box("IDIT", Text("2024/05/17 10:00:00")), Box("gps0", records)}),
         Local(2024, 5, 17, 10, 20, 28)},
        {"good idit before gps0 wins", Cat({Box("IDIT", Text("2023-11-05 08:09:10")), Box("gps0", records)}),
         Local(2023, 11, 5, 8, 9, 10)},
        {"idit month 13", Box("IDIT", Text("2024-13-05 08:09:10")), 0},
        {"idit year 1899", Box("IDIT", Text("1899-11-05 08:09:10")), 0},
        {"idit longer than 64 bytes", Box("IDIT", longIdit), Local(2023, 11, 5, 8, 9, 10)},
        {"no time at all", Box("gps0", GpsRecord(0, 5, 17, 10, 20, 30)), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_EQ(Parse(InlineFile(c.telemetry)), 0);
        EXPECT_EQ(m_summary.startTime, c.expected);
    }
}

// --- box sizes --------------------------------------------------------------------------------

TEST_F(Mp4ParserTest, SixtyFourBitSizesUseTheLow32Bits) {
    ByteVec moov = Box64("moov", Cat({Mvhd(1000, 60000, kCreation2024), VideoTrak("VideoHandler"),
                                      Box("gps ", GpsIndexBoxPayload({7}))}));
    // An "mdat" whose 64-bit size has bits above 32 set is walked with its low 32 bits only.
    ASSERT_EQ(Parse(Cat({Ftyp(), moov, Box64("mdat", Zeros(32), 1)})), 0);
    EXPECT_EQ(m_summary.format, TelemetryFormat::GpsIndexBox);
    EXPECT_EQ(m_summary.gpsIndexRecords.size(), 1u);

    ByteVec telemetry = Box64("gps0", GpsRecord(24, 5, 17, 10, 20, 30));
    ASSERT_EQ(Parse(InlineFile(telemetry)), 0);
    EXPECT_EQ(m_summary.gpsBoxSize, 32u);
    EXPECT_EQ(m_summary.startTime, Local(2024, 5, 17, 10, 20, 30));
}

TEST_F(Mp4ParserTest, SizeZeroBoxJumpsBeyondTheEnd) {
    // After "moov", a box with size 0 ends the walk: the file is still accepted.
    ByteVec tail = BoxWithSizeField("mdat", 0, Zeros(100));
    ASSERT_EQ(Parse(Cat({InlineFile(Box("gpsa", Le32(1))), tail})), 0);
    // Before "moov" it hides everything behind it.
    EXPECT_EQ(Parse(Cat({Ftyp(), Box("skip", ByteVec{0}), tail, InlineMoov()})), -1);
    // Size fields 2..7 wrap as well.
    EXPECT_EQ(Parse(Cat({Ftyp(), Box("skip", ByteVec{0}), BoxWithSizeField("junk", 4, {}), InlineMoov()})),
              -1);
}

TEST_F(Mp4ParserTest, GsensorPayloadIsSteppedInThrees) {
    // 3000 bytes: the walk continues at the payload end and sees the "skip" mark behind it.
    ByteVec after = Box("skip", ByteVec{0});
    ByteVec file = Cat(
        {Ftyp(), Box("IDIT", Text("2024-05-17 10:00:00")), InlineMoov(), Box("gsen", Zeros(3000)), after});
    ASSERT_EQ(Parse(file), 0);
    EXPECT_EQ(m_summary.gsensorBoxSize, 3000u);
    // 3001 bytes: the walk resumes one byte early and misreads what follows, so no mark.
    file = Cat(
        {Ftyp(), Box("IDIT", Text("2024-05-17 10:00:00")), InlineMoov(), Box("gsen", Zeros(3001)), after});
    EXPECT_EQ(Parse(file), -1);
}

// --- damaged files ----------------------------------------------------------------------------

TEST_F(Mp4ParserTest, TruncatedFilesNeverCrashAndLoseTheirTelemetry) {
    const ByteVec files[] = {
        InlineFile(
            Cat({Box("gpsa", Le32(1)), Box("gps0", Cat({GpsRecord(24, 5, 17, 10, 20, 30), Zeros(320)})),
                 Box("gsen", Zeros(600))})),
        MetaTrackFile(false, true, {10, 20, 30}, "JTD_"),
        MetaTrackFile(true, false, {10, 20, 30}, "VideoHandler"),
        TrailerFile(),
        GpsIndexFile({1, 2, 3}),
    };
    for (const ByteVec& whole : files) {
        ASSERT_EQ(Parse(whole), 0);
        for (size_t cut = 0; cut < whole.size(); cut += 7) {
            ByteVec part(whole.begin(), whole.begin() + cut);
            int rc = Parse(part);
            // Accepted cuts must still describe a whole picture and duration.
            if (rc == 0) {
                EXPECT_NE(m_summary.width, 0);
                EXPECT_NE(m_summary.durationMs, 0u);
                EXPECT_LE(m_summary.gpsBoxOffset + m_summary.gpsBoxSize, cut);
                EXPECT_LE(m_summary.gsensorBoxOffset + m_summary.gsensorBoxSize, cut);
            }
        }
    }
}

TEST_F(Mp4ParserTest, InlineFileCutInsideGpsBoxIsRejected) {
    ByteVec gps = Box("gps0", Cat({GpsRecord(24, 5, 17, 10, 20, 30), Zeros(320)}));
    ByteVec whole = InlineFile(gps);
    // Cut in the middle of the "gps0" payload (it lies after moov in InlineFile).
    size_t gpsEnd = whole.size() - 72;
    ByteVec part(whole.begin(), whole.begin() + gpsEnd - 100);
    EXPECT_EQ(Parse(part), -1);
}

TEST_F(Mp4ParserTest, BogusHugeSizesAreRejectedWithoutLargeReads) {
    // A "gps0" claiming nearly 4 GiB in a small file.
    EXPECT_EQ(Parse(InlineFile(BoxWithSizeField("gps0", 0xFFFFFF00u, GpsRecord(24, 5, 17, 10, 20, 30)))), -1);
    // An "mvhd" claiming more than the file holds inside a "moov" that claims the same.
    ByteVec moov = Cat({Be32(0xF0000000u), Text("moov"), BoxWithSizeField("mvhd", 0xE0000000u, Zeros(100)),
                        VideoTrak("VideoHandler"), Box("gps ", Zeros(8))});
    EXPECT_EQ(Parse(Cat({Ftyp(), moov})), -1);
    // A handler box larger than the file inside a plausible trak.
    ByteVec hugeHdlr = BoxWithSizeField("hdlr", 0x7FFFFFF0u, Zeros(40));
    ByteVec trak = Box("trak", Box("mdia", hugeHdlr));
    EXPECT_EQ(Parse(Cat({Ftyp(), Box("moov", Cat({Mvhd(1000, 60000), trak, Box("gps ", Zeros(8))}))})), -1);
}

TEST_F(Mp4ParserTest, DeeplyNestedAndEmptyBoxesEnd) {
    // Format 1 enters unknown boxes; 2000 levels of nesting and 2000 empty boxes still end.
    ByteVec nested = Box("moov", Cat({Mvhd(1000, 1000), VideoTrak("JTD_")}));
    for (int i = 0; i < 2000; ++i)
        nested = Box("abcd", nested);
    ByteVec empties;
    for (int i = 0; i < 2000; ++i)
        empties = Cat({empties, Box("none", {})});
    ASSERT_EQ(Parse(Cat({Ftyp(), Box("free", {}), empties, nested})), 0);
    EXPECT_EQ(m_summary.durationMs, 1000u);
}

TEST_F(Mp4ParserTest, ShortFieldsInsideBoxesAreNotReadBeyondThem) {
    // Headers too short for the fields the readers want: no fields, no acceptance, no crash.
    ByteVec shortMvhd = Box("mvhd", Zeros(10));
    ByteVec shortHdlr = Box("trak", Box("mdia", Box("hdlr", Zeros(12))));
    ByteVec shortEntry =
        Box("trak", Box("mdia", Cat({Hdlr("vide", "VideoHandler"),
                                     Box("minf", Box("stbl", Stsd(Box("avc1", Zeros(20)))))})));
    ByteVec moov = Box("moov", Cat({shortMvhd, shortHdlr, shortEntry, Box("gps ", Zeros(4))}));
    EXPECT_EQ(Parse(Cat({Ftyp(), moov})), -1);
    EXPECT_EQ(m_summary.width, 0);
    // A 2-byte "gpsa" fills only the low two bytes of the rate.
    ASSERT_EQ(Parse(InlineFile(Box("gpsa", ByteVec{5, 1}))), 0);
    EXPECT_EQ(m_summary.gpsRate, 0x0105u);
}

TEST_F(Mp4ParserTest, MissingFileAndStatusRecord) {
    CDvr3gpParser reader;
    ContainerSummary summary;
    reader.SetSummary(&summary);
    EXPECT_EQ(reader.Parse(m_dir + "/missing.MP4"), -1);
    EXPECT_EQ(reader.Parse(m_dir), -1); // a folder is not a recording

    FileStatus status;
    CDvr3gpParser withStatus;
    withStatus.SetSummary(&summary);
    withStatus.SetFileStatus(&status);
    ByteVec file = GpsIndexFile({1});
    std::string path = Write(file, "STATUS.MP4");
    ASSERT_EQ(withStatus.Parse(path), 0);
    EXPECT_EQ(status.size, file.size());
    EXPECT_EQ(status.fullPath, std::filesystem::canonical(path).string());
    EXPECT_EQ(status.attributes & kAttrReadOnly, 0u);
}

} // namespace
} // namespace vemora
