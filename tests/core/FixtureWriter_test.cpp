// The fixture writer's files must be real recordings: players decode every frame of the base
// video, and the project's own readers find the layout and give back the telemetry put in.
#include "library/RecordingNaming.h"
#include "telemetry/AviParser.h"
#include "telemetry/Mp4Parser.h"
#include "telemetry/RecordDecoders.h"
#include "telemetry/TrackLoader.h"
#include "telemetry/ZoneShift.h"
#include "tools/fixture/FixtureWriter.h"
#include "tools/fixture/RecordEncoding.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

using namespace vemora;
using namespace vemora::fixture;
namespace fs = std::filesystem;

namespace {

constexpr int kUtcOffset = 8; // the drives run through Taipei, zone +8 for the decoders

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "fixture-XXXXXX").string();
        m_path = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string File(const std::string& name) const { return (fs::path(m_path) / name).string(); }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// A path as one shell word.
std::string Quoted(const std::string& path) {
    std::string q = "'";
    for (char c : path)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Output (both streams) of a shell command line.
std::string RunCommand(const std::string& command, int* status = nullptr) {
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return "cannot run " + command;
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    int rc = pclose(pipe);
    if (status)
        *status = rc;
    return out;
}

bool LocalClockLayout(Layout layout) {
    return layout == Layout::InlineBoxes || layout == Layout::Avi;
}

RecordingSpec Spec(Layout layout, Codec codec = Codec::H264) {
    RecordingSpec spec;
    spec.layout = layout;
    spec.codec = codec;
    spec.baseDir = VEMORA_FIXTURE_DIR;
    spec.start = CalendarTime{2024, 5, 17, 10, 20, 30};
    DriveSimulation drive;
    drive.phaseSeconds = 14; // moving: speeds and headings are not all zero
    CalendarTime firstFix = LocalClockLayout(layout)
                                ? spec.start
                                : FromEpochSeconds(ToEpochSeconds(spec.start) - kUtcOffset * 3600);
    spec.gps = SimulateGps(drive, spec.seconds, LayoutGpsRate(layout, spec.gpsRateWord), firstFix);
    spec.gsensor = SimulateGsensor(drive, spec.seconds, LayoutGsensorRate(layout, spec.gsensorInfoWord));
    spec.gps[1].valid = false; // a fix lost for a moment
    spec.gsensor[2] = GSensorSample{-128, 5, 16};
    return spec;
}

struct Written {
    std::string path;
    WriteResult result;
};

Written Write(const TempFolder& dir, const RecordingSpec& spec, const std::string& name) {
    Written w{dir.File(name), WriteRecording(spec, dir.File(name))};
    return w;
}

int ParseMp4(const std::string& path, ContainerSummary& summary) {
    CDvr3gpParser parser;
    parser.SetSummary(&summary);
    return parser.Parse(path);
}

int ParseAvi(const std::string& path, ContainerSummary& summary) {
    CDvrAviParser parser;
    parser.SetSummary(&summary);
    return parser.Parse(path);
}

struct Probe {
    std::string codec;
    int width = 0, height = 0, frames = 0;
    double duration = 0;
};

Probe FfProbe(const std::string& path) {
    std::string out =
        RunCommand("ffprobe -v error -select_streams v:0 -count_frames -show_entries "
                   "stream=codec_name,width,height,nb_read_frames -show_entries format=duration "
                   "-of default=noprint_wrappers=1 " +
                   Quoted(path));
    Probe p;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "codec_name")
            p.codec = value;
        else if (key == "width")
            p.width = std::atoi(value.c_str());
        else if (key == "height")
            p.height = std::atoi(value.c_str());
        else if (key == "nb_read_frames")
            p.frames = std::atoi(value.c_str());
        else if (key == "duration")
            p.duration = std::atof(value.c_str());
    }
    return p;
}

DateTime6 Fields(const CalendarTime& t) {
    return DateTime6{uint8_t(t.year - 2000), uint8_t(t.month),  uint8_t(t.day),
                     uint8_t(t.hour),        uint8_t(t.minute), uint8_t(t.second)};
}

