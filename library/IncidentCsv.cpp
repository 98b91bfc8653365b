#include "library/IncidentCsv.h"

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

} // namespace vemora
