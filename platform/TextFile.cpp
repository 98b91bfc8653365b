#include "platform/TextFile.h"

#include "platform/WholeFile.h"

namespace vemora {

bool WriteTextFile(const std::string& path, const std::string& text, std::string* error) {
    return WriteWholeFile(path, text, error);
}

} // namespace vemora
