#pragma once
// What the track feeder needs of the recording list: the recordings' summaries and paths, the
// current row, the one track of the recording on display, and word of the list being emptied.
// The recording library implements it; tests use small fakes.

#include "telemetry/TelemetryModel.h"

#include <cstddef>
#include <functional>
#include <string>

namespace vemora {

class TrackSource {
public:
    virtual ~TrackSource() = default;
    virtual size_t RecordingCount() const = 0;
    // Null outside the list.
    virtual const ContainerSummary* RecordingSummary(int row) const = 0;
    virtual std::string RecordingPath(int row) const = 0;
    virtual int CurrentRow() const = 0;
    virtual void SetCurrentRow(int row) = 0;
    virtual TelemetryTrack& Track() = 0;
    // callback runs whenever the list is emptied (one callback; a new one replaces the old).
    virtual void SetClearedCallback(std::function<void()> callback) = 0;
};

} // namespace vemora
