#include "telemetry/JoltFinder.h"

#include "telemetry/TrackTimeline.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vemora {

namespace {

double Median(std::vector<double>& values) {
    if (values.empty())
        return 0.0;
    auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

std::vector<JoltPeak> FindJoltPeaks(const std::vector<GSensorSample>& samples, double samplesPerMs,
                                    double fullScaleG, const JoltRule& rule) {
    std::vector<JoltPeak> jolts;
    if (samples.empty() || !(samplesPerMs > 0) || !(fullScaleG > 0))
        return jolts;
    const double gPerCount = fullScaleG / 128.0;
    std::vector<size_t> index;
    std::array<std::vector<double>, 3> axes;
    for (size_t i = 0; i < samples.size(); ++i) {
        const GSensorSample& s = samples[i];
        if (s.IsGap())
            continue;
        index.push_back(i);
        axes[0].push_back(GSensorSample::Count(s.x) * gPerCount);
        axes[1].push_back(GSensorSample::Count(s.y) * gPerCount);
        axes[2].push_back(GSensorSample::Count(s.z) * gPerCount);
    }
    if (index.size() < 3)
        return jolts;
    const size_t n = index.size();
    const auto half = static_cast<size_t>(
        std::max<double>(1.0, std::ceil(static_cast<double>(rule.baselineHalfWindowMs) * samplesPerMs)));
    std::vector<double> deviation(n), window;
    for (size_t k = 0; k < n; ++k) {
        size_t from = k > half ? k - half : 0, to = std::min(n, k + half + 1);
        std::array<double, 3> baseline{};
        for (size_t a = 0; a < 3; ++a) {
            window.assign(axes[a].begin() + static_cast<std::ptrdiff_t>(from),
                          axes[a].begin() + static_cast<std::ptrdiff_t>(to));
            baseline[a] = Median(window);
        }
        deviation[k] =
            std::hypot(axes[0][k] - baseline[0], axes[1][k] - baseline[1], axes[2][k] - baseline[2]);
    }
    std::vector<double> ordered = deviation; // Median reorders its argument
    const double typical = Median(ordered);
    std::vector<double> spread(deviation.size());
    for (size_t k = 0; k < deviation.size(); ++k)
        spread[k] = std::fabs(deviation[k] - typical);
    const double sigma = 1.4826 * Median(spread);
    const double threshold = std::max(typical + rule.sigmas * sigma, rule.floorG);

    auto timeOf = [samplesPerMs](size_t sample) {
        return static_cast<int64_t>(std::llround(static_cast<double>(sample) / samplesPerMs));
    };
    double runPeak = -1;
    size_t runPeakSample = 0;
    int64_t runEndMs = 0;
    auto closeRun = [&] {
        if (runPeak < 0)
            return;
        jolts.push_back(JoltPeak{timeOf(runPeakSample), runPeak});
        runPeak = -1;
    };
    for (size_t k = 0; k < deviation.size(); ++k) {
        if (deviation[k] <= threshold)
            continue;
        int64_t t = timeOf(index[k]);
        if (runPeak >= 0 && t - runEndMs > rule.mergeWithinMs)
            closeRun();
        if (deviation[k] > runPeak) {
            runPeak = deviation[k];
            runPeakSample = index[k];
        }
        runEndMs = t;
    }
    closeRun();
    return jolts;
}

std::vector<int64_t> FindJolts(const std::vector<GSensorSample>& samples, double samplesPerMs,
                               double fullScaleG, const JoltRule& rule) {
    std::vector<int64_t> times;
    for (const JoltPeak& peak : FindJoltPeaks(samples, samplesPerMs, fullScaleG, rule))
        times.push_back(peak.timeMs);
    return times;
}

std::vector<int64_t> FindJoltsOfTrack(const TelemetryTrack& track, const ContainerSummary& summary) {
    std::vector<int64_t> times;
    for (const JoltPeak& peak : FindJoltPeaksOfTrack(track, summary))
        times.push_back(peak.timeMs);
    return times;
}

std::vector<JoltPeak> FindJoltPeaksOfTrack(const TelemetryTrack& track, const ContainerSummary& summary) {
    TrackTimeline timeline(track, summary.format);
    std::vector<GSensorSample> samples(timeline.SampleCount());
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = timeline.Sample(i);
    double fullScale = summary.gsensorInfo.FullScaleG() != 0 ? summary.gsensorInfo.FullScaleG() : 8.0;
    return FindJoltPeaks(samples, GSensorSamplesPerMs(summary, samples.size()), fullScale);
}

int64_t JoltJumpTarget(int64_t joltMs) {
    return std::max<int64_t>(1, joltMs - kJoltLeadInMs);
}

int64_t NextJoltTarget(const std::vector<int64_t>& jolts, int64_t fromMs) {
    for (int64_t jolt : jolts)
        if (JoltJumpTarget(jolt) > fromMs + 250)
            return JoltJumpTarget(jolt);
    return -1;
}

int64_t PreviousJoltTarget(const std::vector<int64_t>& jolts, int64_t fromMs) {
    for (auto it = jolts.rbegin(); it != jolts.rend(); ++it)
        if (*it < fromMs - 1000)
            return JoltJumpTarget(*it);
    return -1;
}

} // namespace vemora
