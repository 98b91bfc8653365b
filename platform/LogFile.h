#pragma once
// A log file that grows while the program runs, so it cannot be written whole: it is created or
// emptied without following a link, and only a regular file is taken.

#include <cstdio>
#include <string>

namespace vemora {

// Opens path for writing from its start (readable by the user alone when new); null when it
// cannot be created or something other than a regular file is in its place (errno tells).
std::FILE* OpenLogFile(const std::string& path);

} // namespace vemora
