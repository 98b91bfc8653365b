#pragma once
// Small files written whole: beside the target first, then renamed over it, so that a reader
// never sees half a file and a failed write leaves the old one.

#include <string>

namespace vemora {

// Writes text to path, whole or not at all; false with the reason in *error.
bool WriteTextFile(const std::string& path, const std::string& text, std::string* error);

} // namespace vemora
