// The hostile card end to end through the core: scanned, every listed track loaded (as playing
// does), exported and copied, with nothing written outside the chosen targets and every part
// ending in bounded time. tests/e2e/hostile_card.sh runs this under a memory limit.
#include "LibraryTestSupport.h"
#include "library/RecordingLibrary.h"
#include "map/KmlWriter.h"
#include "map/RecordingExport.h"
#include "telemetry/TrackLoader.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <sys/stat.h>

using namespace vemora;
using vemora::testing::RecordingSink;
using vemora::testing::TempTree;
namespace fs = std::filesystem;
namespace fx = vemora::fixture;

namespace {

// Every entry below root (links not followed) with its size and modification time.
std::map<std::string, std::pair<uint64_t, int64_t>> Snapshot(const fs::path& root) {
    std::map<std::string, std::pair<uint64_t, int64_t>> entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        struct stat st {};
        if (::lstat(it->path().c_str(), &st) == 0)
            entries[it->path().string()] = {static_cast<uint64_t>(st.st_size),
                                            static_cast<int64_t>(st.st_mtime)};
    }
    return entries;
}

std::string RejectionOf(const CRecordingLibrary& library, const std::string& path) {
    for (const RejectedFile& f : library.Rejected())
        if (f.GetFullPath() == path)
            return RejectReasonKey(f.verdict.reason);
    return "not rejected";
}

} // namespace

TEST(HostileCard, ScannedPlayedExportedAndCopiedWithinBoundsAndTargets) {
    TempTree scratch;
    const fs::path root(scratch.Root());
    const fs::path card = root / "card", outside = root / "outside";
    const fs::path kmlTarget = root / "kml", copyTarget = root / "copies";
    fx::HostileCardResult made = fx::WriteHostileCard(card.string(), outside.string(), VEMORA_FIXTURE_DIR);
    ASSERT_TRUE(made.ok) << made.error;
    fs::create_directories(kmlTarget);
    fs::create_directories(copyTarget);
    const auto before = Snapshot(root);

    const auto started = std::chrono::steady_clock::now();
    CRecordingLibrary library;
    RecordingSink groups, files;
    library.AttachViews(&groups, &files);
    ASSERT_TRUE(library.ScanSource(card.string(), ""));
    library.BuildTables();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));

    // The parts that would explode are turned down with their reasons; the FIFO is no file.
    EXPECT_EQ(RejectionOf(library, made.trackBomb), "too_many_records");
    EXPECT_EQ(RejectionOf(library, made.sparseBoxes), "too_many_boxes");
    std::vector<std::string> listed;
    for (const RecordingInfo& r : library.Records())
        listed.push_back(r.GetFullPath());
    for (const std::string& name : made.markupNamed)
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
    EXPECT_EQ(std::find(listed.begin(), listed.end(), made.fifo), listed.end());
    EXPECT_EQ(RejectionOf(library, made.fifo), "not rejected");

    CRecordingLibrary single;
    single.ScanSource(fs::path(made.sparseAvi).parent_path().string(),
                      fs::path(made.sparseAvi).filename().string());
    EXPECT_EQ(RejectionOf(single, made.sparseAvi), "too_many_boxes");

    // Played and exported: every listed recording's track, bounded by its length.
    for (const RecordingInfo& r : library.Records()) {
        TelemetryTrack track;
        ASSERT_TRUE(LoadTelemetryTrack(r.GetFullPath(), r.summary, track)) << r.GetFullPath();
        EXPECT_LE(track.rawGps.size() / GpsPoint::kSize + track.points.size(), 1000u);
        EXPECT_TRUE(SaveKml(kmlTarget.string(), ExportRecordingOf(r), track).ok) << r.GetFullPath();
    }

    // Copied: every group.
    groups.chosen.assign(library.Groups().size(), true);
    EXPECT_TRUE(library.CopyMarked(copyTarget.string()));

    // Nothing changed outside the two targets; the card and the folder beside it stay as they were.
    const auto after = Snapshot(root);
    for (const auto& [path, stamp] : after) {
        const bool inTarget =
            path.rfind(kmlTarget.string(), 0) == 0 || path.rfind(copyTarget.string(), 0) == 0;
        if (inTarget)
            continue;
        auto was = before.find(path);
        EXPECT_TRUE(was != before.end() && was->second == stamp) << "written: " << path;
    }
    for (const auto& [path, stamp] : before)
        EXPECT_TRUE(after.count(path)) << "removed: " << path;
    EXPECT_FALSE(fs::is_empty(kmlTarget));
}
