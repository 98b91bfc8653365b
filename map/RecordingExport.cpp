#include "map/RecordingExport.h"

#include <algorithm>

namespace vemora {

std::optional<size_t> ExportRowOf(int currentRow, size_t recordCount) {
    if (currentRow < 0 || recordCount == 0)
        return std::nullopt;
    return std::min(static_cast<size_t>(currentRow), recordCount - 1);
}

ExportRecording ExportRecordingOf(const RecordingInfo& info) {
    return ExportRecording{info.fileName, info.subFolder, info.summary.startTime, info.summary.format};
}

} // namespace vemora
