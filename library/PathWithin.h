#pragma once
// Whether a path on a card stays on it: links are data from the card, and one that leads out of
// the scanned folder (to a file of the user's, a device, another disk) is never followed.

#include <optional>
#include <string>

namespace vemora {

// The real path of path (every link resolved) when it lies inside the real path of root (or is
// root itself); nothing when it leads outside, dangles or cannot be resolved.
std::optional<std::string> PathWithin(const std::string& root, const std::string& path);

// True when the real path of inner is outer's real path or lies below it.
bool IsSameOrBelow(const std::string& outer, const std::string& inner);

} // namespace vemora
