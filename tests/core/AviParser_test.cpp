#include "telemetry/AviParser.h"

#include "TelemetryTestBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

using namespace vemora;
using namespace vemora::testbytes;

namespace {

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

struct Parsed {
    int result = -1;
    ContainerSummary summary;
};

Parsed ParseBytes(const ByteVec& bytes, ContainerSummary initial = {}) {
    ScratchDir dir;
    std::string path = dir.Write("REC0001.AVI", bytes);
    Parsed p;
    p.summary = initial;
    CDvrAviParser reader;
    reader.SetSummary(&p.summary);
    p.result = reader.Parse(path);
    return p;
}

ByteVec Gps0Chunk(const std::vector<Gps0>& records) {
    ByteVec data;
    for (const auto& g : records)
        Append(data, Gps0Record(g));
    return Chunk("gps0", data);
}

ByteVec Idit(const std::string& text) {
    return Chunk("IDIT", ByteVec(text.begin(), text.end()));
}

} // namespace

TEST(AviParser, AcceptsMarkedRecordingAndPublishesTelemetryPlaces) {
    AviSpec spec;
    spec.microsPerFrame = 33333;
    spec.frames = 1800;
    ByteVec telemetry = Chunk("gpsa", ByteVec{5, 0, 0, 0});
    Append(telemetry, Chunk("gsea", ByteVec{10, 4, 0, 0}));
    Append(telemetry, Gps0Chunk({Gps0{}, Gps0{}}));
    Append(telemetry, Chunk("gsen", Samples({{1, 2, 3}, {4, 5, 6}})));
    spec.beforeMovi = telemetry;
    ByteVec image = AviImage(spec);
    ContainerSummary initial;
    initial.format = TelemetryFormat::FileTrailer; // the AVI reader leaves the format alone
    Parsed p = ParseBytes(image, initial);
    ASSERT_EQ(p.result, 0);
    const ContainerSummary& s = p.summary;
    EXPECT_EQ(s.durationMs, 59999u); // 59 999 400 us
    EXPECT_EQ(s.lengthSeconds, 59);
    EXPECT_EQ(s.width, 320);
    EXPECT_EQ(s.height, 240);
    EXPECT_EQ(s.fileSize, image.size());
    EXPECT_EQ(s.gpsRate, 5u);
    EXPECT_EQ(s.gsensorInfo.Word(), 0x040Au);
    EXPECT_EQ(s.format, TelemetryFormat::FileTrailer);
    EXPECT_EQ(s.gpsBoxSize, 64u);
    EXPECT_EQ(s.gsensorBoxSize, 12u);
    ASSERT_LT(s.gpsBoxOffset + 64, image.size());
    EXPECT_EQ(std::string(image.begin() + s.gpsBoxOffset - 8, image.begin() + s.gpsBoxOffset - 4), "gps0");
    EXPECT_EQ(std::string(image.begin() + s.gsensorBoxOffset - 8, image.begin() + s.gsensorBoxOffset - 4),
              "gsen");
    // The first "gps0" record, 2024-05-17 10:20:30, is the start (record 0, no shift).
    EXPECT_EQ(s.startTime, Local(2024, 5, 17, 10, 20, 30));
}

TEST(AviParser, LongRecordingDurationDoesNotWrap) {
    AviSpec spec;
    spec.microsPerFrame = 40000;
    spec.frames = 200000; // 8000 s: the product exceeds 32 bits
    Parsed p = ParseBytes(AviImage(spec));
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(p.summary.durationMs, 8000000u);
    EXPECT_EQ(p.summary.lengthSeconds, 8000);
}

TEST(AviParser, NegativeHeightKeepsLow16Bits) {
    AviSpec spec;
    spec.height = -1080;
    Parsed p = ParseBytes(AviImage(spec));
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(p.summary.height, 64456);
}

TEST(AviParser, Rejections) {
    struct Case {
        const char* what;
        AviSpec spec;
    } cases[4];
    cases[0] = {"no recorder mark", {}};
    cases[0].spec.mark = false;
    cases[1] = {"movi list runs past the end", {}};
    cases[1].spec.moviSizeAdjust = 1000;
    cases[2] = {"no frames", {}};
    cases[2].spec.frames = 0;
    cases[3] = {"no picture size", {}};
    cases[3].spec.width = 0;
    for (const auto& c : cases)
        EXPECT_EQ(ParseBytes(AviImage(c.spec)).result, -1) << c.what;

    ByteVec notRiff = AviImage(AviSpec{});
    notRiff[0] = 'X';
    EXPECT_EQ(ParseBytes(notRiff).result, -1);
    EXPECT_EQ(ParseBytes(ByteVec{'R', 'I', 'F'}).result, -1);
    EXPECT_EQ(ParseBytes(ByteVec{}).result, -1);
}

TEST(AviParser, OddGpsChunkContinuesAfterWholeRecords) {
    // 100 bytes: 3 records; the walk goes on at data start + 96, where the last four bytes of
    // the chunk are read as the next id.
    ByteVec data;
    for (int i = 0; i < 3; ++i)
        Append(data, Gps0Record(Gps0{}));
    AppendText(data, "gpsa");
    ASSERT_EQ(data.size(), 100u);
    AviSpec spec;
    spec.beforeMovi = Chunk("gps0", data);
    AppendLE32(spec.beforeMovi, 4); // size of that "gpsa"
    Append(spec.beforeMovi, ByteVec{7, 0, 0, 0});
    Parsed p = ParseBytes(AviImage(spec));
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(p.summary.gpsBoxSize, 100u);
    EXPECT_EQ(p.summary.gpsRate, 7u);
}

