// The list views filled and highlighted by the real recording library, as the main window wires
// them: scan, rows in both views, the current recording, and checked groups as operation targets.
#include "library/RecordingLibrary.h"
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"

#include <gtest/gtest.h>

#include <QString>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>

namespace vemora {
namespace {

int64_t Local(int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = 124;
    tm.tm_mon = 2;
    tm.tm_mday = 5;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

class LibraryWithViews : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = std::filesystem::temp_directory_path() / ("vemora-views-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_root / "MOVIE");
        // Two drives: 10:00:00 and 10:01:02 join, 10:05:00 starts a new group.
        AddFile("FILE0001.MP4", Local(10, 0, 0), 60000);
        AddFile("MOVIE/FILE0002.MP4", Local(10, 1, 2), 60000);
        AddFile("FILE0003.MP4", Local(10, 5, 0), 59999);
        m_library.SetContainerReader(
            [this](const std::string& path, ContainerKind, ContainerSummary& summary) {
                auto it = m_summaries.find(std::filesystem::path(path).filename().string());
                if (it == m_summaries.end())
                    return ReadVerdict{RejectReason::NotRecorderFile, {}};
                summary = it->second;
                return ReadVerdict{};
            });
        for (CDvrListView* view :
             {static_cast<CDvrListView*>(&m_groups), static_cast<CDvrListView*>(&m_files)}) {
            view->resize(600, 200);
            view->SetTitleLookup([](int id) { return QString::number(id); });
            view->InitList();
        }
        m_library.AttachViews(&m_groups, &m_files);
    }
    void TearDown() override { std::filesystem::remove_all(m_root); }

    void AddFile(const std::string& relative, int64_t start, uint32_t durationMs) {
        std::ofstream(m_root / relative) << "x";
        ContainerSummary s;
        s.startTime = start;
        s.durationMs = durationMs;
        s.width = 1280;
        s.height = 720;
        s.fileSize = 1 << 20;
        s.format = TelemetryFormat::MetaTrack88;
        m_summaries[std::filesystem::path(relative).filename().string()] = s;
    }

    QString Cell(CDvrListView& view, int row, int column) {
        return view.RowModel()->data(view.RowModel()->index(row, column), Qt::DisplayRole).toString();
    }
    bool Highlighted(CDvrListView& view, int row) {
        return view.RowModel()
            ->data(view.RowModel()->index(row, 0), CListRowModel::IsCurrentRowRole)
            .toBool();
    }

    std::filesystem::path m_root;
    std::map<std::string, ContainerSummary> m_summaries;
    CRecordingLibrary m_library;
    CDvrGroupListCtrl m_groups;
    CDvrFileListCtrl m_files;
};

TEST_F(LibraryWithViews, ScanFillsBothViewsAndSelectionHighlightsBoth) {
    ASSERT_EQ(m_groups.RowModel()->columnCount(), 5);
    ASSERT_EQ(m_files.RowModel()->columnCount(), 6);
    EXPECT_EQ(m_files.RowModel()->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), "124");

    ASSERT_TRUE(m_library.ScanSource(m_root.string(), ""));
    m_library.BuildTables();

    ASSERT_EQ(m_groups.RowModel()->rowCount(), 2);
    ASSERT_EQ(m_files.RowModel()->rowCount(), 3);
    EXPECT_EQ(Cell(m_groups, 0, 0), "G0");
    EXPECT_EQ(Cell(m_groups, 0, 1), "720P");
    EXPECT_EQ(Cell(m_groups, 1, 3), " 59 s ");
    EXPECT_EQ(Cell(m_files, 1, 0), "G0-1");
    EXPECT_EQ(Cell(m_files, 1, 1), "FILE0002.MP4");
    EXPECT_EQ(Cell(m_files, 1, 5), QString::fromStdString(m_root.string() + "/MOVIE/"));

    ASSERT_TRUE(m_library.SelectRecording(2));
    EXPECT_TRUE(Highlighted(m_files, 2));
    EXPECT_TRUE(Highlighted(m_groups, 1));
    EXPECT_FALSE(Highlighted(m_groups, 0));

    ASSERT_TRUE(m_library.SelectRecording(1));
    EXPECT_TRUE(Highlighted(m_files, 1));
    EXPECT_FALSE(Highlighted(m_files, 2));
    EXPECT_TRUE(Highlighted(m_groups, 0));
    EXPECT_FALSE(Highlighted(m_groups, 1));
}

TEST_F(LibraryWithViews, OnlyCheckedOrSelectedGroupsAreTargets) {
    ASSERT_TRUE(m_library.ScanSource(m_root.string(), ""));
    m_library.BuildTables();
    m_library.SelectRecording(0);

    EXPECT_FALSE(m_library.MarkTargetGroups()) << "the highlighted group alone is no target";

    m_groups.RowModel()->setData(m_groups.RowModel()->index(1, 0), Qt::Checked, Qt::CheckStateRole);
    ASSERT_TRUE(m_library.MarkTargetGroups());
    EXPECT_EQ(m_library.Groups()[0].marked, 0);
    EXPECT_EQ(m_library.Groups()[1].marked, 1);
}

TEST_F(LibraryWithViews, ClearingTheLibraryEmptiesTheViews) {
    ASSERT_TRUE(m_library.ScanSource(m_root.string(), ""));
    m_library.BuildTables();
    m_library.SelectRecording(0);
    m_library.ClearLibrary();
    EXPECT_EQ(m_groups.RowModel()->rowCount(), 0);
    EXPECT_EQ(m_files.RowModel()->rowCount(), 0);
    EXPECT_EQ(m_files.RowModel()->CurrentRow(), -1);
}

} // namespace
} // namespace vemora
