#pragma once
// The name a clip is proposed under: never one that is taken. "Drive_1.5-4.5.mp4" becomes
// "Drive_1.5-4.5 (2).mp4", "(3)" ... when an earlier clip (or anything else) has it.

#include <string>

namespace vemora::media {

// proposed itself when nothing is there, else the first free numbered name beside it (up to
// 9999; proposed when all are taken, so that the caller's own check still asks).
std::string FreeClipPath(const std::string& proposed);

} // namespace vemora::media
