#include "library/ContainerReader.h"

#include "telemetry/AviParser.h"
#include "telemetry/Mp4Parser.h"

namespace vemora {
namespace {

template <typename Parser> bool ReadWith(const std::string& path, ContainerSummary& summary) {
    Parser parser;
    parser.SetSummary(&summary);
    return parser.Parse(path) == 0;
}

bool EndsWith(const std::string& s, std::string_view tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

ContainerKind ContainerKindOfName(const std::string& fileName) {
    return EndsWith(fileName, ".AVI") ? ContainerKind::Avi : ContainerKind::Mp4;
}

ContainerReader DefaultContainerReader() {
    return [](const std::string& path, ContainerKind kind, ContainerSummary& summary) {
        if (kind == ContainerKind::Mp4)
            return ReadWith<CDvr3gpParser>(path, summary);
        return ReadWith<CDvrAviParser>(path, summary);
    };
}

} // namespace vemora
