#include "media/ClipFileName.h"

#include <filesystem>

namespace vemora::media {

namespace {

namespace fs = std::filesystem;

// Taken when any entry (a link too, even a dangling one) has the name.
bool Taken(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

} // namespace

std::string FreeClipPath(const std::string& proposed) {
    const fs::path path(proposed);
    if (!Taken(path))
        return proposed;
    const std::string stem = path.stem().string();
    const std::string extension = path.extension().string();
    for (int n = 2; n <= 9999; ++n) {
        fs::path candidate = path.parent_path() / (stem + " (" + std::to_string(n) + ")" + extension);
        if (!Taken(candidate))
            return candidate.string();
    }
    return proposed;
}

} // namespace vemora::media