void ExpectPointMatches(const GpsPoint& got, const GpsFix& fix, size_t i) {
    SCOPED_TRACE("point " + std::to_string(i));
    ASSERT_EQ(got.IsValid(), fix.valid);
    if (!fix.valid)
        return;
    // Coordinates pass through a single-precision quotient: within about a metre.
    EXPECT_NEAR(got.latitude, fix.latitude, 2e-5);
    EXPECT_NEAR(got.longitude, fix.longitude, 2e-5);
    EXPECT_EQ(got.speedKmh, fix.speedKmh);
    EXPECT_EQ(got.HeadingDegrees(), fix.headingDegrees / 2 * 2);
    CalendarTime local = FromEpochSeconds(ToEpochSeconds(fix.time) + kUtcOffset * 3600);
    EXPECT_EQ(DateTime6(got.dateTime), Fields(local));
}

// Format 0 and AVI keep the records raw, with NMEA coordinates and the recorder's local time.
void ExpectRawRecordMatches(const GpsPoint& raw, const GpsFix& fix, size_t i) {
    SCOPED_TRACE("raw record " + std::to_string(i));
    ASSERT_EQ(raw.IsValid(), fix.valid);
    EXPECT_NEAR(NmeaToDegrees(raw.latitude / 100), fix.latitude, 1e-9);
    EXPECT_NEAR(NmeaToDegrees(raw.longitude / 100), fix.longitude, 1e-9);
    EXPECT_EQ(raw.speedKmh, fix.speedKmh);
    EXPECT_EQ(raw.reserved, fix.altitude);
    EXPECT_EQ(raw.HeadingDegrees(), fix.headingDegrees / 2 * 2);
    EXPECT_EQ(DateTime6(raw.dateTime), Fields(fix.time));
}

struct PlayCase {
    const char* name;
    Layout layout;
    Codec codec;
    int width, height;
    WriteOptions options;
};

WriteOptions With(void (*set)(WriteOptions&)) {
    WriteOptions o;
    set(o);
    return o;
}

const PlayCase kPlayCases[] = {
    {"inline", Layout::InlineBoxes, Codec::H264, 320, 240, {}},
    {"inline_moov_first_large_co64", Layout::InlineBoxes, Codec::H264, 320, 240, With([](WriteOptions& o) {
         o.moovFirst = true;
         o.largeMdat = true;
         o.videoCo64 = true;
         o.telemetryInMoov = true;
     })},
    {"meta88", Layout::MetaTrack88, Codec::H264, 320, 240, {}},
    {"meta88_meta_first_thm", Layout::MetaTrack88, Codec::H265, 320, 240, With([](WriteOptions& o) {
         o.metaTrackFirst = true;
         o.thumbnailBox = true;
     })},
    {"meta92", Layout::MetaTrack92, Codec::H264, 640, 360, {}},
    {"meta92_h265_moov_first", Layout::MetaTrack92, Codec::H265, 320, 240,
     With([](WriteOptions& o) { o.moovFirst = true; })},
    {"trailer", Layout::FileTrailer, Codec::H264, 320, 240, {}},
    {"trailer_h265_large", Layout::FileTrailer, Codec::H265, 320, 240,
     With([](WriteOptions& o) { o.largeMdat = true; })},
    {"index", Layout::GpsIndexBox, Codec::H264, 320, 240, {}},
    {"index_h265_co64", Layout::GpsIndexBox, Codec::H265, 320, 240,
     With([](WriteOptions& o) { o.videoCo64 = true; })},
};

} // namespace

// Every layout, moved "mdat" and rewritten chunk tables included, still plays frame for frame.
TEST(FixtureWriter, PlayersDecodeEveryFrameOfEveryLayout) {
    TempFolder dir;
    for (const PlayCase& c : kPlayCases) {
        SCOPED_TRACE(c.name);
        RecordingSpec spec = Spec(c.layout, c.codec);
        spec.width = c.width;
        spec.height = c.height;
        spec.options = c.options;
        Written w = Write(dir, spec, std::string(c.name) + ".MP4");
        ASSERT_TRUE(w.result.ok) << w.result.error;
        EXPECT_EQ(w.result.file.fileSize, fs::file_size(w.path));
        EXPECT_EQ(w.result.file.videoFrames, 30u);

        Probe p = FfProbe(w.path);
        EXPECT_EQ(p.codec, c.codec == Codec::H264 ? "h264" : "hevc");
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.height, c.height);
        EXPECT_EQ(p.frames, 30);
        EXPECT_NEAR(p.duration, 3.0, 0.05);
        int status = 0;
        std::string errors =
            RunCommand("ffmpeg -nostdin -v error -i " + Quoted(w.path) + " -f null -", &status);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(errors.substr(0, 300), "");
    }
}

