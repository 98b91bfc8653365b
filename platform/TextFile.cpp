#include "platform/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace vemora {

bool WriteTextFile(const std::string& path, const std::string& text, std::string* error) {
    const std::string temporary = path + ".part" + std::to_string(::getpid());
    FILE* file = std::fopen(temporary.c_str(), "wb");
    auto fail = [&](int code) {
        if (error)
            *error = std::strerror(code);
        std::remove(temporary.c_str());
        return false;
    };
    if (!file)
        return fail(errno);
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    int code = errno;
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (!ok)
        return fail(code);
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        return fail(errno);
    return true;
}

} // namespace vemora
