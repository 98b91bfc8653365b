#include "map/DrivesMapScripts.h"

#include <charconv>
#include <cmath>

namespace vemora {
namespace {

// Seven decimals (about a centimetre), locale-free.
void AppendCoordinate(std::string& out, double value) {
    if (!std::isfinite(value))
        value = 0;
    char text[32];
    auto [end, ec] = std::to_chars(text, text + sizeof text, std::round(value * 1e7) / 1e7);
    out.append(text, ec == std::errc() ? end : text);
}

} // namespace

std::string ShowDrivesScript(const std::vector<DriveLine>& lines) {
    std::string script = "showDrives([";
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            script += ',';
        script += "{id:" + std::to_string(lines[i].id) + ",p:[";
        for (size_t k = 0; k < lines[i].points.size(); ++k) {
            if (k)
                script += ',';
            script += '[';
            AppendCoordinate(script, lines[i].points[k].first);
            script += ',';
            AppendCoordinate(script, lines[i].points[k].second);
            script += ']';
        }
        script += "]}";
    }
    script += "]);";
    return script;
}

std::string SelectDriveScript(int64_t id) {
    return "selectDrive(" + std::to_string(id) + ");";
}

std::optional<int64_t> DriveIdOfPageMessage(std::string_view message) {
    const std::string_view prefix = kDriveClickPrefix;
    if (message.substr(0, prefix.size()) != prefix)
        return std::nullopt;
    message.remove_prefix(prefix.size());
    int64_t id = 0;
    auto [end, ec] = std::from_chars(message.data(), message.data() + message.size(), id);
    if (ec != std::errc() || end != message.data() + message.size() || id <= 0)
        return std::nullopt;
    return id;
}

} // namespace vemora
