#pragma once
// The drive around a moment: the recordings of one camera of a group laid end to end by their
// lengths, as the clip export lays them, with times measured from the start of the recording the
// user chose. A time on it is found in the recording that holds it.

#include "library/RecordingInfo.h"

#include <optional>
#include <string>
#include <vector>

namespace vemora::report {

struct SpanRecording {
    size_t record = 0;   // index into the library's list
    double startMs = 0;  // on the span: negative for the recordings before the chosen one
    double lengthMs = 0; // the container's duration
    double EndMs() const { return startMs + lengthMs; }
};

// A place on the span: a recording and the time from its start.
struct SpanPlace {
    size_t record = 0;
    double ms = 0;
};

class DriveSpan {
public:
    // The group of records[index], on index's camera. records is a scanned library's sorted
    // list with its group starts marked.
    DriveSpan(const std::vector<RecordingInfo>& records, size_t index);

    const std::vector<SpanRecording>& Recordings() const { return recordings_; }
    double StartMs() const { return recordings_.empty() ? 0 : recordings_.front().startMs; }
    double EndMs() const { return recordings_.empty() ? 0 : recordings_.back().EndMs(); }
    // The recording holding t (the later one at a cut), clamped to the span's ends.
    std::optional<SpanPlace> Locate(double t) const;
    // The recordings that hold some of [fromMs, toMs).
    std::vector<SpanRecording> Overlapping(double fromMs, double toMs) const;

private:
    std::vector<SpanRecording> recordings_;
};

// The front and rear files of a listed recording ("" when that camera's file is missing or the
// name is neither camera's).
struct CameraFiles {
    std::string front;
    std::string rear;
};
CameraFiles CameraFilesOf(const RecordingInfo& record);

} // namespace vemora::report
