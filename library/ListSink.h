#pragma once
// The two list views as the recording library sees them. The library builds every row's texts
// and lock image itself (BuildTables / FillLists) and hands them over through this interface;
// the desktop program implements it with its Qt list views, tests and the command-line tool with
// recorders.
//
// Threading: a sink is only ever called from the thread that calls the library operations that
// fill or highlight the lists (ClearLibrary, BuildGroups, BuildTables, FillLists, SelectRecording,
// the file operations). The desktop program calls those on the GUI thread only: its scan worker
// runs ScanSource, which never touches a sink, and then posts an event whose handler calls
// BuildTables on the GUI thread.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vemora {

// One row of a list: the cell texts in column order and the padlock image of the first cell
// (0 none, 1 "G" event lock, 2 "M" manual lock, 3 plain padlock: the lockFlags value).
struct ListRow {
    std::vector<std::string> cells;
    uint8_t lockImage = 0;
};

// A column: its title as a string-table id (the view looks the text up in the current language)
// and its width as a fraction of the view's width at the time the columns are made.
struct ListColumn {
    int titleId;
    int widthNumerator;
    int widthDenominator;
};

// Group list: "Group", "Resolution", "Start Time", "Length", "File Size"; each w / 5 wide.
inline constexpr std::array<ListColumn, 5> kGroupColumns{{
    {116, 1, 5},
    {117, 1, 5},
    {118, 1, 5},
    {119, 1, 5},
    {120, 1, 5},
}};

// Recording list: "ID", "File Name", "Start Time", "End Time", "File Size", "Folder"; each
// w * 3 / 10 wide, so the list is wider than its window and scrolls horizontally.
inline constexpr std::array<ListColumn, 6> kRecordingColumns{{
    {121, 3, 10},
    {122, 3, 10},
    {118, 3, 10},
    {123, 3, 10},
    {120, 3, 10},
    {124, 3, 10},
}};

class ListSink {
public:
    virtual ~ListSink() = default;

    // Makes the columns (called once when the library is attached to its views).
    virtual void SetColumns(std::span<const ListColumn> columns) = 0;
    // Sets every column's title again from its id, widths unchanged (after a language change).
    virtual void RetitleColumns() = 0;

    // Deletes every row (and with it the check marks and the current-row highlight).
    virtual void ClearRows() = 0;
    // Appends rows at the end, in order.
    virtual void AppendRows(std::vector<ListRow> rows) = 0;

    // Moves the current-row highlight (separate from the user's selection) to row and scrolls it
    // into view; -1 only removes the highlight.
    virtual void SetCurrentRow(int row) = 0;
};

// The group list also has check boxes; checked or selected groups are the targets of copy,
// delete and lock.
class GroupListSink : public ListSink {
public:
    // True when the row is selected by the user or its check box is checked.
    virtual bool IsRowChosen(int row) const = 0;
};

} // namespace vemora
