#pragma once
// The export of the library's current recording (the KML button): which recording is exported and
// what the writers need to know about it.

#include "library/RecordingInfo.h"
#include "map/KmlWriter.h"

#include <cstddef>
#include <optional>

namespace vemora {

// The record to export for the library's current row: the row itself; the last record when the
// row lies past the end (the list shrank after a deletion); nothing when no recording is current
// (-1, between a scan and the opening of its first recording) or the list is empty, since no
// track has been loaded for any of them.
std::optional<size_t> ExportRowOf(int currentRow, size_t recordCount);

ExportRecording ExportRecordingOf(const RecordingInfo& info);

} // namespace vemora
