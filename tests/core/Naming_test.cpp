#include "library/NameText.h"
#include "library/RecordingInfo.h"
#include "library/RecordingNaming.h"
#include "platform/FileAttributes.h"
#include "tests/core/LibraryTestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vemora;
using vemora::testing::TempTree;

TEST(NamingRules, RecordingNameTable) {
    struct Case {
        const char* name;
        bool expected;
    } cases[] = {
        {"ABCD0001.MP4", true},
        {"ABCD0001.mp4", true},          // 12 characters: any extension
        {"FILE0001.TXT", true},          // 8.3 name, whatever its extension
        {"FILE0001.AVI", true},          // passes the name test; the folder scan drops it later
        {"2024010112345F.MOV", true},    // long name with upper-case ".MOV"
        {"20240517_102030_F.MP4", true}, // time-stamped recorder name
        {"a_-Z0000_x.MP4", true},        // "_" and "-" allowed in the first four
        {"ABC0001.MP4", false},          // "." among characters five to eight
        {"ABCD01.MP4", false},           // digits run out
        {"ABCD00012.mp4", false},        // 13 characters with lower-case extension
        {"2024_0101_1200.MP4", false},   // underscore at index 4
        {"FILE00001.AVI", false},        // 13 characters, not ".MOV"/".MP4"
        {"ABCD0001", false},             // 8 characters, no extension
        {"", false},                     // empty name
        {"AB.D0001.MP4", false},         // "." among the first four
        {"ABCD0001.Mp4", true},          // still 12 characters
        {"ABCD00012.Mp4", false},        // mixed-case extension on a long name
        {"\xc3\x84"
         "BCD0001.MP4",
         false}, // non-ASCII letter among the first four
        {"ABCD0001.\xc3\xa4"
         "bc",
         true}, // 12 UTF-16 units although 13 bytes
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsRecordingName(c.name), c.expected) << c.name;
}

TEST(NamingRules, CameraSideTable) {
    struct Case {
        const char* name;
        bool front;
        bool rear;
    } cases[] = {
        {"FILE0000.MP4", false, false}, // neither: grouping counts it as rear, playback as front
        {"20240517_102030_F.MP4", true, false}, {"20240517_102030_R.MP4", false, true},
        {"REC0001F.MOV", true, false},          {"REC0001R.MOV", false, true},
        {"FILE0001_b.MP4", false, true},        {"my_front_0001.MP4", true, false},
        {"FILE0001.MP4b", false, true},  // "b" after the last "."
        {"FILE000b.MP4", false, true},   // "b" is the character just before the last "."
        {"FILEb001.MP4", false, false},  // "b" earlier in the name does not count
        {"FILE0001F.mp4", false, false}, // case matters
        {"FRONT0001.MP4", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsFrontFile(c.name), c.front) << c.name;
        EXPECT_EQ(IsRearFile(c.name), c.rear) << c.name;
    }
}

