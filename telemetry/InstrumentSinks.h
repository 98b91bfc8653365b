#pragma once
// What the track feeder tells the instruments. The desktop program implements these over its
// widgets (the G-sensor curve, the speed label and the compass); the command-line tool and the
// tests record the calls. A load may run on a worker thread: implementations that own widgets
// hand the calls over to their own thread.

#include "telemetry/TelemetryModel.h"

#include <cstdint>
#include <vector>

namespace vemora {

// Everything the G-sensor curve needs of a recording.
struct GSensorCurve {
    std::vector<GSensorSample> samples;
    double fullScaleG = 8.0;   // acceleration that a count of 128 stands for
    double rangeG = 2.0;       // the plot shows -rangeG .. +rangeG
    double samplesPerMs = 0;   // sampling rate
    double pixelsPerMs = 0.01; // ruler scale
    int spanMode = 2;          // ruler span from the plot width
};

class GSensorSink {
public:
    virtual ~GSensorSink() = default;
    // No samples, position 0, repainted.
    virtual void ClearCurve() = 0;
    // Replaces the samples and the scale; position 0.
    virtual void ShowCurve(GSensorCurve curve) = 0;
    // Playback moved: leave the stopped state and put the cursor at ms.
    virtual void ShowPosition(int32_t ms) = 0;
};

class InstrumentSink {
public:
    virtual ~InstrumentSink() = default;
    // The compass shows the card turned for this heading (degrees, 0 = north, clockwise).
    virtual void ShowHeading(int degrees) = 0;
    // The compass shows that no heading is known.
    virtual void ClearHeading() = 0;
    // The speed label: a speed of a valid fix, or blank (valid false, speed 0).
    virtual void ShowSpeed(bool valid, uint16_t kmh) = 0;
};

} // namespace vemora
