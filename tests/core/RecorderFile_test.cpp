// The read-only recorder file: exact reads or failure, the read-ahead block, status.
#include "tests/core/BoxBuilder.h"

#include "telemetry/RecorderFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace vemora {
namespace {

class RecorderFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = test::MakeTempDir();
        ASSERT_FALSE(m_dir.empty());
        // 20000 bytes whose value is a function of the offset, so every read can be checked.
        m_bytes.resize(20000);
        for (size_t i = 0; i < m_bytes.size(); ++i)
            m_bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
        m_path = m_dir + "/FILE0001.MP4";
        ASSERT_TRUE(test::WriteBytes(m_path, m_bytes));
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    bool Matches(uint64_t offset, const std::vector<uint8_t>& got) const {
        return std::equal(got.begin(), got.end(), m_bytes.begin() + static_cast<long>(offset));
    }

    std::string m_dir, m_path;
    std::vector<uint8_t> m_bytes;
};

TEST_F(RecorderFileTest, ReadsAreExactOrFail) {
    RecorderFile f;
    std::string error;
    ASSERT_TRUE(f.Open(m_path, &error)) << error;
    EXPECT_EQ(f.Length(), m_bytes.size());
    struct Case {
        uint64_t offset;
        size_t size;
        bool ok;
    } cases[] = {
        {0, 8, true},      {8, 8, true},      {8180, 24, true},  // across the read-ahead block
        {100, 9000, true}, {19992, 8, true},  {19993, 8, false}, // one byte short at the end
        {20000, 0, true},  {20000, 1, false}, {30000, 4, false}, {0, 20000, true}, {UINT64_MAX - 2, 4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.offset) + "+" + std::to_string(c.size));
        std::vector<uint8_t> buffer(c.size, 0xEE);
        EXPECT_EQ(f.ReadAt(c.offset, buffer.data(), buffer.size()), c.ok);
        if (c.ok) {
            EXPECT_TRUE(Matches(c.offset, buffer));
        }
    }
}

TEST_F(RecorderFileTest, NearbySmallReadsShareOneSystemRead) {
    RecorderFile f;
    ASSERT_TRUE(f.Open(m_path, nullptr));
    std::vector<uint8_t> buffer(8);
    for (uint64_t offset = 0; offset + 8 <= 4000; offset += 40)
        ASSERT_TRUE(f.ReadAt(offset, buffer.data(), 8));
    EXPECT_EQ(f.ReadCalls(), 1u);
    // Going back before the block reads again, and the data is still right.
    ASSERT_TRUE(f.ReadAt(19000, buffer.data(), 8));
    ASSERT_TRUE(f.ReadAt(12, buffer.data(), 8));
    EXPECT_TRUE(Matches(12, buffer));
    EXPECT_EQ(f.ReadCalls(), 3u);
}

TEST_F(RecorderFileTest, SequentialReadsAndStatus) {
    RecorderFile f;
    ASSERT_TRUE(f.Open(m_path, nullptr));
    std::vector<uint8_t> buffer(16);
    ASSERT_TRUE(f.Seek(19990));
    EXPECT_TRUE(f.Read(buffer.data(), 10));
    EXPECT_EQ(f.Position(), 20000u);
    EXPECT_FALSE(f.Read(buffer.data(), 1));
    EXPECT_EQ(f.Position(), 20000u); // a failed read does not move

    ::chmod(m_path.c_str(), 0444);
    FileStatus status;
    ASSERT_TRUE(f.GetStatus(status));
    EXPECT_EQ(status.size, m_bytes.size());
    EXPECT_NE(status.attributes & kAttrReadOnly, 0u);
    EXPECT_NE(status.attributes & kAttrArchive, 0u);
    EXPECT_EQ(status.fullPath, std::filesystem::canonical(m_path).string());
    EXPECT_NE(f.CreationTime(), 0);

    f.Close();
    EXPECT_FALSE(f.IsOpen());
    EXPECT_FALSE(f.ReadAt(0, buffer.data(), 1));
    std::string error;
    EXPECT_FALSE(f.Open(m_dir + "/missing", &error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    EXPECT_FALSE(f.Open(m_dir, &error)); // a folder is no recording
    std::string fifo = m_dir + "/FIFO.MP4";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_FALSE(f.Open(fifo, &error)); // refused at once, without waiting for a writer
}

} // namespace
} // namespace vemora
