#include "playback/transport/SkipLanding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace vemora {

namespace {

// The last key picture at or before targetMs.
std::optional<double> KeyAtOrBefore(const std::vector<double>* keys, int64_t targetMs) {
    if (!keys || keys->empty())
        return std::nullopt;
    auto after = std::upper_bound(keys->begin(), keys->end(), static_cast<double>(targetMs));
    if (after == keys->begin())
        return std::nullopt;
    return *(after - 1);
}

} // namespace

int64_t SkipLandingMs(int64_t nowMs, int64_t deltaMs, const std::vector<double>* frontKeys,
                      const std::vector<double>* rearKeys) {
    const int64_t target = nowMs + deltaMs;
    std::optional<double> key = KeyAtOrBefore(frontKeys, target);
    if (std::optional<double> rear = KeyAtOrBefore(rearKeys, target))
        key = key ? std::max(*key, *rear) : rear;
    if (!key)
        return target;
    // Rounded up: a time a fraction before the key picture would send the player to the key
    // picture before that one.
    const auto landing = static_cast<int64_t>(std::ceil(*key));
    if (2 * (target - landing) > std::abs(deltaMs))
        return target;
    return std::min(landing, target);
}

} // namespace vemora
