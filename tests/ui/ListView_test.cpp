// The group and recording list views: rows, padlocks, check boxes, double-clicks, the current-row
// highlight and column titles, driven through the list-sink interface the library uses.
#include "library/views/DvrFileListCtrl.h"
#include "library/views/DvrGroupListCtrl.h"
#include "library/views/PadlockImages.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <gtest/gtest.h>

#include <map>

namespace vemora {
namespace {

// Titles of a pretend language; `suffix` stands for a language change.
struct Titles {
    QString suffix;
    QString operator()(int id) const { return QString("T%1%2").arg(id).arg(suffix); }
};

ListRow Row(std::vector<std::string> cells, uint8_t lockImage = 0) {
    return ListRow{std::move(cells), lockImage};
}

std::vector<ListRow> ThreeGroups() {
    return {
        Row({"G0", "720P", "2024-03-05 07:08:09", " 180 s ", " 12 MB"}, 0),
        Row({"G1", "1080P HD", "2024-03-05 08:00:00", " 59 s ", " 0 MB"}, 3),
        Row({"G2", "", "2024-03-05 09:00:00", " 60 s ", " 1 MB"}, 1),
    };
}

// The group list with a way to find where a row's check box is drawn.
class GroupList : public CDvrGroupListCtrl {
public:
    QPoint CheckBoxCentre(int row) {
        QStyleOptionViewItem opt;
        initViewItemOption(&opt);
        opt.rect = visualRect(RowModel()->index(row, 0));
        opt.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration |
                        QStyleOptionViewItem::HasDisplay;
        opt.decorationSize = iconSize();
        return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, this).center();
    }
};

void SendMouse(QWidget* target, QEvent::Type type, QPoint pos) {
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Click(QAbstractItemView& view, QPoint pos) {
    SendMouse(view.viewport(), QEvent::MouseButtonPress, pos);
    SendMouse(view.viewport(), QEvent::MouseButtonRelease, pos);
}

// Every double-click the view reports, in order.
std::vector<int> DoubleClickRows(CDvrListView& view, const std::vector<QPoint>& points) {
    std::vector<int> rows;
    auto connection =
        QObject::connect(&view, &CDvrListView::rowActivated, [&](int row) { rows.push_back(row); });
    for (QPoint p : points)
        SendMouse(view.viewport(), QEvent::MouseButtonDblClick, p);
    QObject::disconnect(connection);
    return rows;
}

template <typename View> void SetUpView(View& view, int width, const Titles& titles = {}) {
    view.resize(width, 300);
    view.SetTitleLookup(titles);
    view.InitList();
}

TEST(ListView, PadlockImagesAreDistinctAndTheFirstIsEmpty) {
    std::vector<QImage> images;
    for (int i = 0; i < kPadlockImageCount; ++i) {
        images.push_back(PadlockImage(i).toImage());
        EXPECT_EQ(images.back().size(), QSize(kPadlockImageSize, kPadlockImageSize));
    }
    for (int y = 0; y < kPadlockImageSize; ++y)
        for (int x = 0; x < kPadlockImageSize; ++x)
            ASSERT_EQ(qAlpha(images[0].pixel(x, y)), 0) << "image 0 must be empty";
    for (int a = 1; a < kPadlockImageCount; ++a) {
        EXPECT_NE(images[a], images[0]);
        for (int b = a + 1; b < kPadlockImageCount; ++b)
            EXPECT_NE(images[a], images[b]) << a << " vs " << b;
    }
}

TEST(ListView, RowsAppearWithTextsAndPadlocks) {
    CDvrGroupListCtrl groups;
    SetUpView(groups, 500);
    GroupListSink& sink = groups;
    sink.AppendRows(ThreeGroups());
    sink.AppendRows({Row({"G3", "VGA", "x", "y", "z"}, 2)});

    const CListRowModel& m = *groups.RowModel();
    ASSERT_EQ(m.rowCount(), 4);
    EXPECT_EQ(m.data(m.index(1, 1), Qt::DisplayRole).toString(), "1080P HD");
    EXPECT_EQ(m.data(m.index(3, 0), Qt::DisplayRole).toString(), "G3");
    EXPECT_EQ(m.data(m.index(2, 1), Qt::DisplayRole).toString(), "");
    for (int row = 0; row < 4; ++row) {
        const uint8_t lock = row == 0 ? 0 : row == 1 ? 3 : row == 2 ? 1 : 2;
        EXPECT_EQ(m.data(m.index(row, 0), Qt::DecorationRole).value<QPixmap>().toImage(),
                  PadlockImage(lock).toImage())
            << row;
        EXPECT_FALSE(m.data(m.index(row, 1), Qt::DecorationRole).isValid())
            << "only the first column has an image";
    }

    sink.ClearRows();
    EXPECT_EQ(m.rowCount(), 0);
}

TEST(ListView, ColumnsAreTitledAndSizedFromTheWindowWidth) {
    CDvrGroupListCtrl groups;
    SetUpView(groups, 500);
    CDvrFileListCtrl files;
    SetUpView(files, 400);

    ASSERT_EQ(groups.RowModel()->columnCount(), 5);
    ASSERT_EQ(files.RowModel()->columnCount(), 6);
    const int groupTitles[] = {116, 117, 118, 119, 120};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(groups.columnWidth(c), 100);
        EXPECT_EQ(groups.RowModel()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  QString("T%1").arg(groupTitles[c]));
    }
    const int fileTitles[] = {121, 122, 118, 123, 120, 124};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(files.columnWidth(c), 120);
        EXPECT_EQ(files.RowModel()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                  QString("T%1").arg(fileTitles[c]));
    }
    files.show();
    QApplication::processEvents();
    EXPECT_GT(files.horizontalScrollBar()->maximum(), 0) << "the recording list is wider than its window";
}