TEST(FixtureWriter, AviPlaysWithAllFrames) {
    TempFolder dir;
    Written w = Write(dir, Spec(Layout::Avi), "FILE0001.AVI");
    ASSERT_TRUE(w.result.ok) << w.result.error;
    Probe p = FfProbe(w.path);
    EXPECT_EQ(p.codec, "mjpeg");
    EXPECT_EQ(p.width, 320);
    EXPECT_EQ(p.height, 240);
    EXPECT_EQ(p.frames, 30);
    EXPECT_EQ(RunCommand("ffmpeg -nostdin -v error -i " + Quoted(w.path) + " -f null -"), "");
}

// The readers decide the layout the writer meant and give back the summary and telemetry.
TEST(FixtureWriter, TelemetryRoundTripsThroughTheReaders) {
    TempFolder dir;
    for (const PlayCase& c : kPlayCases) {
        SCOPED_TRACE(c.name);
        RecordingSpec spec = Spec(c.layout, c.codec);
        spec.width = c.width;
        spec.height = c.height;
        spec.options = c.options;
        Written w = Write(dir, spec, std::string(c.name) + ".MP4");
        ASSERT_TRUE(w.result.ok) << w.result.error;

        ContainerSummary summary;
        ASSERT_EQ(ParseMp4(w.path, summary), 0);
        EXPECT_EQ(summary.format, static_cast<TelemetryFormat>(c.layout));
        EXPECT_EQ(summary.width, c.width);
        EXPECT_EQ(summary.height, c.height);
        EXPECT_EQ(summary.durationMs, 3000u);
        EXPECT_EQ(summary.startTime, ToLocalTime(spec.start));
        EXPECT_EQ(summary.fileSize, w.result.file.fileSize);
        if (c.layout != Layout::InlineBoxes) { // the inline reader leaves the codec alone
            EXPECT_EQ(summary.codec, c.codec == Codec::H264 ? VideoCodec::H264 : VideoCodec::H265);
        }
        EXPECT_EQ(summary.gpsRate & 0xFF, static_cast<uint32_t>(LayoutGpsRate(c.layout, spec.gpsRateWord)));

        std::vector<int64_t> table;
        for (const auto* records : {&summary.metaRecords88, &summary.metaRecords92, &summary.gpsIndexRecords})
            for (const RecordLocator& r : *records)
                table.push_back(r.offset);
        EXPECT_EQ(table, w.result.file.recordOffsets);

        TelemetryTrack track;
        ASSERT_TRUE(LoadTelemetryTrack(w.path, summary, track));
        if (c.layout == Layout::InlineBoxes) {
            EXPECT_EQ(summary.gpsBoxOffset, w.result.file.gpsBoxOffset);
            EXPECT_EQ(summary.gsensorBoxOffset, w.result.file.gsensorBoxOffset);
            ASSERT_EQ(RawGpsRecordCount(track), spec.gps.size());
            for (size_t i = 0; i < spec.gps.size(); ++i)
                ExpectRawRecordMatches(RawGpsRecord(track, i), spec.gps[i], i);
            ASSERT_EQ(RawGSensorSampleCount(track), spec.gsensor.size());
            for (size_t i = 0; i < spec.gsensor.size(); ++i)
                EXPECT_EQ(RawGSensorSample(track, i), spec.gsensor[i]);
            continue;
        }
        ASSERT_EQ(track.points.size(), spec.gps.size());
        for (size_t i = 0; i < spec.gps.size(); ++i)
            ExpectPointMatches(track.points[i], spec.gps[i], i);
        if (c.layout == Layout::FileTrailer) { // only the trailer keeps the stored altitude
            for (size_t i = 0; i < spec.gps.size(); ++i) {
                EXPECT_EQ(track.points[i].reserved, spec.gps[i].valid ? spec.gps[i].altitude : 0);
            }
        }
        EXPECT_EQ(track.samples, spec.gsensor);
    }
}

