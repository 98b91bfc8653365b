#include "tools/vemora/DriveOfFile.h"

#include "library/RecordingNaming.h"

#include <csignal>

namespace vemora::cli {
namespace {

namespace fs = std::filesystem;

std::atomic<bool> g_interrupted{false};

extern "C" void OnInterrupt(int signal) {
    if (g_interrupted.exchange(true)) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

} // namespace

std::string ScanFolderFor(const fs::path& file) {
    fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string partner =
        IsRearFile(file.string()) ? GetFrontPartner(file.string()) : GetRearPartner(file.string());
    if (partner.empty() || partner == file.string())
        return folder.string();
    std::error_code ec;
    fs::path a = fs::weakly_canonical(folder, ec),
             b = fs::weakly_canonical(fs::path(partner).parent_path(), ec);
    fs::path common;
    for (auto i = a.begin(), j = b.begin(); i != a.end() && j != b.end() && *i == *j; ++i, ++j)
        common /= *i;
    return common.empty() || common == common.root_path() ? folder.string() : common.string();
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

const std::atomic<bool>& CatchInterrupts() {
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    return g_interrupted;
}

} // namespace vemora::cli
