#pragma once
// The folder and the name of a path written with "/", as the program's own paths are.

#include <string>

namespace vemora {

// "/a/b" -> "/a", "/b" -> "/", "b" -> ".".
inline std::string FolderOfPath(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// "/a/b" -> "b", "b" -> "b".
inline std::string NameOfPath(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace vemora
