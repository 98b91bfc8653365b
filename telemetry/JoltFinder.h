#pragma once
// The moments of a recording where the car was jolted: G-sensor peaks that stand out from the
// recording's own noise.
//
// The rule: each sample's deviation is its distance, in g over the three axes, from the median of
// the samples within 2.5 s around it (gravity, the recorder's mounting tilt and slow manoeuvres
// such as ordinary braking cancel out; what is left is sudden). The noise is the spread of those
// deviations over the whole recording, sigma = 1.4826 x their median absolute deviation. A jolt
// is a run of samples deviating more than max(median + 6 sigma, 0.6 g); it is placed at its
// largest deviation, and runs less than two seconds apart count as one. Gap markers are skipped.

#include "telemetry/TelemetryModel.h"

#include <cstdint>
#include <vector>

namespace vemora {

struct JoltRule {
    double sigmas = 6.0;
    double floorG = 0.6;
    int64_t baselineHalfWindowMs = 2500;
    int64_t mergeWithinMs = 2000;
};

// One jolt: where its largest deviation lies and how large it is.
struct JoltPeak {
    int64_t timeMs = 0;
    double deviationG = 0;
};

// The jolts in samples taken samplesPerMs apart, counts scaled so that 128 stands for fullScaleG.
std::vector<JoltPeak> FindJoltPeaks(const std::vector<GSensorSample>& samples, double samplesPerMs,
                                    double fullScaleG, const JoltRule& rule = {});
// Their times only (ms from the start).
std::vector<int64_t> FindJolts(const std::vector<GSensorSample>& samples, double samplesPerMs,
                               double fullScaleG, const JoltRule& rule = {});

// The jolts of a loaded track, with the recording's G-sensor rate and scale.
std::vector<JoltPeak> FindJoltPeaksOfTrack(const TelemetryTrack& track, const ContainerSummary& summary);
std::vector<int64_t> FindJoltsOfTrack(const TelemetryTrack& track, const ContainerSummary& summary);

// Where a jump to a jolt lands: a little before it, to see what led to it.
inline constexpr int64_t kJoltLeadInMs = 2000;
int64_t JoltJumpTarget(int64_t joltMs);
// The jump target of the first jolt after the moment shown at fromMs; -1 when there is none.
int64_t NextJoltTarget(const std::vector<int64_t>& jolts, int64_t fromMs);
// The jump target of the last jolt before the one being watched at fromMs; -1 when none.
int64_t PreviousJoltTarget(const std::vector<int64_t>& jolts, int64_t fromMs);

} // namespace vemora
