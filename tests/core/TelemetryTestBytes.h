#pragma once
// Hand-built telemetry records, trailers and small AVI images for the decoder, AVI reader and
// track loader tests, plus a scratch folder to write them into.

#include "platform/ByteOrder.h"
#include "telemetry/TelemetryModel.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vemora::testbytes {

using ByteVec = std::vector<uint8_t>;

inline void Put16(ByteVec& b, size_t off, uint16_t v) {
    if (b.size() < off + 2)
        b.resize(off + 2);
    PutLE16(b.data() + off, v);
}
inline void Put32(ByteVec& b, size_t off, uint32_t v) {
    if (b.size() < off + 4)
        b.resize(off + 4);
    PutLE32(b.data() + off, v);
}
inline void PutDouble(ByteVec& b, size_t off, double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    if (b.size() < off + 8)
        b.resize(off + 8);
    PutLE64(b.data() + off, bits);
}
inline void PutText(ByteVec& b, size_t off, const std::string& s) {
    if (b.size() < off + s.size())
        b.resize(off + s.size());
    std::memcpy(b.data() + off, s.data(), s.size());
}
inline void Append(ByteVec& b, const ByteVec& more) {
    b.insert(b.end(), more.begin(), more.end());
}
inline void AppendText(ByteVec& b, const std::string& s) {
    b.insert(b.end(), s.begin(), s.end());
}
inline void AppendLE32(ByteVec& b, uint32_t v) {
    Put32(b, b.size(), v);
}
inline void AppendBE32(ByteVec& b, uint32_t v) {
    size_t at = b.size();
    b.resize(at + 4);
    PutBE32(b.data() + at, v);
}

// The GPS and G-sensor content of one 88/92/156-byte record.
struct Fix {
    uint8_t valid = 1;
    int32_t latNum = 250312340, latDen = 100000; // 2503.1234 -> 25.052 N
    int32_t lonNum = 121301234, lonDen = 10000;  // 12130.1234 -> 121.502 E
    int32_t knotsNum = 10, knotsDen = 1;
    uint8_t year = 24, month = 5, day = 17, hour = 10, minute = 20, second = 30; // UTC
    uint8_t headingHalf = 45;
};

struct Xyz {
    uint16_t valid = 1;
    int16_t x = 0, y = 0, z = 0;
};

// Offsets: valid, hour, latNum, day, heading.
inline void PutFix(ByteVec& r, const Fix& f, size_t valid, size_t hour, size_t latNum, size_t day,
                   size_t heading) {
    r[valid] = f.valid;
    r[hour] = f.hour;
    r[hour + 4] = f.minute;
    r[hour + 8] = f.second;
    Put32(r, latNum, static_cast<uint32_t>(f.latNum));
    Put32(r, latNum + 4, static_cast<uint32_t>(f.latDen));
    Put32(r, latNum + 8, static_cast<uint32_t>(f.lonNum));
    Put32(r, latNum + 12, static_cast<uint32_t>(f.lonDen));
    Put32(r, latNum + 16, static_cast<uint32_t>(f.knotsNum));
    Put32(r, latNum + 20, static_cast<uint32_t>(f.knotsDen));
    r[day] = f.day;
    r[day + 4] = f.month;
    r[day + 8] = f.year;
    r[heading] = f.headingHalf;
}

inline ByteVec Record88(const Fix& f, const Xyz& g) {
    ByteVec r(88, 0);
    Put16(r, 6, g.valid);
    Put16(r, 8, static_cast<uint16_t>(g.x));
    Put16(r, 10, static_cast<uint16_t>(g.y));
    Put16(r, 12, static_cast<uint16_t>(g.z));
    PutFix(r, f, 32, 16, 36, 68, 80);
    return r;
}

inline ByteVec Record92(const Fix& f, const Xyz& g, uint16_t type = 10) {
    ByteVec r(92, 0);
    Put16(r, 4, type);
    Put16(r, 10, g.valid);
    Put16(r, 12, static_cast<uint16_t>(g.x));
    Put16(r, 14, static_cast<uint16_t>(g.y));
    Put16(r, 16, static_cast<uint16_t>(g.z));
    PutFix(r, f, 20, 24, 40, 72, 84);
    return r;
}

// 16-byte header (body size at 12) and 140-byte body with up to 5 G-sensor entries.
inline ByteVec Record156(const Fix& f, const std::vector<Xyz>& entries, uint16_t count, uint16_t type = 10,
                         uint32_t bodySize = 140) {
    ByteVec r(156, 0);
    Put32(r, 12, bodySize);
    ByteVec body(140, 0);
    Put16(body, 4, type);
    Put16(body, 6, count);
    for (size_t k = 0; k < entries.size() && k < 5; ++k) {
        size_t at = 12 + 12 * k;
        Put16(body, at, entries[k].valid);
        Put16(body, at + 2, static_cast<uint16_t>(entries[k].x));
        Put16(body, at + 4, static_cast<uint16_t>(entries[k].y));
        Put16(body, at + 6, static_cast<uint16_t>(entries[k].z));
    }
    PutFix(body, f, 68, 72, 88, 120, 132);
    std::memcpy(r.data() + 16, body.data(), body.size());
    return r;
}

