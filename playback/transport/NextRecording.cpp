#include "playback/transport/NextRecording.h"

#include "library/RecordingLibrary.h"
#include "library/RecordingNaming.h"

#include <algorithm>

namespace vemora {

namespace {

bool IsPartnerOf(const CRecordingLibrary& library, int candidate, int current) {
    std::string path = library.GetRecordingPath(candidate);
    std::string currentPath = library.GetRecordingPath(current);
    return GetFrontPartner(path) == currentPath || GetRearPartner(path) == currentPath;
}

} // namespace

std::optional<NextRecordingChoice> ChooseNextRecording(const CRecordingLibrary& library) {
    int n = static_cast<int>(library.Records().size());
    if (n == 0)
        return std::nullopt;
    int c = std::min(library.CurrentRow(), n - 1);
    NextRecordingChoice choice;
    if (c >= 0 && c + 1 < n) {
        int x = c + 1;
        choice.checkedFirst = x;
        if (IsPartnerOf(library, x, c))
            ++x; // the partner of what just played has played beside it
        if (x < n) {
            choice.row = x;
            return choice;
        }
    }
    // After the last recording (or its partner) playback starts again with the first.
    choice.row = 0;
    choice.wrapped = true;
    return choice;
}

// The partner is looked for among the two entries on either side (a pair sorts next to each
// other, with at most one other camera's file between them).
bool CanPlayRecording(const CRecordingLibrary& library, int index, bool hevcDecode) {
    if (index < 0)
        return true;
    const auto& records = library.Records();
    int n = static_cast<int>(records.size());
    if (index >= n)
        return true;
    bool own = records[static_cast<size_t>(index)].summary.codec == VideoCodec::H265;
    std::string path = records[static_cast<size_t>(index)].GetFullPath();
    std::string partner = IsRearFile(path) ? GetFrontPartner(path) : GetRearPartner(path);
    bool other = false;
    for (int k = std::max(index - 2, 0); k <= std::min(index + 2, n - 1); ++k) {
        if (k != index && records[static_cast<size_t>(k)].GetFullPath() == partner) {
            other = records[static_cast<size_t>(k)].summary.codec == VideoCodec::H265;
            break;
        }
    }
    return (!own && !other) || hevcDecode;
}

} // namespace vemora
