#include "library/IncidentCsv.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace vemora {

namespace {

void AppendField(std::string& out, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void AppendLine(std::string& out, const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            out += ',';
        AppendField(out, fields[i]);
    }
    out += "\r\n";
}

} // namespace

std::string CsvText(const std::vector<std::string>& header,
                    const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    AppendLine(out, header);
    for (const auto& row : rows)
        AppendLine(out, row);
    return out;
}

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
