#include "telemetry/TrackRecordReader.h"

#include "platform/Diagnostics.h"
#include "telemetry/BoxWalk.h"
#include "telemetry/RecordDecoders.h"

#include <array>

namespace vemora {

using namespace fourcc;

namespace {

constexpr size_t kNameBytes = 40;
constexpr size_t kNameMarkOffset = 32;

// How much of a payload lies inside the file (a box at the very end may claim more).
uint64_t BytesInFile(const RecorderFile& file, uint64_t start, uint32_t size) {
    if (start >= file.Length())
        return 0;
    return std::min<uint64_t>(size, file.Length() - start);
}

} // namespace

bool CTrackRecordReader::Open(const std::string& path) {
    m_error.clear();
    return m_file.Open(path, &m_error);
}

bool CTrackRecordReader::ReadRecord(int64_t offset, uint8_t* buffer, size_t size) {
    // Offsets come from 32-bit table fields widened with their sign; a negative one points nowhere.
    return offset >= 0 && m_file.ReadAt(static_cast<uint64_t>(offset), buffer, size);
}

bool CTrackRecordReader::readGpsTrackInfo(const std::string& path, TelemetryFormat format,
                                          const std::vector<RecordLocator>& table,
                                          std::vector<GpsPoint>& points,
                                          std::vector<GSensorSample>& samples) {
    using Decoder =
        void (CTrackRecordReader::*)(int64_t, std::vector<GpsPoint>&, std::vector<GSensorSample>&);
    Decoder decode = nullptr;
    switch (format) {
    case TelemetryFormat::MetaTrack88:
        decode = &CTrackRecordReader::DecodeRecord88;
        break;
    case TelemetryFormat::MetaTrack92:
        decode = &CTrackRecordReader::DecodeRecord92;
        break;
    case TelemetryFormat::GpsIndexBox:
        decode = &CTrackRecordReader::DecodeRecord156;
        break;
    default:
        return false;
    }
    if (format != TelemetryFormat::MetaTrack88)
        Diag("readGpsTrackInfo ====================>> szFile= %s \n", path.c_str());
    if (!Open(path))
        return false;
    for (const RecordLocator& entry : table)
        (this->*decode)(entry.offset, points, samples);
    m_file.Close();
    return true;
}

void CTrackRecordReader::DecodeRecord88(int64_t offset, std::vector<GpsPoint>& points,
                                        std::vector<GSensorSample>& samples) {
    std::array<uint8_t, kRecord88Size> record{};
    if (ReadRecord(offset, record.data(), record.size()))
        DecodeRecord88Bytes(record, points, samples);
}

void CTrackRecordReader::DecodeRecord92(int64_t offset, std::vector<GpsPoint>& points,
                                        std::vector<GSensorSample>& samples) {
    std::array<uint8_t, kRecord92Size> record{};
    if (ReadRecord(offset, record.data(), record.size()))
        DecodeRecord92Bytes(record, points, samples);
}

void CTrackRecordReader::DecodeRecord156(int64_t offset, std::vector<GpsPoint>& points,
                                         std::vector<GSensorSample>& samples) {
    // Header and body are read together: a record must lie wholly inside the file.
    std::array<uint8_t, kRecord156Size> record{};
    if (ReadRecord(offset, record.data(), record.size()))
        DecodeRecord156Bytes(record, points, samples);
}

uint32_t CTrackRecordReader::FindInTrailer(FourCC type, uint64_t& position) {
    return FindSiblingBox(m_file, m_file.Length(), type, position, kTrailerSpan);
}

bool CTrackRecordReader::ReadTrailer(const std::string& path, std::vector<GpsPoint>& points,
                                     std::vector<GSensorSample>& samples) {
    if (!Open(path))
        return false;
    bool ok = ReadTrailerOpen(points, samples);
    m_file.Close();
    return ok;
}

bool CTrackRecordReader::ReadTrailerOpen(std::vector<GpsPoint>& points, std::vector<GSensorSample>& samples) {
    if (m_file.Length() < kTrailerSpan)
        return false;
    uint64_t position = m_file.Length() - kTrailerSpan;

    uint32_t size = FindInTrailer(kTrailerName, position);
    std::array<uint8_t, kNameBytes> name{};
    if (size == 0 || !m_file.ReadAt(position, name.data(), name.size()))
        return false;
    if (FourCCAt(name, kNameMarkOffset) != kTrailerMark)
        return false;
    position += size;

    // The rate and the G-sensor description are fixed for this layout; their boxes are passed over.
    if (uint32_t rateSize = FindInTrailer(kGpsa, position))
        position += rateSize;
    if (uint32_t gpsSize = FindInTrailer(kGps0, position)) {
        ReadTrailerGps(position, gpsSize, points);
        position += gpsSize;
    }
    if (uint32_t infoSize = FindInTrailer(kGsea, position))
        position += infoSize;
    if (uint32_t gsenSize = FindInTrailer(kGsen, position))
        ReadTrailerGSensor(position, gsenSize, samples);
    return true;
}

void CTrackRecordReader::ReadTrailerGps(uint64_t payloadStart, uint32_t payloadSize,
                                        std::vector<GpsPoint>& points) {
    uint64_t count = BytesInFile(m_file, payloadStart, payloadSize) / GpsPoint::kSize;
    std::array<uint8_t, GpsPoint::kSize> record{};
    for (uint64_t i = 0; i < count; ++i) {
        if (!m_file.ReadAt(payloadStart + i * GpsPoint::kSize, record.data(), record.size()))
            return;
        points.push_back(DecodeTrailerGpsRecord(record));
    }
}

void CTrackRecordReader::ReadTrailerGSensor(uint64_t payloadStart, uint32_t payloadSize,
                                            std::vector<GSensorSample>& samples) {
    uint64_t count = BytesInFile(m_file, payloadStart, payloadSize) / GSensorSample::kSize;
    std::array<uint8_t, GSensorSample::kSize> sample{};
    for (uint64_t i = 0; i < count; ++i) {
        if (!m_file.ReadAt(payloadStart + i * GSensorSample::kSize, sample.data(), sample.size()))
            return;
        samples.push_back(ParseGSensorSample(sample));
    }
}

} // namespace vemora
