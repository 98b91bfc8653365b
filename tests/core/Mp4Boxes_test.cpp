// The box primitives of the MP4/MOV reader on their own: header forms, sibling and path search,
// their diagnostics, and the reader's catch of read errors.
#include "tests/core/BoxBuilder.h"

#include "platform/Diagnostics.h"
#include "telemetry/Mp4Parser.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vemora {
namespace {

using namespace vemora::test;

// Opens the primitives up for the tests.
class BoxWalker : public CDvr3gpParser {
public:
    bool Open(const std::string& path) {
        if (!OpenFile(path))
            return false;
        m_ullFileSize = m_file.Length();
        return true;
    }
    using CDvr3gpParser::FindChild;
    using CDvr3gpParser::FindPath;
    using CDvr3gpParser::FindSampleEntry;
    using CDvr3gpParser::ReadBoxHeader;
};

class Mp4BoxesTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = MakeTempDir();
        ASSERT_FALSE(m_dir.empty());
        SetDiagnosticSink([this](std::string_view line) { m_diag.emplace_back(line); });
    }
    void TearDown() override {
        SetDiagnosticSink(StdoutSink());
        std::filesystem::remove_all(m_dir);
    }
    std::string Write(const ByteVec& bytes) {
        std::string path = m_dir + "/FILE.MP4";
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }
    bool Saw(const std::string& line) const {
        for (const auto& l : m_diag)
            if (l == line)
                return true;
        return false;
    }
    std::string m_dir;
    std::vector<std::string> m_diag;
};

TEST_F(Mp4BoxesTest, HeaderForms) {
    ByteVec bytes = Cat({Box64("mdat", Zeros(4), 0x7), BoxWithSizeField("zero", 0, {}),
                         BoxWithSizeField("tiny", 4, {}), ByteVec{0, 0, 0, 9, 'e', 'n'}});
    BoxWalker w;
    ASSERT_TRUE(w.Open(Write(bytes)));
    uint64_t pos = 0;
    uint32_t size = 0;
    EXPECT_EQ(w.ReadBoxHeader(pos, size), MakeFourCC("mdat"));
    EXPECT_EQ(pos, 16u);
    EXPECT_EQ(size, 4u); // low 32 bits of the 64-bit size, minus 16
    pos += size;
    EXPECT_EQ(w.ReadBoxHeader(pos, size), MakeFourCC("zero"));
    EXPECT_EQ(size, 0xFFFFFFF8u);
    pos = 28;
    EXPECT_EQ(w.ReadBoxHeader(pos, size), MakeFourCC("tiny"));
    EXPECT_EQ(size, 0xFFFFFFFCu);
    // Six bytes left: no header, the walk is at the end.
    pos = 36;
    EXPECT_EQ(w.ReadBoxHeader(pos, size), kNoBox);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(pos, bytes.size());
}

TEST_F(Mp4BoxesTest, FindPathReachesFirstTrakHandlerPastMvhd) {
    ByteVec moovPayload = Cat({Mvhd(1000, 1000), VideoTrak("VideoHandler"), MetaTrak({1})});
    ByteVec bytes = Box("moov", moovPayload);
    BoxWalker w;
    ASSERT_TRUE(w.Open(Write(bytes)));
    uint64_t pos = 8;
    uint32_t size = w.FindPath({MakeFourCC("trak"), MakeFourCC("mdia"), MakeFourCC("hdlr")}, pos,
                               uint32_t(moovPayload.size()));
    ASSERT_GT(size, 28u);
    EXPECT_EQ(bytes[pos + 8], 'v'); // handler type "vide" of the first trak
    EXPECT_EQ(bytes[pos + 25], 'V');
}

TEST_F(Mp4BoxesTest, FirstTrakWithoutMdiaEndsTheSearch) {
    ByteVec moovPayload =
        Cat({Mvhd(1000, 1000), Box("trak", Box("tkhd", Zeros(84))), VideoTrak("VideoHandler")});
    BoxWalker w;
    ASSERT_TRUE(w.Open(Write(Box("moov", moovPayload))));
    uint64_t pos = 8;
    EXPECT_EQ(w.FindPath({MakeFourCC("trak"), MakeFourCC("mdia"), MakeFourCC("hdlr")}, pos,
                         uint32_t(moovPayload.size())),
              0u);
}

