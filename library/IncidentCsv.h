#pragma once
// The incidents list as a CSV file (RFC 4180: comma-separated, CRLF line ends, fields with a
// comma, quote or line break quoted), for spreadsheets and insurers.

#include <string>
#include <vector>

namespace vemora {

// header and every row, one line each; a field that needs it is quoted.
std::string CsvText(const std::vector<std::string>& header,
                    const std::vector<std::vector<std::string>>& rows);

} // namespace vemora
