#pragma once
// Asks the graphics driver, through VA-API, whether it decodes H.265 Main 10 in hardware. libva
// is loaded at run time, so a machine without it (or without a render node) simply answers no.

namespace vemora {

// Three rounds, 100 ms apart, each opening every render node below /dev/dri; true when any
// round found the HEVC Main 10 profile with a decoding entry point.
bool ProbeHevcDecoder();

} // namespace vemora
