// The range the clip export proposes from the I and O marks and the position.
#include "app/ClipRange.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

// Three front recordings of 60 s: the first two one drive, the third another.
std::vector<RecordingInfo> Drives() {
    std::vector<RecordingInfo> records;
    for (int i = 0; i < 3; ++i) {
        RecordingInfo r;
        r.rootFolder = "/nowhere/card/";
        r.subFolder = "DCIM/Movie/F/";
        r.fileName = "20240517_10" + std::to_string(i) + "000_F.MP4";
        r.startsGroup = i != 1;
        r.summary.durationMs = 60000;
        records.push_back(r);
    }
    return records;
}

TEST(ClipRangeTest, MarksOrTheTimeAroundThePositionGiveTheRange) {
    const auto records = Drives();
    auto at = [&](int row, int64_t ms) {
        return ClipMark{records[static_cast<size_t>(row)].GetFullPath(), ms};
    };
    struct Case {
        const char* name;
        ClipMarks marks;
        int row;
        int64_t now;
        bool ok;
        int startRow;
        double from, to;
    } cases[] = {
        {"no marks: 10 s either side", {}, 0, 15000, true, 0, 5000, 25000},
        {"no marks near the start", {}, 0, 3000, true, 0, 0, 13000},
        {"no marks near the drive's end", {}, 1, 55000, true, 1, 45000, 60000},
        {"both marks across the cut", {at(0, 50000), at(1, 10000)}, 1, 20000, true, 0, 50000, 70000},
        {"marks set the other way round", {at(1, 10000), at(0, 50000)}, 0, 0, true, 0, 50000, 70000},
        {"start mark, position later", {at(0, 10000), {}}, 0, 30000, true, 0, 10000, 30000},
        {"start mark, position earlier", {at(0, 10000), {}}, 0, 5000, true, 0, 10000, 20000},
        {"end mark, position earlier", {{}, at(1, 5000)}, 0, 40000, true, 0, 40000, 65000},
        {"marks in two drives", {at(0, 10000), at(2, 10000)}, 0, 0, false, -1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClipRangeChoice choice = ChooseClipRange(records, c.marks, c.row, c.now);
        EXPECT_EQ(choice.ok, c.ok);
        if (!c.ok)
            continue;
        EXPECT_EQ(choice.row, c.startRow);
        EXPECT_DOUBLE_EQ(choice.fromMs, c.from);
        EXPECT_DOUBLE_EQ(choice.toMs, c.to);
    }
}

} // namespace
} // namespace vemora
