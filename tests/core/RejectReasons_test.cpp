// Every way a file is turned down ends with its own reason: damaged and foreign files from the
// fixture writer, one per reason, and good files of every layout that are accepted with none.
#include "library/ContainerReader.h"
#include "library/RecordingLibrary.h"
#include "platform/Diagnostics.h"
#include "tests/core/LibraryTestSupport.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace vemora {
namespace {

using fixture::Layout;
namespace fs = std::filesystem;

fixture::RecordingSpec Spec(Layout layout) {
    fixture::RecordingSpec spec;
    spec.layout = layout;
    spec.baseDir = VEMORA_FIXTURE_DIR;
    spec.gps = fixture::SimulateGps({}, spec.seconds, fixture::LayoutGpsRate(layout), spec.start);
    spec.gsensor = fixture::SimulateGsensor({}, spec.seconds, 5);
    return spec;
}

// Writes a recording below root (failing loudly when the writer cannot); `cut` halves the file.
std::string WriteFixture(const std::string& root, const std::string& name, const fixture::RecordingSpec& spec,
                         bool cut = false) {
    const std::string path = root + name;
    fixture::WriteResult written = fixture::WriteRecording(spec, path);
    EXPECT_TRUE(written.ok) << written.error;
    if (cut)
        fs::resize_file(path, written.file.fileSize / 2);
    return path;
}

std::string WriteText(const std::string& root, const std::string& name, const std::string& text) {
    std::ofstream(root + name, std::ios::binary) << text;
    return root + name;
}

class RejectReasons : public ::testing::Test {
protected:
    void SetUp() override { SetDiagnosticSink({}); }
    void TearDown() override { SetDiagnosticSink(StdoutSink()); }
    testing::TempTree tree;
};

TEST_F(RejectReasons, EachDamageEndsWithItsReason) {
    using Options = std::function<void(fixture::WriteOptions&)>;
    struct Case {
        const char* name;
        Layout layout;
        Options damage;
        bool cut;
        RejectReason expected;
    };
    const Options none = [](fixture::WriteOptions&) {};
    const Case cases[] = {
        {"FILE0000.MP4", Layout::InlineBoxes, none, false, RejectReason::None},
        {"FILE0001.MP4", Layout::MetaTrack88, none, false, RejectReason::None},
        {"FILE0002.MP4", Layout::MetaTrack92, none, false, RejectReason::None},
        {"FILE0003.MP4", Layout::FileTrailer, none, false, RejectReason::None},
        {"FILE0004.MP4", Layout::GpsIndexBox, none, false, RejectReason::None},
        {"FILE0005.AVI", Layout::Avi, none, false, RejectReason::None},
        {"CUTS0000.MP4", Layout::InlineBoxes, none, true, RejectReason::CutShort},
        {"CUTS0001.MP4", Layout::MetaTrack88, none, true, RejectReason::CutShort},
        {"CUTS0005.AVI", Layout::Avi, none, true, RejectReason::CutShort},
        {"UDTA0002.MP4", Layout::MetaTrack92, [](auto& o) { o.omitUdta = true; }, false,
         RejectReason::UnsupportedLayout},
        {"MOOV0001.MP4", Layout::MetaTrack88, [](auto& o) { o.omitMoov = true; }, false,
         RejectReason::NoMovieHeader},
        {"HDLR0003.MP4", Layout::FileTrailer, [](auto& o) { o.foreignVideoHandler = true; }, false,
         RejectReason::NoVideoTrack},
        {"SIZE0004.MP4", Layout::GpsIndexBox, [](auto& o) { o.zeroPictureSize = true; }, false,
         RejectReason::NoPictureSize},
        {"TIME0000.MP4", Layout::InlineBoxes, [](auto& o) { o.zeroDuration = true; }, false,
         RejectReason::ZeroDuration},
        {"MARK0000.MP4", Layout::InlineBoxes, [](auto& o) { o.skipLastByte = 1; }, false,
         RejectReason::NoRecorderMark},
        {"MARK0005.AVI", Layout::Avi, [](auto& o) { o.aviWithoutMark = true; }, false,
         RejectReason::NoRecorderMark},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::RecordingSpec spec = Spec(c.layout);
        c.damage(spec.options);
        const std::string path = WriteFixture(tree.Root(), c.name, spec, c.cut);
        ContainerSummary summary;
        const ReadVerdict verdict = ReadContainer(path, ContainerKindOfName(path), summary);
        EXPECT_EQ(verdict.reason, c.expected) << DescribeRejection(verdict);
    }
}

TEST_F(RejectReasons, ForeignEmptyAndUnopenableFiles) {
    struct Case {
        std::string path;
        RejectReason expected;
    };
    const Case cases[] = {
        {WriteText(tree.Root(), "TEXT0001.MP4", "not a video at all, just some words"),
         RejectReason::NotRecorderFile},
        {WriteText(tree.Root(), "TEXT0001.AVI", "not a video at all, just some words"),
         RejectReason::NotRecorderFile},
        {WriteText(tree.Root(), "NULL0001.MP4", ""), RejectReason::CutShort},
        {WriteText(tree.Root(), "ZERO0001.MP4", std::string(4096, '\0')), RejectReason::CutShort},
        {tree.Root() + "GONE0001.MP4", RejectReason::CannotOpen},
        {tree.AddFolder("DIRS0001.MP4"), RejectReason::CannotOpen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        ContainerSummary summary;
        const ReadVerdict verdict = ReadContainer(c.path, ContainerKindOfName(c.path), summary);
        EXPECT_EQ(verdict.reason, c.expected) << DescribeRejection(verdict);
        // The system's own words survive for files that cannot be opened.
        EXPECT_EQ(verdict.systemError.empty(), c.expected != RejectReason::CannotOpen);
    }
}

TEST_F(RejectReasons, ScanKeepsRejectedRecorderFilesApartFromTheRecordings) {
    tree.AddFolder("DCIM/EVENT");
    WriteFixture(tree.Root(), "DCIM/FILE0001.MP4", Spec(Layout::GpsIndexBox));
    WriteFixture(tree.Root(), "DCIM/EVENT/FILE0002.MP4", Spec(Layout::InlineBoxes), true);
    WriteText(tree.Root(), "DCIM/NOTE0003.MP4", "a note that happens to have a recorder's name");
    WriteText(tree.Root(), "DCIM/readme.txt", "not a recorder name: not read, not listed");
    WriteFixture(tree.Root(), "DCIM/FILE0004.AVI", Spec(Layout::Avi)); // the folder scan skips AVI

    CRecordingLibrary library;
    ASSERT_TRUE(library.ScanSource(tree.Root(), ""));
    ASSERT_EQ(library.Records().size(), 1u);
    EXPECT_EQ(library.Records()[0].fileName, "FILE0001.MP4");
    ASSERT_EQ(library.Rejected().size(), 2u);
    EXPECT_EQ(library.Rejected()[0].RelativePath(), "DCIM/EVENT/FILE0002.MP4");
    EXPECT_EQ(library.Rejected()[0].verdict.reason, RejectReason::CutShort);
    EXPECT_EQ(library.Rejected()[1].GetFullPath(), tree.Root() + "DCIM/NOTE0003.MP4");
    EXPECT_EQ(library.Rejected()[1].verdict.reason, RejectReason::NotRecorderFile);

    // A new scan starts a new list.
    ASSERT_TRUE(library.ScanSource(tree.Root() + "DCIM/EVENT", ""));
    EXPECT_EQ(library.Rejected().size(), 1u);
}

} // namespace
} // namespace vemora