// A stored 32-byte "gps0" record (NMEA coordinates).
struct Gps0 {
    double lat = 2503.1234, lon = 12130.1234;
    int32_t reserved = 0;
    uint16_t speed = 0;
    std::array<uint8_t, 6> dt{24, 5, 17, 10, 20, 30};
    uint8_t heading = 0, flags = 1;
};
inline ByteVec Gps0Record(const Gps0& g) {
    ByteVec r(32, 0);
    PutDouble(r, 0, g.lat);
    PutDouble(r, 8, g.lon);
    Put32(r, 16, static_cast<uint32_t>(g.reserved));
    Put16(r, 20, g.speed);
    for (size_t i = 0; i < 6; ++i)
        r[22 + i] = g.dt[i];
    r[28] = g.heading;
    r[29] = g.flags;
    return r;
}
inline ByteVec Samples(const std::vector<GSensorSample>& s) {
    ByteVec b;
    for (const auto& v : s) {
        Put16(b, b.size(), static_cast<uint16_t>(v.x));
        Put16(b, b.size(), static_cast<uint16_t>(v.y));
        Put16(b, b.size(), static_cast<uint16_t>(v.z));
    }
    return b;
}

// A big-endian box: size, type, payload.
inline ByteVec Box(const std::string& type, const ByteVec& payload) {
    ByteVec b;
    AppendBE32(b, static_cast<uint32_t>(payload.size() + 8));
    AppendText(b, type);
    Append(b, payload);
    return b;
}

// A file whose last 5120 bytes begin with the trailer boxes.
inline ByteVec TrailerFile(const std::vector<Gps0>& gps, const std::vector<GSensorSample>& samples,
                           const std::string& mark = "noml", size_t leading = 1000) {
    ByteVec name(40, 0);
    PutText(name, 32, mark);
    ByteVec gps0;
    for (const auto& g : gps)
        Append(gps0, Gps0Record(g));
    ByteVec trailer;
    Append(trailer, Box("name", name));
    Append(trailer, Box("gpsa", ByteVec{1, 0, 0, 0}));
    Append(trailer, Box("gps0", gps0));
    Append(trailer, Box("gsea", ByteVec(20, 0)));
    Append(trailer, Box("gsen", Samples(samples)));
    EXPECT_LE(trailer.size(), 5120u);
    trailer.resize(5120, 0);
    ByteVec file(leading, 0xAB);
    Append(file, trailer);
    return file;
}

// --- AVI images ---------------------------------------------------------------------------------

inline ByteVec Chunk(const std::string& id, const ByteVec& data) {
    ByteVec b;
    AppendText(b, id);
    AppendLE32(b, static_cast<uint32_t>(data.size()));
    Append(b, data);
    return b;
}
inline ByteVec List(const std::string& type, const ByteVec& content, int64_t sizeAdjust = 0) {
    ByteVec b;
    AppendText(b, "LIST");
    AppendLE32(b, static_cast<uint32_t>(static_cast<int64_t>(content.size()) + 4 + sizeAdjust));
    AppendText(b, type);
    Append(b, content);
    return b;
}

struct AviSpec {
    uint32_t microsPerFrame = 100000;
    uint32_t frames = 30;
    bool mark = true;
    int32_t width = 320, height = 240;
    ByteVec beforeMovi; // chunks placed at RIFF level before "movi" (telemetry)
    uint32_t moviData = 64;
    int64_t moviSizeAdjust = 0; // > 0: the list claims more than the file holds
};

inline ByteVec MainHeader(const AviSpec& s) {
    ByteVec h(56, 0);
    Put32(h, 0, s.microsPerFrame);
    Put32(h, 16, s.frames);
    Put32(h, 32, static_cast<uint32_t>(s.width));
    Put32(h, 36, static_cast<uint32_t>(s.height));
    if (s.mark)
        PutText(h, 40, "JTDD");
    return h;
}
inline ByteVec VideoStreamList(int32_t width, int32_t height) {
    ByteVec strh(56, 0);
    PutText(strh, 0, "vids");
    PutText(strh, 4, "MJPG");
    ByteVec strf(40, 0);
    Put32(strf, 0, 40);
    Put32(strf, 4, static_cast<uint32_t>(width));
    Put32(strf, 8, static_cast<uint32_t>(height));
    ByteVec content = Chunk("strh", strh);
    Append(content, Chunk("strf", strf));
    return List("strl", content);
}
inline ByteVec AviImage(const AviSpec& s) {
    ByteVec hdrl = Chunk("avih", MainHeader(s));
    Append(hdrl, VideoStreamList(s.width, s.height));
    Append(hdrl, Chunk("JUNK", ByteVec(12, 0)));
    ByteVec body;
    AppendText(body, "AVI ");
    Append(body, List("hdrl", hdrl));
    Append(body, s.beforeMovi);
    Append(body, List("movi", Chunk("00dc", ByteVec(s.moviData, 0x55)), s.moviSizeAdjust));
    Append(body, Chunk("idx1", ByteVec(16, 0)));
    ByteVec file;
    AppendText(file, "RIFF");
    AppendLE32(file, static_cast<uint32_t>(body.size()));
    Append(file, body);
    return file;
}

// --- scratch files ------------------------------------------------------------------------------

class ScratchDir {
public:
    ScratchDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "vemora-test-XXXXXX").string();
        char* made = mkdtemp(tmpl.data());
        EXPECT_NE(made, nullptr);
        m_path = tmpl;
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::string Write(const std::string& name, const ByteVec& bytes) const {
        std::string path = m_path + "/" + name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        EXPECT_TRUE(out.good()) << path;
        return path;
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace vemora::testbytes