TEST(FixtureWriter, AviTelemetryRoundTripsThroughTheReaders) {
    TempFolder dir;
    RecordingSpec spec = Spec(Layout::Avi);
    Written w = Write(dir, spec, "FILE0001.AVI");
    ASSERT_TRUE(w.result.ok) << w.result.error;
    ContainerSummary summary;
    ASSERT_EQ(ParseAvi(w.path, summary), 0);
    EXPECT_EQ(summary.width, 320);
    EXPECT_EQ(summary.height, 240);
    EXPECT_EQ(summary.durationMs, 3000u);
    EXPECT_EQ(summary.lengthSeconds, 3);
    EXPECT_EQ(summary.startTime, ToLocalTime(spec.start));
    EXPECT_EQ(summary.gpsBoxOffset, w.result.file.gpsBoxOffset);
    EXPECT_EQ(summary.gpsBoxSize, w.result.file.gpsBoxSize);
    EXPECT_EQ(summary.gsensorBoxOffset, w.result.file.gsensorBoxOffset);
    EXPECT_EQ(summary.gsensorInfo.Word(), kFixedGSensorInfoWord);
    TelemetryTrack track;
    ASSERT_TRUE(LoadTelemetryTrack(w.path, summary, track));
    ASSERT_EQ(RawGpsRecordCount(track), spec.gps.size());
    for (size_t i = 0; i < spec.gps.size(); ++i)
        ExpectRawRecordMatches(RawGpsRecord(track, i), spec.gps[i], i);
    ASSERT_EQ(RawGSensorSampleCount(track), spec.gsensor.size());
    EXPECT_EQ(RawGSensorSample(track, 2), spec.gsensor[2]);
}

// Without "IDIT" the inline reader takes the start from the first "gps0" record with a time,
// counting back by the record's place at the "gpsa" rate.
TEST(FixtureWriter, StartTimeFromGpsRecordsWhenThereIsNoDateText) {
    TempFolder dir;
    for (Layout layout : {Layout::InlineBoxes, Layout::Avi}) {
        RecordingSpec spec = Spec(layout);
        spec.options.writeIdit = false;
        spec.gps[0].time.year = 0; // the first record carries no time
        Written w = Write(dir, spec, layout == Layout::Avi ? "FILE0002.AVI" : "FILE0002.MP4");
        ASSERT_TRUE(w.result.ok) << w.result.error;
        ContainerSummary summary;
        ASSERT_EQ(layout == Layout::Avi ? ParseAvi(w.path, summary) : ParseMp4(w.path, summary), 0);
        EXPECT_EQ(summary.startTime, ToLocalTime(spec.start));
    }
}

// A date text the readers cannot parse clears the start time they may have taken from "gps0"
// when it comes later, and leaves the "gps0" records to decide when it comes first.
TEST(FixtureWriter, DateTextOrderDecidesTheStartTime) {
    TempFolder dir;
    for (Layout layout : {Layout::InlineBoxes, Layout::Avi}) {
        for (bool after : {false, true}) {
            RecordingSpec spec = Spec(layout);
            spec.options.iditText = "2024:05:17 10:00:00";
            spec.options.iditAfterGps = after;
            Written w = Write(dir, spec, layout == Layout::Avi ? "FILE0003.AVI" : "FILE0003.MP4");
            ASSERT_TRUE(w.result.ok) << w.result.error;
            ContainerSummary summary;
            ASSERT_EQ(layout == Layout::Avi ? ParseAvi(w.path, summary) : ParseMp4(w.path, summary), 0);
            EXPECT_EQ(summary.startTime, after ? 0 : ToLocalTime(spec.start)) << after;
        }
    }
}

struct DamageCase {
    const char* name;
    Layout layout;
    void (*damage)(RecordingSpec&);
};

