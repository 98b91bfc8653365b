#pragma once
// Where a skip lands. A player sent to a key picture shows it at once; sent anywhere else it
// first decodes every picture from the key picture before, and at full HD on two cameras the one
// that decodes longer arrives late. A skip (a step of some seconds, not a time the user chose)
// therefore lands on the latest key picture at or before its target, as players commonly do for
// arrow-key seeks: the later of the two cameras' key pictures there, so that the other camera
// decodes the fewest pictures (none when the cameras' key pictures coincide). It stays the exact
// target when neither camera's key times are known, or when the key picture lies more than half
// the skip before the target (long groups of pictures: a forward skip must still go forward).

#include <cstdint>
#include <vector>

namespace vemora {

// keys: each camera's key picture times in ms from the recording's start, in order; null or
// empty when not known.
int64_t SkipLandingMs(int64_t nowMs, int64_t deltaMs, const std::vector<double>* frontKeys,
                      const std::vector<double>* rearKeys);

} // namespace vemora
