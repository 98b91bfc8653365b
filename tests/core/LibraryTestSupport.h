#pragma once
// Helpers of the recording-library tests: a temporary folder tree, a stand-in container reader
// that reports summaries chosen by file name, and list views that record what they are given.

#include "library/ContainerReader.h"
#include "library/FileOpPrompt.h"
#include "library/ListSink.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vemora::testing {

class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The root, ending with "/".
    const std::string& Root() const { return m_root; }
    // Creates a file (and its folders) below the root; returns its full path.
    std::string AddFile(const std::string& relativePath, const std::string& contents = "x");
    std::string AddFolder(const std::string& relativePath);

private:
    std::string m_root;
};

// Local wall-clock seconds of calendar fields (what the readers report as start time).
int64_t LocalSeconds(int year, int month, int day, int hour, int minute, int second);

// Reports, for every file name it knows, a summary with that start time and length.
class FakeReader {
public:
    ContainerSummary& Add(const std::string& fileName, int64_t startTime, uint32_t durationMs,
                          uint64_t fileSize = 1 << 20);
    ContainerReader Reader();
    int calls = 0;

private:
    std::map<std::string, ContainerSummary> m_summaries;
};

class RecordingSink : public GroupListSink {
public:
    void SetColumns(std::span<const ListColumn> cols) override { columns.assign(cols.begin(), cols.end()); }
    void RetitleColumns() override { ++retitles; }
    void ClearRows() override {
        rows.clear();
        currentRow = -1;
    }
    void AppendRows(std::vector<ListRow> more) override {
        for (ListRow& row : more)
            rows.push_back(std::move(row));
    }
    void SetCurrentRow(int row) override { currentRow = row; }
    bool IsRowChosen(int row) const override {
        return row >= 0 && row < static_cast<int>(chosen.size()) && chosen[row];
    }

    std::vector<ListColumn> columns;
    std::vector<ListRow> rows;
    std::vector<bool> chosen;
    int currentRow = -1;
    int retitles = 0;
};

class ScriptedPrompt : public FileOpPrompt {
public:
    Answer AskOverwrite(const std::string& path) override {
        asked.push_back(path);
        if (answers.empty())
            return Answer::Cancel;
        Answer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    void ReportFailures(FileOperation op, const std::vector<FileOpFailure>& failures) override {
        reports.push_back({op, failures});
    }

    std::vector<Answer> answers;
    std::vector<std::string> asked;
    std::vector<std::pair<FileOperation, std::vector<FileOpFailure>>> reports;
};

} // namespace vemora::testing