TEST(ListView, RetitlingKeepsWidths) {
    CDvrFileListCtrl files;
    Titles titles;
    SetUpView(files, 400, titles);
    files.setColumnWidth(1, 77); // the user dragged a column

    files.SetTitleLookup(Titles{"-de"});
    static_cast<ListSink&>(files).RetitleColumns();

    EXPECT_EQ(files.RowModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "T122-de");
    EXPECT_EQ(files.RowModel()->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), "T124-de");
    EXPECT_EQ(files.columnWidth(1), 77);
    EXPECT_EQ(files.columnWidth(0), 120);
}

TEST(ListView, CheckBoxesAndSelectionChooseGroups) {
    GroupList groups;
    SetUpView(groups, 500);
    groups.AppendRows(ThreeGroups());
    groups.show();
    QApplication::processEvents();

    for (int row = 0; row < 3; ++row)
        EXPECT_FALSE(groups.IsRowChosen(row));

    Click(groups, groups.CheckBoxCentre(1));
    EXPECT_TRUE(groups.RowModel()->IsChecked(1));
    EXPECT_TRUE(groups.IsRowChosen(1));

    groups.clearSelection();
    groups.selectionModel()->select(groups.RowModel()->index(2, 3),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_TRUE(groups.IsRowChosen(1)) << "the check mark stays when the selection moves";
    EXPECT_TRUE(groups.IsRowChosen(2));
    EXPECT_FALSE(groups.IsRowChosen(0));

    Click(groups, groups.CheckBoxCentre(1));
    groups.clearSelection();
    EXPECT_FALSE(groups.RowModel()->IsChecked(1));
    EXPECT_FALSE(groups.IsRowChosen(1));
    EXPECT_FALSE(groups.IsRowChosen(-1));
    EXPECT_FALSE(groups.IsRowChosen(3));

    Click(groups, groups.CheckBoxCentre(0));
    groups.ClearRows();
    groups.AppendRows(ThreeGroups());
    EXPECT_FALSE(groups.IsRowChosen(0)) << "new rows start unchecked";
}

TEST(ListView, TheRecordingListHasNoCheckBoxes) {
    CDvrFileListCtrl files;
    SetUpView(files, 400);
    files.AppendRows({Row({"G0-0", "FILE0001.MP4", "07:08:09", "07:09:09", " 1 MB", "/card/"})});
    const QModelIndex first = files.RowModel()->index(0, 0);
    EXPECT_FALSE(files.RowModel()->data(first, Qt::CheckStateRole).isValid());
    EXPECT_FALSE(files.RowModel()->flags(first) & Qt::ItemIsUserCheckable);
}

TEST(ListView, DoubleClicksReportTheRowOrMinusOne) {
    CDvrFileListCtrl files;
    SetUpView(files, 400);
    files.AppendRows({Row({"G0-0", "A"}), Row({"G0-1", "B"}), Row({"G1-0", "C"})});
    files.show();
    QApplication::processEvents();
    const QRect second = files.visualRect(files.RowModel()->index(1, 2));
    const QRect last = files.visualRect(files.RowModel()->index(2, 0));

    const auto rows =
        DoubleClickRows(files, {second.center(), last.center(), QPoint(10, last.bottom() + 30)});

    EXPECT_EQ(rows, (std::vector<int>{1, 2, -1}));

    CDvrGroupListCtrl groups;
    SetUpView(groups, 500);
    groups.show();
    QApplication::processEvents();
    EXPECT_EQ(DoubleClickRows(groups, {QPoint(20, 20)}), std::vector<int>{-1}) << "an empty list";
}

TEST(ListView, CurrentRowHighlightIsIndependentOfTheSelection) {
    CDvrGroupListCtrl groups;
    SetUpView(groups, 500);
    groups.AppendRows(ThreeGroups());
    groups.show();
    QApplication::processEvents();
    const CListRowModel& m = *groups.RowModel();
    auto highlighted = [&] {
        std::vector<int> rows;
        for (int r = 0; r < m.rowCount(); ++r)
            if (m.data(m.index(r, 0), CListRowModel::IsCurrentRowRole).toBool())
                rows.push_back(r);
        return rows;
    };
    groups.selectionModel()->select(m.index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

    groups.SetCurrentRow(2);
    EXPECT_EQ(highlighted(), std::vector<int>{2});
    EXPECT_TRUE(groups.selectionModel()->isRowSelected(0, {}));
    EXPECT_FALSE(groups.selectionModel()->isRowSelected(2, {}));
    EXPECT_FALSE(groups.IsRowChosen(2)) << "the highlighted group is not a file-operation target";

    // The highlight is painted: a spot of row 2 away from text and image has the highlight colour.
    const QRect cell = groups.visualRect(m.index(2, 4));
    const QImage shot = groups.viewport()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(cell.right() - 3, cell.center().y())), CListRowModel::kCurrentRowBackground);

    groups.SetCurrentRow(1);
    EXPECT_EQ(highlighted(), std::vector<int>{1});
    groups.SetCurrentRow(-1);
    EXPECT_TRUE(highlighted().empty());
    groups.SetCurrentRow(7);
    EXPECT_TRUE(highlighted().empty());
    EXPECT_TRUE(groups.selectionModel()->isRowSelected(0, {}));

    groups.SetCurrentRow(0);
    groups.ClearRows();
    groups.AppendRows(ThreeGroups());
    EXPECT_TRUE(highlighted().empty()) << "clearing the list drops the highlight";
}

} // namespace
} // namespace vemora
