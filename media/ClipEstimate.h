#pragma once
// What a clip will be before it is written: its frame size and length from the plan, and about
// how large its file comes out, so that the user can choose a size before waiting for it.

#include "media/ClipWriter.h"

#include <cstdint>

namespace vemora::media {

// The cameras of a clip's first recording as the clip shows them: pictures at their display
// width (non-square pixels widened), 0 x 0 for a file that is missing or unreadable.
struct ClipSources {
    int frontWidth = 0, frontHeight = 0;
    int rearWidth = 0, rearHeight = 0;
    double frontFps = 0, rearFps = 0;
    bool Any() const { return frontHeight > 0 || rearHeight > 0; }
};

// Reads the first recording's headers. Whatever cannot be read stays 0.
ClipSources ReadClipSources(const ClipPlan& plan);

struct ClipEstimate {
    bool ok = false;                      // false: the layout needs a camera there is none of
    ClipLayout layout = ClipLayout::Side; // narrowed as the writer narrows it
    int width = 0, height = 0;
    int64_t frames = 0;
    int64_t bytes = 0;
};

// The clip of rangeMs milliseconds that options make of these sources. The size is the encoder's
// average on camera footage at that quality: pixels x frames x bits per pixel, plus the sound.
ClipEstimate EstimateClip(const ClipSources& sources, const ClipOptions& options, double rangeMs);

} // namespace vemora::media
