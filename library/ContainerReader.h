#pragma once
// How the library reads one file during a scan: the MP4/MOV reader or the AVI reader fills the
// summary. Held as a function so that tests can stand in for the readers.

#include "telemetry/TelemetryModel.h"

#include <functional>
#include <string>

namespace vemora {

enum class ContainerKind { Mp4, Avi };

// True when the file is a supported recording and the summary was written.
using ContainerReader =
    std::function<bool(const std::string& path, ContainerKind kind, ContainerSummary& summary)>;

// The real readers: CDvr3gpParser for MP4/MOV, CDvrAviParser for AVI.
ContainerReader DefaultContainerReader();

// The reader a file name calls for: AVI when the name ends in ".AVI" (upper case only).
ContainerKind ContainerKindOfName(const std::string& fileName);

} // namespace vemora
