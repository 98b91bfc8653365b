// Layout choice for MP4/MOV recordings: the pre-pass over the top-level boxes, the common start
// of every layout reader and the publication of the track-based layouts.
#include "telemetry/Mp4Parser.h"

namespace vemora {

using namespace fourcc;

namespace {

constexpr int kPrePassBoxLimit = 101;
constexpr uint32_t kShortUdta = 34;

} // namespace

int CDvr3gpParser::Parse(const std::string& path) {
    BeginVerdict();
    PrePass(path);
    switch (m_format) {
    case int(TelemetryFormat::InlineBoxes):
        return ReadInlineBoxes(path);
    case int(TelemetryFormat::MetaTrack88):
    case int(TelemetryFormat::MetaTrack92):
    case int(TelemetryFormat::FileTrailer):
        return ReadTrackLayout(path, static_cast<TelemetryFormat>(m_format));
    case int(TelemetryFormat::GpsIndexBox):
        return ReadGpsIndexBox(path);
    default:
        CloseFile();
        return Reject(RejectReason::UnsupportedLayout);
    }
}

RejectReason CDvr3gpParser::UndecidedReason(FourCC firstType) const {
    // An empty or zero-filled file is a recording the recorder never finished writing.
    if (m_ullFileSize == 0 || firstType == kNoBox)
        return RejectReason::CutShort;
    if (firstType != kFtyp)
        return RejectReason::NotRecorderFile;
    // The box that would have decided the layout was lost with the cut.
    if (m_bRanPastEnd)
        return RejectReason::CutShort;
    return RejectReason::UnsupportedLayout;
}

void CDvr3gpParser::PrePass(const std::string& path) {
    if (!OpenFile(path))
        return; // the layout reader cannot open it either
    m_ullFileSize = m_file.Length();
    int decided = -1;
    bool wide = false, skip = false, idit = false;
    FourCC firstType = kNoBox;
    Guarded([&] {
        uint64_t position = 0;
        for (int n = 0; n < kPrePassBoxLimit && position < m_ullFileSize; ++n) {
            uint32_t size = 0;
            FourCC type = ReadBoxHeader(position, size);
            if (n == 0)
                firstType = type;
            if (type == kThm || type == kFree) {
                decided = int(TelemetryFormat::MetaTrack88);
                break;
            }
            if (type == kIdit)
                idit = true;
            else if (type == kWide)
                wide = true;
            else if (type == kSkip)
                skip = true;
            else if (type == kMoov) {
                uint64_t child = position;
                if (wide) {
                    uint32_t udta = FindPath({kUdta}, child, size);
                    if (udta > kShortUdta) {
                        uint8_t head[8]; // the first child's size and type
                        ReadExactAt(child, head, sizeof head);
                        FourCC first = *FourCCAt(Bytes(head, sizeof head), 4);
                        decided = int(first == kTitleItem ? TelemetryFormat::MetaTrack92
                                                          : TelemetryFormat::FileTrailer);
                    } else if (udta != 0) {
                        decided = int(TelemetryFormat::FileTrailer);
                    }
                } else if (FindPath({kGpsIndex}, child, size) != 0) {
                    decided = int(TelemetryFormat::GpsIndexBox);
                } else if (skip || idit) {
                    decided = int(TelemetryFormat::InlineBoxes);
                }
            }
            position += size;
            if (decided >= 0)
                break;
        }
        return 0;
    });
    if (decided >= 0) {
        m_format = decided;
        return;
    }
    CloseFile();
    Reject(UndecidedReason(firstType));
}

bool CDvr3gpParser::BeginLayout(const std::string& path, uint64_t& position) {
    Reset();
    // The pre-pass hands its open file over (its status record is already filled); opening the
    // file a second time would only repeat the same system calls and reads.
    if (!m_file.IsOpen() && !OpenFile(path))
        return false;
    position = 0;
    uint32_t size = 0;
    m_ullFileSize = m_file.Length();
    if (FourCC first = ReadBoxHeader(position, size); first != kFtyp) {
        CloseFile();
        Reject(first == kNoBox ? RejectReason::CutShort : RejectReason::NotRecorderFile);
        return false;
    }
    position += size;
    return true;
}

time_t CDvr3gpParser::FileCreationLocalTime() const {
    // The file system's creation time, taken as local calendar fields.
    time_t created = m_file.CreationTime();
    struct tm fields {};
    localtime_r(&created, &fields);
    return LocalTimeOf(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour,
                       fields.tm_min, fields.tm_sec);
}

void CDvr3gpParser::PublishTrackLayout(TelemetryFormat format, uint8_t gpsRate) {
    m_gpsRate = gpsRate;
    m_gsensorInfo = GSensorInfo::FromWord(kFixedGSensorInfoWord);
    PublishCommon();
    if (m_pSummary)
        m_pSummary->format = format;
}

} // namespace vemora
