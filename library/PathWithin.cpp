#include "library/PathWithin.h"

#include <cstdlib>

namespace vemora {
namespace {

std::optional<std::string> RealPath(const std::string& path) {
    if (path.empty())
        return std::nullopt;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::nullopt;
    std::string result(resolved);
    std::free(resolved);
    return result;
}

bool RealIsSameOrBelow(const std::string& outer, const std::string& inner) {
    if (inner == outer)
        return true;
    const std::string prefix = outer == "/" ? outer : outer + "/";
    return inner.size() > prefix.size() && inner.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

std::optional<std::string> PathWithin(const std::string& root, const std::string& path) {
    const auto realRoot = RealPath(root);
    const auto realPath = RealPath(path);
    if (!realRoot || !realPath || !RealIsSameOrBelow(*realRoot, *realPath))
        return std::nullopt;
    return realPath;
}

bool IsSameOrBelow(const std::string& outer, const std::string& inner) {
    const auto realOuter = RealPath(outer);
    const auto realInner = RealPath(inner);
    return realOuter && realInner && RealIsSameOrBelow(*realOuter, *realInner);
}

} // namespace vemora
