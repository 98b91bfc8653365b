// The built `vemora probe` on generated files: one JSON line per file in argument order, the
// summary fields, the reader chosen by name and the exit codes.
#include "tests/core/BoxBuilder.h"
#include "tools/fixture/FixtureWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

namespace vemora {
namespace {

using namespace vemora::test;

struct RunResult {
    int exitCode = -1;
    std::vector<std::string> lines;
};

RunResult RunProbe(const std::vector<std::string>& files) {
    std::string command = std::string(VEMORA_BINARY_DIR) + "/vemora probe";
    for (const auto& f : files)
        command += " '" + f + "'";
    command += " 2>/dev/null";
    RunResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, n);
    int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        result.lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

class ProbeCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(std::string(VEMORA_BINARY_DIR) + "/vemora"))
            << "the vemora tool must be built before these tests";
        m_dir = MakeTempDir();
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Write(const std::string& name, const ByteVec& bytes) {
        std::string path = m_dir + "/" + name;
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }
    std::string m_dir;
};

std::string ExpectedStartTime() {
    // 2024-01-01 00:35:20 as local calendar fields, whatever the zone.
    return "\"start_time\":\"2024-01-01 00:35:20\"";
}

TEST_F(ProbeCommandTest, AcceptedFilesGiveTheirSummaryInArgumentOrder) {
    ByteVec gpsIndex = GpsIndexFile({100, 200, 300});
    std::string a = Write("A.MP4", gpsIndex);
    std::string b = Write("B.MOV", MetaTrackFile(true, false, {1, 2}, "VideoHandler"));
    std::string c = Write("C.MP4", InlineFile(Cat({Box("gpsa", Le32(0x0301)), Box("gsea", Le32(0x04030201)),
                                                   Box("gps0", Zeros(64)), Box("gsen", Zeros(30))})));
    RunResult r = RunProbe({a, b, c});
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines.size(), 3u);

    const std::string& la = r.lines[0];
    EXPECT_NE(la.find("{\"path\":\"" + a + "\",\"accepted\":true,\"container\":\"mp4\",\"format\":4,"),
              std::string::npos)
        << la;
    EXPECT_NE(la.find("\"codec\":\"h265\",\"width\":2560,\"height\":1440,"), std::string::npos) << la;
    EXPECT_NE(la.find(ExpectedStartTime()), std::string::npos) << la;
    EXPECT_NE(la.find("\"duration_ms\":60000,\"length_seconds\":0,\"file_size\":" +
                      std::to_string(gpsIndex.size())),
              std::string::npos)
        << la;
    EXPECT_NE(la.find("\"gps_rate\":1,\"gsensor_info\":[5,8,2,1],\"gps_box\":[0,0],\"gsensor_box\":[0,0],"
                      "\"record_count\":3}"),
              std::string::npos)
        << la;

    EXPECT_NE(r.lines[1].find("\"format\":2,"), std::string::npos) << r.lines[1];
    EXPECT_NE(r.lines[1].find("\"gps_rate\":5,"), std::string::npos);
    EXPECT_NE(r.lines[1].find("\"record_count\":2}"), std::string::npos);

    const std::string& lc = r.lines[2];
    EXPECT_NE(lc.find("\"format\":0,"), std::string::npos) << lc;
    EXPECT_NE(lc.find("\"start_time\":null"), std::string::npos) << lc;
    EXPECT_NE(lc.find("\"gps_rate\":1,\"gsensor_info\":[1,2,3,4]"), std::string::npos) << lc; // low byte only
    EXPECT_NE(lc.find("\"gps_box\":["), std::string::npos);
    EXPECT_NE(lc.find(",64],\"gsensor_box\":["), std::string::npos) << lc;
    EXPECT_NE(lc.find(",30],\"record_count\":0}"), std::string::npos) << lc;
}

TEST_F(ProbeCommandTest, RejectedAndMissingFilesGiveErrorsAndExitOne) {
    std::string good = Write("GOOD.MP4", GpsIndexFile({1}));
    std::string bad = Write("BAD.MP4", ByteVec{1, 2, 3, 4, 5, 6, 7});
    std::string missing = m_dir + "/MISSING.MP4";
    RunResult r = RunProbe({bad, good, missing});
    EXPECT_EQ(r.exitCode, 1);
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[0].rfind("{\"path\":\"" + bad + "\",\"accepted\":false,\"error\":\"", 0), 0u)
        << r.lines[0];
    EXPECT_NE(r.lines[1].find("\"accepted\":true"), std::string::npos);
    EXPECT_NE(r.lines[2].find("\"accepted\":false,\"error\":"), std::string::npos) << r.lines[2];
    // Beside the words, a key scripts can compare: shorter than one box header, and missing.
    EXPECT_NE(r.lines[0].find(",\"reason\":\"cut_short\"}"), std::string::npos) << r.lines[0];
    EXPECT_NE(r.lines[2].find(",\"reason\":\"cannot_open\"}"), std::string::npos) << r.lines[2];
}

TEST_F(ProbeCommandTest, ReaderIsChosenByUpperCaseAviSuffix) {
    // An MP4 image under an upper-case ".AVI" name goes to the AVI reader and is refused there;
    // under a lower-case ".avi" name it is read as MP4.
    ByteVec mp4 = GpsIndexFile({1});
    RunResult upper = RunProbe({Write("FILE0001.AVI", mp4)});
    EXPECT_EQ(upper.exitCode, 1);
    ASSERT_EQ(upper.lines.size(), 1u);
    EXPECT_NE(upper.lines[0].find("\"accepted\":false"), std::string::npos);
    RunResult lower = RunProbe({Write("file0001.avi", mp4)});
    EXPECT_EQ(lower.exitCode, 0);
    ASSERT_EQ(lower.lines.size(), 1u);
    EXPECT_NE(lower.lines[0].find("\"container\":\"mp4\""), std::string::npos);
}

TEST_F(ProbeCommandTest, AviRecordingsGoToTheAviReader) {
    fixture::RecordingSpec spec;
    spec.layout = fixture::Layout::Avi;
    spec.baseDir = VEMORA_FIXTURE_DIR;
    spec.gps = fixture::SimulateGps({}, spec.seconds, 1, spec.start);
    spec.gsensor = fixture::SimulateGsensor({}, spec.seconds, 5);
    std::string path = m_dir + "/FILE0001.AVI";
    fixture::WriteResult written = fixture::WriteRecording(spec, path);
    ASSERT_TRUE(written.ok) << written.error;
    RunResult r = RunProbe({path});
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines.size(), 1u);
    const std::string& l = r.lines[0];
    EXPECT_NE(l.find("\"accepted\":true,\"container\":\"avi\",\"format\":0,"), std::string::npos) << l;
    EXPECT_NE(l.find("\"width\":320,\"height\":240,\"start_time\":\"2024-05-17 10:20:30\""),
              std::string::npos)
        << l;
    EXPECT_NE(l.find("\"length_seconds\":" + std::to_string(spec.seconds)), std::string::npos) << l;
    EXPECT_NE(l.find("\"gps_box\":[" + std::to_string(written.file.gpsBoxOffset) + "," +
                     std::to_string(written.file.gpsBoxSize) + "]"),
              std::string::npos)
        << l;
}

TEST_F(ProbeCommandTest, NoFilesIsAUsageError) {
    RunResult r = RunProbe({});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.lines.empty());
}

} // namespace
} // namespace vemora