// Each damage knob makes the file the readers must turn away.
TEST(FixtureWriter, DamagedFilesAreRejectedByTheReaders) {
    const DamageCase cases[] = {
        {"inline_mark_not_zero", Layout::InlineBoxes, [](RecordingSpec& s) { s.options.skipLastByte = 1; }},
        {"inline_without_skip_or_idit", Layout::InlineBoxes,
         [](RecordingSpec& s) {
             s.options.writeSkip = false;
             s.options.writeIdit = false;
         }},
        {"inline_h265", Layout::InlineBoxes, [](RecordingSpec& s) { s.codec = Codec::H265; }},
        {"meta92_without_udta", Layout::MetaTrack92, [](RecordingSpec& s) { s.options.omitUdta = true; }},
        {"trailer_without_udta", Layout::FileTrailer, [](RecordingSpec& s) { s.options.omitUdta = true; }},
        {"avi_without_mark", Layout::Avi, [](RecordingSpec& s) { s.options.aviWithoutMark = true; }},
        {"avi_cut_in_movi", Layout::Avi, [](RecordingSpec& s) { s.options.truncateAt = 20000; }},
    };
    TempFolder dir;
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingSpec spec = Spec(c.layout);
        c.damage(spec);
        std::string name = std::string(c.name) + (c.layout == Layout::Avi ? ".AVI" : ".MP4");
        Written w = Write(dir, spec, name);
        ASSERT_TRUE(w.result.ok) << w.result.error;
        if (spec.options.truncateAt != 0) {
            EXPECT_EQ(fs::file_size(w.path), spec.options.truncateAt);
        }
        ContainerSummary summary;
        EXPECT_EQ(c.layout == Layout::Avi ? ParseAvi(w.path, summary) : ParseMp4(w.path, summary), -1);
    }
}

// Damaged record tables and records: the readers keep what can be read and skip the rest.
TEST(FixtureWriter, DamagedRecordsAreSkipped) {
    TempFolder dir;
    for (Layout layout : {Layout::MetaTrack92, Layout::GpsIndexBox}) {
        RecordingSpec spec = Spec(layout);
        spec.options.badRecordIndex = 0;
        spec.options.extraTableCount = 3;
        Written w = Write(dir, spec, layout == Layout::GpsIndexBox ? "index.MP4" : "meta92.MP4");
        ASSERT_TRUE(w.result.ok) << w.result.error;
        ContainerSummary summary;
        ASSERT_EQ(ParseMp4(w.path, summary), 0);
        TelemetryTrack track;
        ASSERT_TRUE(LoadTelemetryTrack(w.path, summary, track));
        ASSERT_EQ(track.points.size(), spec.gps.size() - 1);
        ExpectPointMatches(track.points[0], spec.gps[1], 1);
    }
}

// A recording cut off while the video was written has no "moov" (it comes last) and is turned away.
TEST(FixtureWriter, CutFilesHaveTheAskedSizeAndAreRejected) {
    TempFolder dir;
    for (Layout layout :
         {Layout::InlineBoxes, Layout::MetaTrack88, Layout::MetaTrack92, Layout::FileTrailer}) {
        RecordingSpec spec = Spec(layout);
        Written whole = Write(dir, spec, "whole.MP4");
        ASSERT_TRUE(whole.result.ok) << whole.result.error;
        spec.options.truncateAt = whole.result.file.fileSize / 2;
        Written cut = Write(dir, spec, "cut.MP4");
        ASSERT_TRUE(cut.result.ok) << cut.result.error;
        EXPECT_EQ(fs::file_size(cut.path), spec.options.truncateAt);
        EXPECT_EQ(cut.result.file.fileSize, spec.options.truncateAt);
        ContainerSummary summary;
        EXPECT_EQ(ParseMp4(cut.path, summary), -1);
    }
}

TEST(FixtureWriter, TrailerWithoutItsNameGivesNoTelemetry) {
    TempFolder dir;
    RecordingSpec spec = Spec(Layout::FileTrailer);
    spec.options.trailerWithoutMark = true;
    Written w = Write(dir, spec, "trailer.MP4");
    ASSERT_TRUE(w.result.ok) << w.result.error;
    ContainerSummary summary;
    ASSERT_EQ(ParseMp4(w.path, summary), 0);
    TelemetryTrack track;
    LoadTelemetryTrack(w.path, summary, track);
    EXPECT_TRUE(track.points.empty());
    EXPECT_TRUE(track.samples.empty());
}

TEST(FixtureWriter, TelemetryTooLongForTheTrailerIsAnError) {
    TempFolder dir;
    RecordingSpec spec = Spec(Layout::FileTrailer);
    spec.gps = SimulateGps(DriveSimulation{}, 200, 1, spec.start);
    WriteResult r = WriteRecording(spec, dir.File("long.MP4"));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("trailer"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.File("long.MP4")));
}