TEST_F(Mp4BoxesTest, FindChildEndsOnZeroTypeOversizeAndFileEnd) {
    struct Case {
        const char* label;
        ByteVec bytes;
        uint32_t range;
        const char* diag; // nullptr: nothing printed
    } cases[] = {
        {"zero type",
         Cat({Box("abcd", Zeros(4)), BoxWithSizeField("\0\0\0\0", 16, Zeros(8)), Box("want", Zeros(4))}),
         1000, nullptr},
        {"payload larger than range", Cat({Box("abcd", Zeros(100)), Box("want", Zeros(4))}), 50,
         "Get end uiSize > range \n"},
        {"runs off the end", Cat({Box("abcd", Zeros(4)), Box("efgh", Zeros(4))}), 1000,
         "Get end myoff >m_ullFileSize-8 \n"},
        {"range used up", Cat({Box("abcd", Zeros(4)), Box("want", Zeros(4))}), 12, nullptr},
        {"empty payload counts as missing", Cat({Box("abcd", Zeros(4)), Box("want", {})}), 1000, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        m_diag.clear();
        BoxWalker w;
        ASSERT_TRUE(w.Open(Write(c.bytes)));
        uint64_t pos = 0;
        EXPECT_EQ(w.FindChild(MakeFourCC("want"), pos, c.range), 0u);
        if (std::string(c.label) != "empty payload counts as missing") {
            EXPECT_EQ(pos, 0u); // only a found box moves the position
        }
        if (c.diag) {
            EXPECT_TRUE(Saw(c.diag));
        } else {
            EXPECT_TRUE(m_diag.empty());
        }
    }
}

TEST_F(Mp4BoxesTest, FindSampleEntryStopsAtVideoEntriesOnly) {
    ByteVec entries = Cat({Box("mp4a", Zeros(20)), SampleEntry("hvc1", 640, 480)});
    BoxWalker w;
    ASSERT_TRUE(w.Open(Write(entries)));
    uint64_t pos = 0;
    FourCC type = kNoBox;
    EXPECT_EQ(w.FindSampleEntry(pos, uint32_t(entries.size()), type), 78u);
    EXPECT_EQ(type, MakeFourCC("hvc1"));
    EXPECT_EQ(pos, 28u + 8u);
    // Only audio: nothing, and the walk ends at the file end.
    ASSERT_TRUE(w.Open(Write(Box("mp4a", Zeros(20)))));
    pos = 0;
    EXPECT_EQ(w.FindSampleEntry(pos, 0xFFFFFFFFu, type), 0u);
}

TEST_F(Mp4BoxesTest, CreationTimeIsPrintedAndReadErrorsAreCaught) {
    ContainerSummary summary;
    CDvr3gpParser reader;
    reader.SetSummary(&summary);
    ASSERT_EQ(reader.Parse(Write(GpsIndexFile({1}))), 0);
    EXPECT_TRUE(Saw("1704069320: 2024-01-01 00:35:20\n"));

    // Format 2 whose movie header runs past the end of the file: the read error is caught,
    // announced, and the file rejected.
    ByteVec moovPayload =
        Cat({VideoTrak("VideoHandler"), TitleUdta(), BoxWithSizeField("mvhd", 4000, Zeros(100))});
    ByteVec file = Cat({Ftyp(), Box("wide", {}),
                        BoxWithSizeField("moov", uint32_t(moovPayload.size() + 8 + 3900), moovPayload)});
    m_diag.clear();
    CDvr3gpParser damaged;
    damaged.SetSummary(&summary);
    EXPECT_EQ(damaged.Parse(Write(file)), -1);
    EXPECT_EQ(damaged.Format(), 2);
    EXPECT_TRUE(Saw("=======>>> catch CFileException !! \r\n"));
}

} // namespace
} // namespace vemora
