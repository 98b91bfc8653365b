// Layout 0: the telemetry boxes "gps0", "gsen", "gpsa" and "gsea" sit at the top level of the file
// or directly inside "moov"; "IDIT" may carry the start time and a "skip" box the recorder's mark.
#include "telemetry/Mp4Parser.h"

#include <algorithm>

namespace vemora {

using namespace fourcc;

namespace {

constexpr uint32_t kSampleStep = 3;
constexpr size_t kIditText = 64;

} // namespace

int CDvr3gpParser::ReadInlineBoxes(const std::string& path) {
    uint64_t position = 0;
    if (!BeginLayout(path, position))
        return -1;
    return Guarded([&] {
        bool startTimeFound = false;
        bool movieHeader = false;
        while (position < m_ullFileSize) {
            uint32_t size = 0;
            FourCC type = ReadBoxHeader(position, size);
            const uint64_t payloadEnd = position + size;
            if (type == kGps0) {
                m_gpsBoxOffset = position;
                m_gpsBoxSize = size;
                const uint32_t records = size / kRecordSize;
                RequireInFile(position, uint64_t(records) * kRecordSize);
                // Only records up to the first one with a usable time need reading.
                for (uint32_t i = 0; i < records && !startTimeFound; ++i) {
                    std::array<uint8_t, kRecordSize> record;
                    ReadRecordAt(position + uint64_t(i) * kRecordSize, record);
                    startTimeFound = TryGpsRecordStartTime(record, i);
                }
                position += uint64_t(records) * kRecordSize;
            } else if (type == kGsen) {
                m_gsensorBoxOffset = position;
                m_gsensorBoxSize = size;
                // The samples are stepped over three bytes at a time; they must all be present.
                const uint64_t stepped = uint64_t(size / kSampleStep) * kSampleStep;
                RequireInFile(position, stepped);
                position += stepped;
            } else if (type == kGpsa || type == kGsea) {
                // Four bytes as stored; a shorter payload fills only its own bytes.
                uint8_t value[4] = {};
                ReadExactAt(position, value, std::min<uint32_t>(size, 4));
                uint32_t word = *LE32(Bytes(value, 4), 0);
                if (type == kGpsa)
                    m_gpsRate = word;
                else
                    m_gsensorInfo = GSensorInfo::FromWord(word);
                position = payloadEnd;
            } else if (type == kIdit) {
                // A valid date here overrides one taken from "gps0"; an invalid one clears it.
                uint8_t text[kIditText] = {};
                const size_t n = std::min<size_t>(size, kIditText);
                ReadExactAt(position, text, n);
                startTimeFound = ApplyIditText(text, n);
                position = payloadEnd;
            } else if (type == kSkip) {
                // The recorder marks its own files with a final 0 byte in "skip".
                uint8_t last = 0xFF;
                if (size > 0)
                    ReadByteAt(payloadEnd - 1, &last);
                m_bMarkOk = last == 0;
                position = payloadEnd;
            } else if (type == kMoov) {
                movieHeader = true;
                ReadMovieDuration(position, size, {kTrak, kMdia, kMdhd});
                ReadFirstTrackAvcFormat(position, size);
                // The children of "moov" are walked like top-level boxes.
            } else {
                position = payloadEnd;
            }
        }
        CloseFile();
        if (!startTimeFound)
            m_startTime = 0;
        if (m_width == 0 || m_height == 0 || m_durationMs == 0 || !m_bMarkOk)
            return Reject(MissingPartReason(movieHeader, true, m_bMarkOk));
        if (!InlinePayloadsWithinLength())
            return Reject(RejectReason::TooManyRecords);
        PublishCommon();
        if (m_pSummary)
            m_pSummary->format = TelemetryFormat::InlineBoxes;
        return 0;
    });
}

} // namespace vemora
