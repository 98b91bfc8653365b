#pragma once
// The one place that decides which container reader reads a file, used by the library's scan and
// by every command of the command-line tool. The library holds the choice as a function so that
// tests can stand in for the readers.

#include "telemetry/ReadVerdict.h"
#include "telemetry/TelemetryModel.h"
#include "telemetry/VideoParser.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace vemora {

enum class ContainerKind { Mp4, Avi };

// The reader a file name (or path) calls for: AVI when it ends in ".AVI" (upper case only),
// MP4/MOV for everything else.
ContainerKind ContainerKindOfName(const std::string& fileName);

// A fresh reader of that kind: CDvr3gpParser for MP4/MOV, CDvrAviParser for AVI.
std::unique_ptr<CDvrVideoParser> MakeContainerParser(ContainerKind kind);

// Reads the file with the reader of that kind into summary (and the file's status when asked).
// Accepted verdict = a supported recording, summary written; otherwise the reason it was not.
// Once *cancel is true the reading ends at its next read and the file is turned down.
ReadVerdict ReadContainer(const std::string& path, ContainerKind kind, ContainerSummary& summary,
                          FileStatus* status = nullptr, const std::atomic<bool>* cancel = nullptr);

using ContainerReader =
    std::function<ReadVerdict(const std::string& path, ContainerKind kind, ContainerSummary& summary)>;

// ReadContainer as a ContainerReader.
ContainerReader DefaultContainerReader();

} // namespace vemora
