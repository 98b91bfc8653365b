#pragma once
// Helpers shared by the export tests: a scratch folder, whole-file reads, tracks built by hand and
// running the external readers that check the files.

#include "telemetry/TelemetryModel.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace vemora::testing {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vemora-export-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Seconds since 1970 whose local-time reading is the given wall clock, in any time zone.
inline int64_t LocalWallClock(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

inline GpsPoint MakePoint(double latitude, double longitude, bool valid, int32_t reserved = 0) {
    GpsPoint p;
    p.latitude = latitude;
    p.longitude = longitude;
    p.reserved = reserved;
    p.flags = valid ? 0x01 : 0x02;
    return p;
}

// One 32-byte "gps0" record as a recorder stores it (NMEA coordinates, little-endian).
inline void AppendRawRecord(std::vector<uint8_t>& payload, double nmeaLatitude, double nmeaLongitude,
                            uint8_t flags, int32_t reserved = 0, uint16_t speedKmh = 0,
                            uint8_t headingHalf = 0, std::array<uint8_t, 6> dateTime = {}) {
    uint8_t r[32] = {};
    uint64_t bits;
    std::memcpy(&bits, &nmeaLatitude, 8);
    for (int i = 0; i < 8; ++i)
        r[i] = uint8_t(bits >> (8 * i));
    std::memcpy(&bits, &nmeaLongitude, 8);
    for (int i = 0; i < 8; ++i)
        r[8 + i] = uint8_t(bits >> (8 * i));
    for (int i = 0; i < 4; ++i)
        r[16 + i] = uint8_t(uint32_t(reserved) >> (8 * i));
    r[20] = uint8_t(speedKmh);
    r[21] = uint8_t(speedKmh >> 8);
    for (int i = 0; i < 6; ++i)
        r[22 + i] = dateTime[i];
    r[28] = headingHalf;
    r[29] = flags;
    payload.insert(payload.end(), r, r + 32);
}

// Runs a shell command and returns its standard output; fails the test when it exits non-zero.
inline std::string RunTool(const std::string& command) {
    std::string out;
    std::FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p) {
        ADD_FAILURE() << "cannot run: " << command;
        return out;
    }
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0)
        out.append(buffer, n);
    const int status = pclose(p);
    EXPECT_EQ(status, 0) << command << "\n" << out;
    return out;
}

// The external readers must be installed (tools/install-deps.sh); a missing one fails loudly.
inline bool RequireTool(const std::string& path) {
    if (access(path.c_str(), X_OK) == 0)
        return true;
    ADD_FAILURE() << path << " is missing: run tools/install-deps.sh";
    return false;
}

inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') // gpsbabel's CSV lines end in CR LF
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace vemora::testing
