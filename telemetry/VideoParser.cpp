#include "telemetry/VideoParser.h"

#include "platform/Diagnostics.h"
#include "telemetry/TrackLimits.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vemora {

int CDvrVideoParser::Parse(const std::string&) {
    return 0;
}

void CDvrVideoParser::Reset() {
    m_startTime = 0;
    m_lengthSeconds = 0;
    m_durationMs = 0;
    m_gpsBoxOffset = 0;
    m_gpsBoxSize = 0;
    m_gsensorBoxOffset = 0;
    m_gsensorBoxSize = 0;
    m_width = 0;
    m_height = 0;
    m_ullFileSize = 0;
    m_gpsRate = 0;
    m_gsensorInfo = GSensorInfo{};
}

void CDvrVideoParser::BeginVerdict() {
    m_verdict = {};
    m_bRanPastEnd = false;
    m_nWalkedHeaders = 0;
}

void CDvrVideoParser::CountWalkedHeader() {
    if (++m_nWalkedHeaders > kMaxWalkedHeaders)
        throw FileReadError(RejectReason::TooManyBoxes, "too many boxes");
}

bool CDvrVideoParser::InlinePayloadsWithinLength() const {
    return m_gpsBoxSize / kRecordSize <= TrackRecordLimit(m_durationMs, 1.0) &&
           m_gsensorBoxSize / GSensorSample::kSize <= TrackRecordLimit(m_durationMs, kMostGSensorRate);
}

int CDvrVideoParser::Reject(RejectReason reason, const std::string& systemError) {
    if (m_verdict.Accepted())
        m_verdict = ReadVerdict{reason, systemError};
    return -1;
}

RejectReason CDvrVideoParser::MissingPartReason(bool movieHeader, bool videoTrack, bool mark) const {
    if (m_bRanPastEnd)
        return RejectReason::CutShort;
    if (!movieHeader)
        return RejectReason::NoMovieHeader;
    if (!videoTrack)
        return RejectReason::NoVideoTrack;
    if (m_width == 0 || m_height == 0)
        return RejectReason::NoPictureSize;
    if (m_durationMs == 0)
        return RejectReason::ZeroDuration;
    if (!mark)
        return RejectReason::NoRecorderMark;
    return RejectReason::None;
}

bool CDvrVideoParser::OpenFile(const std::string& path) {
    if (!m_file.Open(path, nullptr)) {
        Reject(RejectReason::CannotOpen, m_file.OpenFailure());
        return false;
    }
    if (m_pStatus)
        m_file.GetStatus(*m_pStatus);
    return true;
}

void CDvrVideoParser::ReadExactAt(uint64_t offset, void* buffer, size_t n) {
    errno = 0;
    if (m_file.ReadAt(offset, buffer, n))
        return;
    const int error = errno;
    RequireInFile(offset, n);
    throw FileReadError(RejectReason::CannotOpen, std::strerror(error ? error : EIO));
}

uint64_t CDvrVideoParser::ReadByteAt(uint64_t offset, uint8_t* out) {
    ReadExactAt(offset, out, 1);
    return offset + 1;
}

uint64_t CDvrVideoParser::ReadThreeAt(uint64_t offset, std::array<uint8_t, 3>& out) {
    ReadExactAt(offset, out.data(), out.size());
    return offset + 3;
}

uint64_t CDvrVideoParser::ReadRecordAt(uint64_t offset, std::array<uint8_t, kRecordSize>& out) {
    ReadExactAt(offset, out.data(), out.size());
    return offset + kRecordSize;
}

void CDvrVideoParser::RequireInFile(uint64_t offset, uint64_t size) const {
    uint64_t length = m_file.Length();
    if (offset > length || size > length - offset)
        throw FileReadError(RejectReason::CutShort, "data beyond the end of the file");
}

std::vector<uint8_t> CDvrVideoParser::ReadPayloadAt(uint64_t offset, uint64_t size) {
    RequireInFile(offset, size);
    if (size > kMaxPayload)
        throw FileReadError(RejectReason::NotRecorderFile, "payload too large");
    std::vector<uint8_t> payload(static_cast<size_t>(size));
    if (size)
        ReadExactAt(offset, payload.data(), payload.size());
    return payload;
}

time_t CDvrVideoParser::LocalTimeOf(int year, int month, int day, int hour, int minute, int second) {
    struct tm fields {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1;
    time_t t = mktime(&fields);
    return t == static_cast<time_t>(-1) ? 0 : t;
}

bool CDvrVideoParser::TryGpsRecordStartTime(const std::array<uint8_t, kRecordSize>& record, uint32_t index) {
    const uint8_t* dt = record.data() + 22; // year-2000, month, day, hour, minute, second
    if (dt[0] == 0)
        return false;
    if (dt[1] < 1 || dt[1] > 12 || dt[2] < 1 || dt[2] > 31 || dt[3] > 23 || dt[4] > 59 || dt[5] > 59)
        return false;
    time_t t = LocalTimeOf(2000 + dt[0], dt[1], dt[2], dt[3], dt[4], dt[5]);
    // A missing rate box leaves the rate at 0; the track loader then assumes one record a second.
    uint32_t rate = m_gpsRate & 0xFF;
    if (rate == 0)
        rate = 1;
    m_startTime = t - static_cast<time_t>(index / rate);
    return true;
}

bool CDvrVideoParser::ApplyIditText(const uint8_t* text, size_t size) {
    char buffer[65] = {}; // the recorder's text field is 64 bytes; one more keeps it terminated
    std::memcpy(buffer, text, size < 64 ? size : 64);
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (std::sscanf(buffer, "%04d-%02d-%02d %02d:%02d:%02d", &year, &month, &day, &hour, &minute, &second) !=
        6)
        return false;
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    m_startTime = LocalTimeOf(year, month, day, hour, minute, second);
    return true;
}

void CDvrVideoParser::PublishCommon() {
    if (!m_pSummary)
        return;
    ContainerSummary& s = *m_pSummary;
    s.gpsBoxOffset = m_gpsBoxOffset;
    s.gpsBoxSize = m_gpsBoxSize;
    s.gsensorBoxOffset = m_gsensorBoxOffset;
    s.gsensorBoxSize = m_gsensorBoxSize;
    s.width = m_width;
    s.height = m_height;
    s.startTime = m_startTime;
    s.lengthSeconds = m_lengthSeconds;
    s.durationMs = m_durationMs;
    s.fileSize = m_ullFileSize;
    s.gpsRate = m_gpsRate;
    s.gsensorInfo = m_gsensorInfo;
}

void CDvrVideoParser::AnnounceCatch() {
    Diag("=======>>> catch CFileException !! \r\n");
}

} // namespace vemora