TEST(NamingRules, LockMarkTable) {
    struct Case {
        uint32_t attributes;
        const char* name;
        uint8_t flags;
    } cases[] = {
        {kAttrReadOnly, "FILE0001.MP4", kEventLock | kManualLock}, // archive clear: plain padlock
        {kAttrReadOnly, "EVGS0001.MP4", kEventLock | kManualLock},
        {kAttrReadOnly | kAttrArchive, "EVGS0001.MP4", kEventLock},
        {kAttrReadOnly | kAttrArchive, "EVSW0001.MP4", kManualLock},
        {kAttrReadOnly | kAttrArchive, "evgs0001.MP4", kManualLock}, // prefix test is case-sensitive
        {kAttrArchive, "EVGS0001.MP4", 0},
        {0, "FILE0001.MP4", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LockMarksOfAttributes(c.attributes, c.name).Flags(), c.flags)
            << c.name << " " << c.attributes;
}

TEST(NamingRules, NameRuleOfMetaTrack88Recorders) {
    EXPECT_EQ(LockFlagsOfNameRule("EVGS0001.MP4"), kEventLock);
    EXPECT_EQ(LockFlagsOfNameRule("EVSW0001.MP4"), kManualLock);
    EXPECT_EQ(LockFlagsOfNameRule("EVSX0001.MP4"), 0);
    EXPECT_EQ(LockFlagsOfNameRule("evsw0001.MP4"), 0);
    EXPECT_EQ(LockFlagsOfNameRule("EV"), 0);
}

TEST(NamingRules, ReadLockMarksFromTheFileMode) {
    TempTree tree;
    std::string plain = tree.AddFile("FILE0001.MP4");
    std::string event = tree.AddFile("EVGS0001.MP4");
    EXPECT_EQ(ReadLockMarks(tree.Root(), "FILE0001.MP4").Flags(), 0);
    ASSERT_EQ(::chmod(plain.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(event.c_str(), 0444), 0);
    // Off FAT the archive bit always reads as set: manual lock, event lock for "EVGS" names.
    EXPECT_EQ(ReadLockMarks(tree.Root(), "FILE0001.MP4").Flags(), kManualLock);
    EXPECT_EQ(ReadLockMarks(tree.Root().substr(0, tree.Root().size() - 1), "EVGS0001.MP4").Flags(),
              kEventLock);
    EXPECT_EQ(ReadLockMarks(tree.Root(), "MISSING1.MP4").Flags(), 0);
}

TEST(NamingRules, RearPartnerRules) {
    TempTree tree;
    const std::string& r = tree.Root();
    // "front" becomes "back" anywhere in the path, the digit before "." becomes 1, "_b" inserted.
    tree.AddFile("DCIM/back/FILE0001_b.MP4");
    EXPECT_EQ(GetRearPartner(r + "DCIM/front/FILE0000.MP4"), r + "DCIM/back/FILE0001_b.MP4");
    // A front file already ending in "1" only gets "_b".
    tree.AddFile("A0001_b.MP4");
    EXPECT_EQ(GetRearPartner(r + "A0001.MP4"), r + "A0001_b.MP4");
    // Second candidate: the last two "F" become "R" (folder included).
    tree.AddFile("R/REC0001R.MP4");
    EXPECT_EQ(GetRearPartner(r + "F/REC0001F.MP4"), r + "R/REC0001R.MP4");
    // Neither candidate exists.
    EXPECT_EQ(GetRearPartner(r + "DCIM/front/FILE0100.MP4"), "");
    // No usable ".": no partner instead of a failure.
    EXPECT_EQ(GetRearPartner("NOEXTENSION"), "");
    EXPECT_EQ(GetRearPartner(".MP4"), "");
}

TEST(NamingRules, FrontPartnerRules) {
    TempTree tree;
    const std::string& r = tree.Root();
    tree.AddFile("DCIM/front/FILE0000.MP4");
    EXPECT_EQ(GetFrontPartner(r + "DCIM/back/FILE0001_b.MP4"), r + "DCIM/front/FILE0000.MP4");
    tree.AddFile("Movie/F/20240517_102030_F.MP4");
    EXPECT_EQ(GetFrontPartner(r + "Movie/R/20240517_102030_R.MP4"), r + "Movie/F/20240517_102030_F.MP4");
    EXPECT_EQ(GetFrontPartner(r + "Movie/R/20240517_112030_R.MP4"), "");
    EXPECT_EQ(GetFrontPartner("ab.MP4"), ""); // last "." before index 3
}

TEST(NamingRules, PartnerRulesRenameFoldersToo) {
    TempTree tree;
    const std::string& r = tree.Root();
    tree.AddFile("back/x1_b.MP4");
    EXPECT_EQ(GetRearPartner(r + "front/x0.MP4"), r + "back/x1_b.MP4");
    tree.AddFile("front/y0.MP4");
    EXPECT_EQ(GetFrontPartner(r + "back/y1_b.MP4"), r + "front/y0.MP4");
}

// A card below folders whose names hold every letter the rules swap pairs as anywhere else:
// only the file name and the recorder's camera folder take part.
TEST(NamingRules, PartnersOfACardBelowAnyFolders) {
    TempTree tree;
    const std::string card = tree.Root() + "Fred/frontback/CAR.MP4b/";
    const std::string front = "DCIM/front/FILE0120.MP4", back = "DCIM/back/FILE0121_b.MP4";
    const std::string f = "DCIM/Movie/F/20240517_102030_F.MP4", r = "DCIM/Movie/R/20240517_102030_R.MP4";
    const std::string flatF = "CAM_0001F.MP4", flatR = "CAM_0001R.MP4";
    for (const std::string* file : {&front, &back, &f, &r, &flatF, &flatR})
        tree.AddFile("Fred/frontback/CAR.MP4b/" + *file);
    struct Case {
        std::string path;
        bool rear;
        std::string partner; // below card; empty for none
    } cases[] = {
        {front, false, back}, {back, true, front},         {f, false, r}, {r, true, f}, {flatF, false, flatR},
        {flatR, true, flatF}, {"FILE0000.MP4", false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsRearFile(card + c.path), c.rear) << c.path;
        std::string partner = c.rear ? GetFrontPartner(card + c.path) : GetRearPartner(card + c.path);
        EXPECT_EQ(partner, c.partner.empty() ? "" : card + c.partner) << c.path;
    }
}

TEST(NamingRules, NameTextRoundTripsAnyBytes) {
    const std::string names[] = {"plain.MP4", "\xe6\x97\xa5\xe6\x9c\xac.MP4", "bad\xff\xfe.MP4",
                                 "\xf0\x9f\x9a\x97"
                                 "car.MP4",
                                 "\xc3"};
    for (const std::string& n : names)
        EXPECT_EQ(FromNameText(ToNameText(n)), n);
    EXPECT_EQ(ToNameText("\xf0\x9f\x9a\x97").size(), 2u); // a surrogate pair
}