TEST(AviParser, StartTimeSources) {
    Gps0 noTime, third;
    noTime.dt = {0, 0, 0, 0, 0, 0};
    third.dt = {24, 5, 17, 10, 20, 30};
    const ByteVec gps = Gps0Chunk({noTime, noTime, third});
    const ByteVec rate1 = Chunk("gpsa", ByteVec{1, 0, 0, 0});
    struct Case {
        const char* what;
        ByteVec chunks;
        time_t start;
    } cases[] = {
        {"IDIT text", Idit("2023-11-05 08:09:10"), Local(2023, 11, 5, 8, 9, 10)},
        {"gps0 record 2 at rate 1", rate1, Local(2024, 5, 17, 10, 20, 28)},
        {"no rate chunk counts as one record a second", {}, Local(2024, 5, 17, 10, 20, 28)},
        {"slashes do not match; gps0 after it gives the time", Idit("2023/11/05 08:09:10"),
         Local(2024, 5, 17, 10, 20, 28)},
        {"IDIT after gps0 overrides it", {}, Local(2023, 11, 5, 8, 9, 10)},
        {"bad IDIT after gps0 clears the time", {}, 0},
        {"nothing", {}, 0},
    };
    Append(cases[1].chunks, gps);
    Append(cases[2].chunks, gps);
    Append(cases[3].chunks, gps);
    cases[4].chunks = gps;
    Append(cases[4].chunks, Idit("2023-11-05 08:09:10"));
    cases[5].chunks = gps;
    Append(cases[5].chunks, Idit("2023/11/05 08:09:10"));
    for (const auto& c : cases) {
        AviSpec spec;
        spec.beforeMovi = c.chunks;
        Parsed p = ParseBytes(AviImage(spec));
        ASSERT_EQ(p.result, 0) << c.what;
        EXPECT_EQ(p.summary.startTime, c.start) << c.what;
    }
}

TEST(AviParser, LongOrOversizedIditIsSafe) {
    std::string text = "2023-11-05 08:09:10";
    text.resize(300, 'x');
    AviSpec spec;
    spec.beforeMovi = Idit(text);
    Append(spec.beforeMovi, Chunk("gpsa", ByteVec{3, 0, 0, 0})); // found after the long text
    Parsed p = ParseBytes(AviImage(spec));
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(p.summary.startTime, Local(2023, 11, 5, 8, 9, 10));
    EXPECT_EQ(p.summary.gpsRate, 3u);

    // A size no file could hold: nothing is read, the walk goes on after the size field.
    AviSpec huge;
    AppendText(huge.beforeMovi, "IDIT");
    AppendLE32(huge.beforeMovi, 0xFFFFFFF0u);
    Parsed q = ParseBytes(AviImage(huge));
    ASSERT_EQ(q.result, 0);
    EXPECT_EQ(q.summary.startTime, 0);
}

TEST(AviParser, UnknownBytesAreScannedFourAtATime) {
    AviSpec spec;
    spec.beforeMovi = ByteVec(8, 0xEE);
    Append(spec.beforeMovi, Chunk("gpsa", ByteVec{2, 0, 0, 0}));
    Parsed p = ParseBytes(AviImage(spec));
    ASSERT_EQ(p.result, 0);
    EXPECT_EQ(p.summary.gpsRate, 2u);
}

TEST(AviParser, EveryTruncationIsHandled) {
    AviSpec spec;
    spec.beforeMovi = Chunk("gpsa", ByteVec{1, 0, 0, 0});
    Append(spec.beforeMovi, Gps0Chunk({Gps0{}, Gps0{}}));
    Append(spec.beforeMovi, Chunk("gsen", Samples({{1, 2, 3}})));
    Append(spec.beforeMovi, Idit("2023-11-05 08:09:10"));
    ByteVec image = AviImage(spec);
    // Once the list type "movi" is in the file, its list end lies beyond a cut inside it.
    const std::string movi = "movi";
    size_t moviType = std::search(image.begin(), image.end(), movi.begin(), movi.end()) - image.begin();
    const size_t moviEnd = moviType + 4 + 8 + spec.moviData;
    ScratchDir dir;
    for (size_t len = 0; len <= image.size(); ++len) {
        std::string path = dir.Write("CUT.AVI", ByteVec(image.begin(), image.begin() + len));
        ContainerSummary s;
        CDvrAviParser reader;
        reader.SetSummary(&s);
        int r = reader.Parse(path);
        if (len >= moviType + 4 && len < moviEnd) {
            EXPECT_EQ(r, -1) << "cut inside the movi list at " << len;
        } else if (len >= moviEnd) {
            EXPECT_EQ(r, 0) << "cut after the movi list at " << len;
        }
        if (r == 0) {
            EXPECT_EQ(s.fileSize, len);
            EXPECT_NE(s.width, 0);
        }
    }
}