TEST(FixtureWriter, MissingBaseVideoIsMadeOnDemandOrReported) {
    TempFolder dir;
    std::string error;
    std::string made = EnsureBaseVideo(dir.Path(), Codec::H264, 160, 120, 1, 5, &error);
    ASSERT_FALSE(made.empty()) << error;
    EXPECT_EQ(fs::path(made).filename(), BaseVideoName(Codec::H264, 160, 120, 1, 5));
    EXPECT_GT(fs::file_size(made), 0u);
    EXPECT_EQ(EnsureBaseVideo(dir.Path(), Codec::H264, 160, 120, 1, 5), made);

    RecordingSpec spec = Spec(Layout::GpsIndexBox);
    spec.baseDir = "/proc/no-such-folder";
    WriteResult r = WriteRecording(spec, dir.File("x.MP4"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
}

// A damaged base video (cut short, or not a movie at all) is reported, never written around.
TEST(FixtureWriter, DamagedBaseVideoIsReported) {
    TempFolder dir;
    std::string good = EnsureBaseVideo(VEMORA_FIXTURE_DIR, Codec::H264, 320, 240, 3, 10);
    ASSERT_FALSE(good.empty());
    std::ifstream in(good, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string damaged[] = {bytes.substr(0, bytes.size() / 2), bytes.substr(0, 40),
                                   "not a movie at all"};
    for (const std::string& content : damaged) {
        std::ofstream(dir.File(BaseVideoName(Codec::H264, 320, 240, 3, 10)), std::ios::binary) << content;
        RecordingSpec spec = Spec(Layout::MetaTrack88);
        spec.baseDir = dir.Path();
        WriteResult r = WriteRecording(spec, dir.File("out.MP4"));
        EXPECT_FALSE(r.ok) << content.size();
        EXPECT_FALSE(r.error.empty());
        EXPECT_FALSE(fs::exists(dir.File("out.MP4")));
    }
}

// The knots and rational coordinates stored in the records come back through the decoders'
// arithmetic as the km/h and degrees asked for.
TEST(FixtureRecords, RationalFieldsDecodeToWhatWasAskedFor) {
    for (int kmh = 0; kmh <= 400; ++kmh) {
        Rational knots = KnotsFor(static_cast<uint16_t>(kmh));
        EXPECT_EQ(KnotsToShownKmh(knots.numerator, knots.denominator), kmh);
    }
    for (double degrees : {25.0520549, -33.8688, -70.6693, 121.5654, 0.0, 179.999, -0.5}) {
        Rational r = NmeaRational(degrees);
        auto decoded = RationalNmeaToDegrees(r.numerator, r.denominator);
        ASSERT_TRUE(decoded.has_value());
        EXPECT_NEAR(*decoded, degrees, 2e-5) << degrees;
        EXPECT_NEAR(NmeaToDegrees(DegreesToNmea(degrees) / 100), degrees, 1e-9) << degrees;
    }
}

TEST(FixtureNaming, PairsAreFoundByThePartnerRules) {
    TempFolder dir;
    CalendarTime start{2024, 5, 17, 10, 20, 30};
    for (NameStyle style : {NameStyle::TimeStamped, NameStyle::Numbered}) {
        for (bool locked : {false, true}) {
            std::string front = dir.File(RecorderRelativePath(style, Camera::Front, start, 12, locked));
            std::string rear = dir.File(RecorderRelativePath(style, Camera::Rear, start, 12, locked));
            fs::create_directories(fs::path(front).parent_path());
            fs::create_directories(fs::path(rear).parent_path());
            std::ofstream(front).put('x');
            std::ofstream(rear).put('x');
            SCOPED_TRACE(front);
            EXPECT_TRUE(IsRecordingName(fs::path(front).filename().string()));
            EXPECT_TRUE(IsRecordingName(fs::path(rear).filename().string()));
            EXPECT_TRUE(IsRearFile(rear));
            EXPECT_FALSE(IsRearFile(front));
            EXPECT_EQ(GetRearPartner(front), rear);
            EXPECT_EQ(GetFrontPartner(rear), front);
            if (style == NameStyle::TimeStamped) { // numbered front names carry no camera mark
                EXPECT_TRUE(IsFrontFile(fs::path(front).filename().string()));
            }
        }
    }
    EXPECT_EQ(RecorderRelativePath(NameStyle::Numbered, Camera::Front, start, 12, true),
              "DCIM/front/EVGS0120.MP4");
    EXPECT_EQ(RecorderRelativePath(NameStyle::TimeStamped, Camera::Rear, start, 0),
              "DCIM/Movie/R/20240517_102030_R.MP4");
}

TEST(FixtureCard, WritesPairsAndLocksEventFiles) {
    TempFolder dir;
    std::vector<CardRecording> card(2);
    card[0].front = Spec(Layout::GpsIndexBox);
    card[1].front = Spec(Layout::MetaTrack88);
    card[1].front.start.minute += 1;
    card[1].style = NameStyle::Numbered;
    card[1].index = 3;
    card[1].eventLocked = true;
    card[1].rear = Spec(Layout::MetaTrack88, Codec::H265);
    CardResult r = WriteCard(dir.Path(), card);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.paths.size(), 4u);
    for (const std::string& p : r.paths) {
        ContainerSummary summary;
        EXPECT_EQ(ParseMp4(p, summary), 0) << p;
    }
    EXPECT_EQ(GetRearPartner(r.paths[2]), r.paths[3]);
    struct stat st {};
    ASSERT_EQ(stat(r.paths[2].c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0222, 0u);
    ContainerSummary rear;
    ASSERT_EQ(ParseMp4(r.paths[3], rear), 0);
    EXPECT_EQ(rear.codec, VideoCodec::H265);
}

TEST(FixtureCalendar, EpochArithmeticRoundTrips) {
    const std::pair<CalendarTime, int64_t> known[] = {
        {{1970, 1, 1, 0, 0, 0}, 0},
        {{2024, 1, 1, 0, 35, 20}, 1704069320},
        {{2024, 2, 29, 23, 59, 59}, 1709251199},
        {{1969, 12, 31, 23, 59, 59}, -1},
    };
    for (const auto& [t, s] : known) {
        EXPECT_EQ(ToEpochSeconds(t), s);
        EXPECT_EQ(FromEpochSeconds(s), t);
    }
}

// The simulated drive moves as fast as its speeds say and heads where it goes.
TEST(FixtureDrive, PathSpeedsAndHeadingsAgree) {
    DriveSimulation drive;
    auto fixes = SimulateGps(drive, 400, 1, CalendarTime{});
    ASSERT_EQ(fixes.size(), 400u);
    uint16_t fastest = 0;
    for (size_t i = 1; i < fixes.size(); ++i) {
        const GpsFix &a = fixes[i - 1], &b = fixes[i];
        fastest = std::max(fastest, b.speedKmh);
        double north = (b.latitude - a.latitude) * 111320;
        double east = (b.longitude - a.longitude) * 111320 * std::cos(a.latitude * M_PI / 180);
        double metres = std::hypot(north, east);
        EXPECT_LE(metres, std::max(a.speedKmh, b.speedKmh) / 3.6 + 1.0) << i;
        if (metres > 5 && a.headingDegrees == b.headingDegrees) {
            double bearing = std::fmod(std::atan2(east, north) * 180 / M_PI + 360, 360);
            double diff = std::fabs(bearing - b.headingDegrees);
            EXPECT_LT(std::min(diff, 360 - diff), 2.0) << i;
        }
        EXPECT_EQ(ToEpochSeconds(b.time) - ToEpochSeconds(a.time), 1);
    }
    EXPECT_EQ(fastest, 90);

    // A later recording continues where the earlier one ended.
    DriveSimulation later = drive;
    later.phaseSeconds = 60;
    auto next = SimulateGps(later, 1, 1, CalendarTime{});
    auto whole = SimulateGps(drive, 61, 1, CalendarTime{});
    EXPECT_NEAR(next[0].latitude, whole[60].latitude, 1e-9);
    EXPECT_NEAR(next[0].longitude, whole[60].longitude, 1e-9);
}

TEST(FixtureDrive, HardBrakingShowsAsASpike) {
    DriveSimulation calm, braking;
    braking.hardBrake = true;
    auto a = SimulateGsensor(calm, 60, 5);
    auto b = SimulateGsensor(braking, 60, 5);
    ASSERT_EQ(a.size(), 300u);
    auto minX = [](const std::vector<GSensorSample>& s) {
        int m = 127;
        for (const auto& v : s)
            m = std::min<int>(m, v.x);
        return m;
    };
    EXPECT_GT(minX(a), -20);
    EXPECT_LT(minX(b), -30);
    EXPECT_LE(b[150].x, -30);
}
