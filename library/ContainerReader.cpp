#include "library/ContainerReader.h"

#include "telemetry/AviParser.h"
#include "telemetry/Mp4Parser.h"

namespace vemora {

ContainerKind ContainerKindOfName(const std::string& fileName) {
    constexpr std::string_view kAvi = ".AVI";
    const bool avi = fileName.size() >= kAvi.size() &&
                     fileName.compare(fileName.size() - kAvi.size(), kAvi.size(), kAvi) == 0;
    return avi ? ContainerKind::Avi : ContainerKind::Mp4;
}

std::unique_ptr<CDvrVideoParser> MakeContainerParser(ContainerKind kind) {
    if (kind == ContainerKind::Avi)
        return std::make_unique<CDvrAviParser>();
    return std::make_unique<CDvr3gpParser>();
}

ReadVerdict ReadContainer(const std::string& path, ContainerKind kind, ContainerSummary& summary,
                          FileStatus* status, const std::atomic<bool>* cancel) {
    std::unique_ptr<CDvrVideoParser> parser = MakeContainerParser(kind);
    parser->SetSummary(&summary);
    parser->SetCancel(cancel);
    if (status)
        parser->SetFileStatus(status);
    if (parser->Parse(path) == 0)
        return {};
    ReadVerdict verdict = parser->LastVerdict();
    if (verdict.Accepted()) // every rejection names its reason; this only guards the contract
        verdict.reason = RejectReason::NotRecorderFile;
    return verdict;
}

ContainerReader DefaultContainerReader() {
    return [](const std::string& path, ContainerKind kind, ContainerSummary& summary) {
        return ReadContainer(path, kind, summary);
    };
}

} // namespace vemora
