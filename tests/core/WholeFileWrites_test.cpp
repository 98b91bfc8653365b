// Every file the program writes is written whole: a link at the target is replaced, never written
// through; a write that fails half-way (a full disk) leaves the earlier file as it was and no
// temporary behind; a device of the target's name is never replaced.
#include "library/FileCopy.h"
#include "library/IncidentCache.h"
#include "map/ExportPaths.h"
#include "map/GpxWriter.h"
#include "map/KmlWriter.h"
#include "platform/LogFile.h"
#include "platform/TextFile.h"
#include "tests/core/KmlTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vemora;
using vemora::testing::MakePoint;
using vemora::testing::ScratchFolder;
namespace fs = std::filesystem;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Runs write in a child whose files may not grow past limit bytes; true when it reported success.
bool WritesUnderFileSizeLimit(const std::function<bool()>& write, rlim_t limit) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
        ::_exit(write() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

size_t EntriesIn(const std::string& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder))
        ++n;
    return n;
}

TelemetryTrack LongTrack() {
    TelemetryTrack track;
    track.points.assign(2000, MakePoint(35.5, 139.25, true));
    return track;
}

} // namespace

TEST(WholeFileWrites, NeverThroughALinkNeverHalfAFile) {
    const ExportRecording recording{"FILE0001.MP4", "", 1709622489, TelemetryFormat::MetaTrack88};
    const std::string big(64 * 1024, 'x');
    struct Row {
        const char* name;
        std::function<bool(const std::string& path)> write; // a large file at path
    };
    const Row rows[] = {
        {"GPX", [&](const std::string& p) { return WriteGpxFile(p, recording, LongTrack()).ok; }},
        {"KML",
         [&](const std::string& p) {
             // The KML names its file itself: the target is that name in p's folder.
             ExportResult r = SaveKml(fs::path(p).parent_path().string(), recording, LongTrack());
             return r.ok && r.path == p;
         }},
        {"CSV and other text files", [&](const std::string& p) { return WriteTextFile(p, big, nullptr); }},
        {"incidents cache",
         [&](const std::string& p) {
             IncidentCache cache;
             for (int i = 0; i < 500; ++i)
                 cache.Store("/card/F" + std::to_string(i) + ".MP4", FileStamp{1, 2, 3, 4}, FileIncidents{});
             return cache.Save(p);
         }},
        {"copy of a recording",
         [&](const std::string& p) {
             const std::string source = p + ".source";
             WriteAll(source, big);
             return CopyFileReplacing(source, p);
         }},
    };
    const std::string kmlName = *ExportFileName(recording.fileName, recording.startTime, ".KML");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScratchFolder dir;
        const std::string target = dir.Path() + "/" + (std::string(row.name) == "KML" ? kmlName : "out");
        const std::string victim = dir.Path() + "/victim";
        WriteAll(victim, "the user's own");
        fs::create_symlink(victim, target);
        ASSERT_TRUE(row.write(target));
        EXPECT_FALSE(fs::is_symlink(target));
        EXPECT_GT(fs::file_size(target), 4096u);
        EXPECT_EQ(ReadAll(victim), "the user's own") << "written through the link";

        // An earlier file the user chose to overwrite survives a write cut short.
        WriteAll(target, "earlier");
        const size_t before = EntriesIn(dir.Path());
        EXPECT_FALSE(WritesUnderFileSizeLimit([&] { return row.write(target); }, 4096));
        EXPECT_EQ(ReadAll(target), "earlier");
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            EXPECT_EQ(entry.path().filename().string().find(".part-"), std::string::npos) << entry.path();
        EXPECT_LE(EntriesIn(dir.Path()), before + 1); // the copy's source
        // A pipe (or device) of the target's name is neither written nor replaced.
        fs::remove(target);
        ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);
        EXPECT_FALSE(row.write(target));
        EXPECT_TRUE(fs::is_fifo(target));
    }
}

TEST(WholeFileWrites, LogsAreOpenedWithoutFollowingALink) {
    ScratchFolder dir;
    const std::string log = dir.Path() + "/vlc_front.log";
    const std::string victim = dir.Path() + "/victim";
    WriteAll(victim, "the user's own");
    fs::create_symlink(victim, log);
    EXPECT_EQ(OpenLogFile(log), nullptr);
    EXPECT_EQ(ReadAll(victim), "the user's own");
    fs::remove(log);
    ASSERT_EQ(::mkfifo(log.c_str(), 0600), 0);
    EXPECT_EQ(OpenLogFile(log), nullptr) << "a pipe in place of the log";
    fs::remove(log);
    WriteAll(log, "an older run's log");
    std::FILE* file = OpenLogFile(log);
    ASSERT_NE(file, nullptr);
    std::fputs("new", file);
    std::fclose(file);
    EXPECT_EQ(ReadAll(log), "new");
}
