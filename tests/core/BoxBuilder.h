#pragma once
// Tiny builder of MP4/MOV byte images for reader tests: boxes with 32-bit, 64-bit or forged size
// fields, the few "moov" children the readers look at, and whole files of each telemetry layout.

#include "platform/ByteOrder.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <string>
#include <unistd.h>
#include <vector>

namespace vemora::test {

using ByteVec = std::vector<uint8_t>;

inline ByteVec Cat(std::initializer_list<ByteVec> parts) {
    ByteVec out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

inline ByteVec Be16(uint16_t v) {
    ByteVec b(2);
    PutBE16(b.data(), v);
    return b;
}
inline ByteVec Be32(uint32_t v) {
    ByteVec b(4);
    PutBE32(b.data(), v);
    return b;
}
inline ByteVec Le32(uint32_t v) {
    ByteVec b(4);
    PutLE32(b.data(), v);
    return b;
}
inline ByteVec Text(const std::string& s) {
    return ByteVec(s.begin(), s.end());
}
inline ByteVec Zeros(size_t n, uint8_t value = 0) {
    return ByteVec(n, value);
}

// A box whose size field is written as given (0, 1 or anything below 8 forge damaged headers).
inline ByteVec BoxWithSizeField(const char* type, uint32_t sizeField, const ByteVec& payload) {
    return Cat({Be32(sizeField), Text(std::string(type, 4)), payload});
}
inline ByteVec Box(const char* type, const ByteVec& payload) {
    return BoxWithSizeField(type, static_cast<uint32_t>(payload.size() + 8), payload);
}
// A box with the 64-bit size form; `highBits` are added above bit 32 (the readers use the low 32).
inline ByteVec Box64(const char* type, const ByteVec& payload, uint64_t highBits = 0) {
    ByteVec size(8);
    PutBE64(size.data(), (highBits << 32) + payload.size() + 16);
    return Cat({Be32(1), Text(std::string(type, 4)), size, payload});
}

inline ByteVec Ftyp() {
    return Box("ftyp", Cat({Text("isom"), Be32(512), Text("isomiso2avc1mp41")}));
}

// Movie or media header, version 0: creation time at 4, timescale at 12, duration at 16.
inline ByteVec Mvhd(uint32_t timescale, uint32_t duration, uint32_t creation = 0, const char* type = "mvhd") {
    ByteVec p = Zeros(100);
    PutBE32(p.data() + 4, creation);
    PutBE32(p.data() + 8, creation);
    PutBE32(p.data() + 12, timescale);
    PutBE32(p.data() + 16, duration);
    return Box(type, p);
}
inline ByteVec Mdhd(uint32_t timescale, uint32_t duration) {
    ByteVec p = Zeros(24);
    PutBE32(p.data() + 12, timescale);
    PutBE32(p.data() + 16, duration);
    return Box("mdhd", p);
}

// Handler: type at payload 8, the name with a one-byte length in front at payload 24.
inline ByteVec Hdlr(const char* handlerType, const std::string& name) {
    return Box("hdlr", Cat({Zeros(8), Text(std::string(handlerType, 4)), Zeros(12),
                            ByteVec{static_cast<uint8_t>(name.size())}, Text(name)}));
}

// A visual sample entry ("avc1"/"hvc1"): width at payload 24, height at 26.
inline ByteVec SampleEntry(const char* type, uint16_t width, uint16_t height) {
    ByteVec p = Zeros(78);
    PutBE16(p.data() + 24, width);
    PutBE16(p.data() + 26, height);
    return Box(type, p);
}
inline ByteVec Stsd(const ByteVec& entries, uint32_t count = 1) {
    return Box("stsd", Cat({Zeros(4), Be32(count), entries}));
}
inline ByteVec Stco(const std::vector<uint32_t>& offsets, int64_t countOverride = -1) {
    ByteVec p =
        Cat({Zeros(4), Be32(countOverride >= 0 ? uint32_t(countOverride) : uint32_t(offsets.size()))});
    for (uint32_t o : offsets) {
        ByteVec e = Be32(o);
        p.insert(p.end(), e.begin(), e.end());
    }
    return Box("stco", p);
}

struct TrakSpec {
    const char* handler = "vide";
    std::string name = "VideoHandler";
    ByteVec sampleEntries; // empty: none
    ByteVec stco;          // empty: none
    ByteVec mdhd;          // empty: none
};
inline ByteVec Trak(const TrakSpec& t) {
    ByteVec stbl = Box("stbl", Cat({t.sampleEntries.empty() ? ByteVec{} : Stsd(t.sampleEntries),
                                    Box("stts", Zeros(8)), t.stco}));
    ByteVec minf = Box("minf", Cat({Box("vmhd", Zeros(12)), stbl}));
    ByteVec mdia = Box("mdia", Cat({t.mdhd, Hdlr(t.handler, t.name), minf}));
    return Box("trak", Cat({Box("tkhd", Zeros(84)), mdia}));
}
inline ByteVec VideoTrak(const std::string& name, uint16_t w = 1920, uint16_t h = 1080,
                         const char* entry = "avc1") {
    TrakSpec t;
    t.name = name;
    t.sampleEntries = SampleEntry(entry, w, h);
    t.mdhd = Mdhd(1000, 60000);
    return Trak(t);
}
inline ByteVec MetaTrak(const std::vector<uint32_t>& chunkOffsets, int64_t countOverride = -1) {
    TrakSpec t;
    t.handler = "meta";
    t.name = "MetaHandler";
    t.sampleEntries = Box("mett", Zeros(16));
    t.stco = Stco(chunkOffsets, countOverride);
    t.mdhd = Mdhd(1000, 60000);
    return Trak(t);
}

// The title item that marks the 92-byte metadata layout, padded past the 34-byte threshold.
inline ByteVec TitleUdta() {
    ByteVec item = Box("\xA9nam", Cat({Be16(20), Be16(0), Text("DashCam Recorder 01"), Zeros(8)}));
    return Box("udta", item);
}
inline ByteVec PlainUdta(size_t payload) {
    return Box("udta", Box("date", Zeros(payload - 8)));
}

// A 32-byte GPS record with the given time fields (year - 2000 first).
inline ByteVec GpsRecord(uint8_t yy, uint8_t mo, uint8_t dd, uint8_t hh, uint8_t mi, uint8_t ss) {
    ByteVec r = Zeros(32);
    r[22] = yy;
    r[23] = mo;
    r[24] = dd;
    r[25] = hh;
    r[26] = mi;
    r[27] = ss;
    r[29] = 1;
    return r;
}

inline std::string MakeTempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/vemora-mp4-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    const char* dir = ::mkdtemp(buf.data());
    return dir ? std::string(dir) : std::string();
}

inline bool WriteBytes(const std::string& path, const ByteVec& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace vemora::test

namespace vemora::test {

// Whole files of each layout, well formed unless a test changes a part.
constexpr uint32_t kCreation2024 = 3786914120u; // 2024-01-01 00:35:20 in the 1904 epoch

inline ByteVec GpsIndexBoxPayload(const std::vector<uint32_t>& offsets, int64_t countOverride = -1) {
    ByteVec p =
        Cat({Zeros(4), Be32(countOverride >= 0 ? uint32_t(countOverride) : uint32_t(offsets.size()))});
    for (uint32_t o : offsets) {
        ByteVec e = Cat({Be32(o), Be32(156)});
        p.insert(p.end(), e.begin(), e.end());
    }
    return p;
}

inline ByteVec InlineMoov(uint16_t w = 1280, uint16_t h = 720, uint32_t timescale = 1000,
                          uint32_t duration = 60000, const ByteVec& extraChildren = {}) {
    TrakSpec t;
    t.sampleEntries = SampleEntry("avc1", w, h);
    t.mdhd = Mdhd(timescale, duration);
    return Box("moov", Cat({Mvhd(1000, 60000), Trak(t), extraChildren}));
}

inline ByteVec InlineFile(const ByteVec& telemetry, const ByteVec& skip = Box("skip", ByteVec{7, 7, 0})) {
    return Cat({Ftyp(), skip, InlineMoov(), telemetry, Box("mdat", Zeros(64))});
}

inline ByteVec MetaTrackFile(bool is92, bool metaFirst, const std::vector<uint32_t>& chunks,
                             const std::string& videoName, int64_t countOverride = -1) {
    ByteVec video = VideoTrak(videoName);
    ByteVec meta = MetaTrak(chunks, countOverride);
    ByteVec traks = metaFirst ? Cat({meta, video}) : Cat({video, meta});
    ByteVec moov =
        Box("moov", Cat({Mvhd(1000, 60000, kCreation2024), traks, is92 ? TitleUdta() : ByteVec{}}));
    return Cat({Ftyp(), is92 ? Box("wide", {}) : Box("free", {}), Box("mdat", Zeros(256)), moov});
}

inline ByteVec TrailerFile(const std::string& videoName = "VideoHandler",
                           const ByteVec& udta = PlainUdta(20)) {
    ByteVec moov = Box("moov", Cat({Mvhd(1000, 60000, kCreation2024), VideoTrak(videoName), udta}));
    ByteVec trailer = Cat({Box("name", Text("noml")), Box("gpsa", Le32(1))});
    return Cat({Ftyp(), Box("wide", {}), Box("mdat", Zeros(256)), moov, trailer});
}

inline ByteVec GpsIndexFile(const std::vector<uint32_t>& offsets,
                            const std::string& videoName = "VideoHandler", int64_t countOverride = -1) {
    ByteVec moov =
        Box("moov", Cat({Mvhd(1000, 60000, kCreation2024), VideoTrak(videoName, 2560, 1440, "hvc1"),
                         Box("gps ", GpsIndexBoxPayload(offsets, countOverride))}));
    return Cat({Ftyp(), moov, Box("mdat", Zeros(256))});
}

} // namespace vemora::test
