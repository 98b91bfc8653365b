#pragma once
// The SHA-256 of a whole file as sha256sum prints it: how the drive log recognises a recording it
// already keeps.

#include <string>

namespace vemora {

// The hash of the file at path, read in blocks with O_NOFOLLOW; empty when it cannot be read (the
// reason in *error).
std::string HashOfFile(const std::string& path, std::string* error);

} // namespace vemora
