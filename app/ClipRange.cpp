#include "app/ClipRange.h"

#include "library/RecordingNaming.h"
#include "media/ClipPlan.h"

#include <algorithm>

namespace vemora {

namespace {

int RowOf(const std::vector<RecordingInfo>& records, const std::string& path) {
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].GetFullPath() == path)
            return static_cast<int>(i);
    return -1;
}

// Length of the drive from the start of records[row] to its end.
double DriveRemaining(const std::vector<RecordingInfo>& records, int row) {
    return media::DriveLengthMs(records, static_cast<size_t>(row));
}

} // namespace

bool SameRecording(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty())
        return false;
    return a == b || (IsRearFile(a) ? GetFrontPartner(a) : GetRearPartner(a)) == b;
}

std::optional<double> DriveOffset(const std::vector<RecordingInfo>& records, int startRow,
                                  const std::string& path) {
    if (startRow < 0 || static_cast<size_t>(startRow) >= records.size())
        return std::nullopt;
    double offset = 0;
    for (size_t k : media::DriveFrom(records, static_cast<size_t>(startRow))) {
        if (SameRecording(records[k].GetFullPath(), path))
            return offset;
        offset += media::RecordingLengthMs(records[k]); // the video's real length
    }
    return std::nullopt;
}

ClipRangeChoice ChooseClipRange(const std::vector<RecordingInfo>& records, const ClipMarks& marks,
                                int currentRow, int64_t currentMs) {
    ClipRangeChoice choice;
    if (currentRow < 0 || static_cast<size_t>(currentRow) >= records.size())
        return choice;
    const std::string current = records[static_cast<size_t>(currentRow)].GetFullPath();
    ClipMark in = marks.in, out = marks.out;
    if (in.IsSet() && RowOf(records, in.path) < 0)
        in = {};
    if (out.IsSet() && RowOf(records, out.path) < 0)
        out = {};
    const ClipMark now{current, std::max<int64_t>(0, currentMs)};
    if (!in.IsSet() && !out.IsSet()) {
        in = {current, std::max<int64_t>(0, now.ms - kClipMarginMs)};
        out = {current, now.ms + kClipMarginMs};
    } else if (!out.IsSet()) {
        auto at = DriveOffset(records, RowOf(records, in.path), current);
        bool later = at && *at + now.ms > in.ms + 1000;
        out = later ? now : ClipMark{in.path, in.ms + kClipMarginMs};
    } else if (!in.IsSet()) {
        auto at = DriveOffset(records, currentRow, out.path);
        bool earlier = at && *at + out.ms > now.ms + 1000;
        in = earlier ? now : ClipMark{out.path, std::max<int64_t>(0, out.ms - kClipMarginMs)};
    }
    int inRow = RowOf(records, in.path);
    auto outOffset = DriveOffset(records, inRow, out.path);
    if (!outOffset || *outOffset + out.ms <= in.ms) {
        // The marks set the other way round.
        std::swap(in, out);
        inRow = RowOf(records, in.path);
        outOffset = DriveOffset(records, inRow, out.path);
    }
    if (!outOffset || *outOffset + out.ms <= in.ms)
        return choice;
    choice.row = inRow;
    choice.fromMs = static_cast<double>(in.ms);
    choice.toMs = std::min(*outOffset + static_cast<double>(out.ms), DriveRemaining(records, inRow));
    choice.ok = choice.toMs > choice.fromMs;
    return choice;
}

ClipMarksOnBar MarksOnRecording(const std::vector<RecordingInfo>& records, const ClipMarks& marks, int row) {
    ClipMarksOnBar bar;
    if (row < 0 || static_cast<size_t>(row) >= records.size())
        return bar;
    const std::string here = records[static_cast<size_t>(row)].GetFullPath();
    if (marks.in.IsSet()) {
        if (SameRecording(marks.in.path, here))
            bar.inMs = marks.in.ms;
        else if (int inRow = RowOf(records, marks.in.path); inRow >= 0)
            bar.inBefore = DriveOffset(records, inRow, here).has_value();
    }
    if (marks.out.IsSet()) {
        if (SameRecording(marks.out.path, here))
            bar.outMs = marks.out.ms;
        else
            bar.outAfter = DriveOffset(records, row, marks.out.path).has_value();
    }
    // A band needs both ends: a lone mark shows as its tick only.
    if (!marks.out.IsSet())
        bar.inBefore = false;
    if (!marks.in.IsSet())
        bar.outAfter = false;
    return bar;
}

} // namespace vemora
