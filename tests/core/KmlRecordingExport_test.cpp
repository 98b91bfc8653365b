#include "map/RecordingExport.h"
#include "tests/core/KmlTestSupport.h"

#include <gtest/gtest.h>

namespace vemora {
namespace {

TEST(KmlRecordingExport, RowToExport) {
    struct Case {
        int currentRow;
        size_t count;
        std::optional<size_t> row;
    };
    const Case cases[] = {
        {0, 3, 0},
        {2, 3, 2},
        {3, 3, 2},
        {40, 3, 2},            // past the end: the last recording
        {-1, 3, std::nullopt}, // none current yet
        {0, 0, std::nullopt},
        {-1, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExportRowOf(c.currentRow, c.count), c.row) << c.currentRow << " of " << c.count;
}

TEST(KmlRecordingExport, ARecordingInASubFolderNamesItInThePlacemark) {
    RecordingInfo info;
    info.fileName = "EVGS0001.MP4";
    info.rootFolder = "/media/card/";
    info.subFolder = "MOVIE/EVENT/";
    info.summary.startTime = testing::LocalWallClock(2024, 3, 5, 7, 8, 9);
    info.summary.format = TelemetryFormat::FileTrailer;

    const ExportRecording rec = ExportRecordingOf(info);

    EXPECT_EQ(rec.format, TelemetryFormat::FileTrailer);
    EXPECT_EQ(PlacemarkText(rec), "\"MOVIE/EVENT//EVGS0001.MP4\" 2024/03/05 07:08:09");
}

} // namespace
} // namespace vemora
