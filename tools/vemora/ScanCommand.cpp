// vemora scan DIR: the group and recording lists as the viewer shows them after scanning DIR,
// as one JSON object.
#include "library/ListSink.h"
#include "library/RecordingLibrary.h"
#include "platform/JsonWriter.h"
#include "platform/TerminalText.h"
#include "tools/vemora/Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace vemora::cli {
namespace {

// Keeps the rows the library hands to a list view.
class RowRecorder : public GroupListSink {
public:
    void SetColumns(std::span<const ListColumn>) override {}
    void RetitleColumns() override {}
    void ClearRows() override { rows.clear(); }
    void AppendRows(std::vector<ListRow> more) override {
        for (ListRow& row : more)
            rows.push_back(std::move(row));
    }
    void SetCurrentRow(int) override {}
    bool IsRowChosen(int) const override { return false; }

    std::vector<ListRow> rows;
};

void WriteCells(JsonWriter& json, const ListRow& row) {
    json.Key("text").BeginArray();
    for (const std::string& cell : row.cells)
        json.String(cell);
    json.EndArray();
    json.Key("lock").UInt(row.lockImage);
}

std::string ScanJson(const CRecordingLibrary& library, const RowRecorder& groups, const RowRecorder& files) {
    JsonWriter json;
    json.BeginObject().Key("groups").BeginArray();
    for (size_t i = 0; i < groups.rows.size() && i < library.Groups().size(); ++i) {
        const RecordingGroup& group = library.Groups()[i];
        json.BeginObject().Key("row").UInt(i);
        WriteCells(json, groups.rows[i]);
        json.Key("first").Int(group.firstRecord).Key("count").Int(group.recordCount).EndObject();
    }
    json.EndArray().Key("recordings").BeginArray();
    for (size_t i = 0; i < files.rows.size() && i < library.Rows().size(); ++i) {
        const RecordingInfo& record = library.Records()[library.Rows()[i].recordIndex];
        json.BeginObject().Key("row").UInt(i);
        WriteCells(json, files.rows[i]);
        json.PathField("path", record.GetFullPath());
        json.Key("format").UInt(static_cast<uint32_t>(record.summary.format)).EndObject();
    }
    json.EndArray().Key("rejected").BeginArray();
    for (const RejectedFile& file : library.Rejected()) {
        json.BeginObject().PathField("path", file.GetFullPath());
        json.Key("reason").String(RejectReasonKey(file.verdict.reason));
        json.Key("error").String(DescribeRejection(file.verdict)).EndObject();
    }
    json.EndArray().EndObject();
    return json.Text();
}

int RunScan(const Args& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: vemora scan DIR\n");
        return kExitUsage;
    }
    const std::string& folder = args[0];
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        std::fprintf(stderr, "vemora scan: %s: %s\n", TerminalText(folder).c_str(), std::strerror(errno));
        return kExitRejected;
    }
    if (!S_ISDIR(st.st_mode)) {
        std::fprintf(stderr, "vemora scan: %s: not a folder\n", TerminalText(folder).c_str());
        return kExitRejected;
    }
    RowRecorder groups;
    RowRecorder files;
    CRecordingLibrary library;
    library.AttachViews(&groups, &files);
    if (!library.ScanSource(folder, std::string())) {
        std::fprintf(stderr, "vemora scan: %s: folder not found\n", TerminalText(folder).c_str());
        return kExitRejected;
    }
    library.BuildTables();
    std::printf("%s\n", ScanJson(library, groups, files).c_str());
    return std::fflush(stdout) == 0 ? kExitOk : kExitRejected;
}

const CommandRegistrar kRegisterScan("scan", RunScan,
                                     "DIR   group and recording lists of a folder, as the viewer shows them");

} // namespace
} // namespace vemora::cli
