#pragma once
// Common base of the container readers (MP4/MOV and AVI). A reader object serves one file:
// SetSummary, optionally SetFileStatus, Parse, destroy. Parse returns 0 when the file is a
// supported recording and the summary was written, -1 otherwise; it never throws. Why a file was
// turned down is kept beside the result (LastVerdict).

#include "telemetry/ReadVerdict.h"
#include "telemetry/RecorderFile.h"
#include "telemetry/TelemetryModel.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

namespace vemora {

// Raised by the fixed-size read primitives when the file cannot deliver the bytes asked for.
// Caught inside every reader's Parse (see CDvrVideoParser::Guarded), which rejects the file with
// the reason carried; it never leaves a reader.
class FileReadError : public std::runtime_error {
public:
    FileReadError(RejectReason reason, const std::string& what)
        : std::runtime_error(what), m_reason(reason) {}
    RejectReason Reason() const { return m_reason; }

private:
    RejectReason m_reason;
};

class CDvrVideoParser {
public:
    CDvrVideoParser() = default;
    virtual ~CDvrVideoParser() = default;
    CDvrVideoParser(const CDvrVideoParser&) = delete;
    CDvrVideoParser& operator=(const CDvrVideoParser&) = delete;

    // Where to publish the result.
    virtual void SetSummary(ContainerSummary* summary) { m_pSummary = summary; }
    // 0 = supported recording, summary written; -1 = not supported or unreadable.
    virtual int Parse(const std::string& path);
    // A record to fill with the file's status when the file is opened.
    virtual void SetFileStatus(FileStatus* status) { m_pStatus = status; }

    // A flag that, once true, ends the reading at its next read (the walk then finds no more
    // boxes and the file is turned down). Not owned; null = never.
    void SetCancel(const std::atomic<bool>* cancel) { m_file.SetCancel(cancel); }

    // Read calls and bytes of the last Parse (and all earlier ones on this object).
    const RecorderFile& File() const { return m_file; }

    // Why the last Parse returned -1; no reason after 0.
    const ReadVerdict& LastVerdict() const { return m_verdict; }

    // Largest payload any reader loads into memory at once; telemetry boxes and sample tables of
    // real recordings are far smaller, so a larger size can only come from a damaged header.
    static constexpr uint64_t kMaxPayload = 64ull << 20;
    static constexpr uint32_t kRecordSize = 32;

protected:
    // Working state, copied into the summary by PublishCommon.
    RecorderFile m_file;
    time_t m_startTime = 0;
    int64_t m_lengthSeconds = 0;
    uint32_t m_durationMs = 0;
    uint64_t m_gpsBoxOffset = 0;
    uint32_t m_gpsBoxSize = 0;
    uint16_t m_width = 0;
    uint16_t m_height = 0;
    uint64_t m_gsensorBoxOffset = 0;
    uint32_t m_gsensorBoxSize = 0;
    uint64_t m_ullFileSize = 0;
    uint32_t m_gpsRate = 0; // only the low byte is used
    GSensorInfo m_gsensorInfo;
    ContainerSummary* m_pSummary = nullptr;
    FileStatus* m_pStatus = nullptr;
    int m_bMarkOk = 0;
    ReadVerdict m_verdict;
    // A box or chunk header promised more bytes than the file holds.
    bool m_bRanPastEnd = false;

    // Start of every Parse: no verdict yet.
    void BeginVerdict();
    // Records why the file is turned down (the first reason of a Parse stands) and gives -1.
    int Reject(RejectReason reason, const std::string& systemError = {});
    // The reason for turning down a file whose walk ended without all that a recording needs.
    // A file that ends inside a box lost whatever is missing with the cut, so that comes first.
    RejectReason MissingPartReason(bool movieHeader, bool videoTrack, bool mark) const;
    // Notes a box or chunk whose data would end at `end`.
    void NoteDataEnd(uint64_t end) {
        if (end > m_file.Length())
            m_bRanPastEnd = true;
    }

    // Clears the working state of one read; keeps the summary and status pointers and the mark.
    void Reset();

    // Opens the file and fills the status record when one was given. On failure the file is
    // rejected as CannotOpen with the system's error text.
    bool OpenFile(const std::string& path);
    void CloseFile() { m_file.Close(); }

    // Fixed-size reads at an absolute offset; each returns the offset after the data and throws
    // FileReadError when the file does not hold all the bytes (CutShort) or the system fails to
    // read them (CannotOpen). This is the one way a reader treats data it must have.
    uint64_t ReadByteAt(uint64_t offset, uint8_t* out);
    uint64_t ReadThreeAt(uint64_t offset, std::array<uint8_t, 3>& out);
    uint64_t ReadRecordAt(uint64_t offset, std::array<uint8_t, kRecordSize>& out);
    void ReadExactAt(uint64_t offset, void* buffer, size_t n);

    // Reads a whole payload into a fresh buffer. The size is checked against the file before
    // anything is allocated: a payload that runs past the end, or is larger than kMaxPayload,
    // raises FileReadError.
    std::vector<uint8_t> ReadPayloadAt(uint64_t offset, uint64_t size);

    // Throws FileReadError unless [offset, offset + size) lies inside the file. Used where the
    // recorder's layout steps over data that need not be read.
    void RequireInFile(uint64_t offset, uint64_t size) const;

    // The local time of calendar fields as the recorder wrote them (daylight saving decided by
    // the local rules). Returns 0 when the fields cannot be represented.
    static time_t LocalTimeOf(int year, int month, int day, int hour, int minute, int second);

    // A 32-byte "gps0" record as start time source: when its time fields are present and valid,
    // sets m_startTime to that local time minus index / rate seconds (rate = low byte of
    // m_gpsRate, 1 when that byte is 0) and returns true.
    bool TryGpsRecordStartTime(const std::array<uint8_t, kRecordSize>& record, uint32_t index);

    // An "IDIT" text "YYYY-MM-DD HH:MM:SS": when it matches and the fields are valid, sets
    // m_startTime to that local time and returns true; returns false otherwise. Only the first
    // 64 bytes of a longer text are looked at.
    bool ApplyIditText(const uint8_t* text, size_t size);

    // The inline payloads ("gps0", "gsen") hold no more records than the recording's length
    // allows (TrackLimits.h). A "gps0" record covers at least a second, as its rate is a divisor;
    // G-sensor samples are bounded at kMostGSensorRate.
    bool InlinePayloadsWithinLength() const;

    // Counts one more box or chunk header of a walk; past kMaxWalkedHeaders raises
    // FileReadError(TooManyBoxes). A recording has some hundreds; a file of eight-byte boxes has
    // hundreds of millions, and walking them would hold the scan for minutes.
    void CountWalkedHeader();
    static constexpr uint64_t kMaxWalkedHeaders = 1u << 20;
    uint64_t m_nWalkedHeaders = 0;

    // Copies the working state into the summary (when set); the format is left to the caller.
    void PublishCommon();

    // Runs one reader body; a FileReadError (or an allocation failure) closes the file, rejects
    // it with the error's reason and gives -1, so no exception leaves Parse.
    template <typename Body> int Guarded(Body&& body, bool announce = false);

    static void AnnounceCatch();
};

template <typename Body> int CDvrVideoParser::Guarded(Body&& body, bool announce) {
    try {
        return body();
    } catch (const FileReadError& e) {
        Reject(e.Reason(), e.Reason() == RejectReason::CannotOpen ? e.what() : std::string());
    } catch (const std::bad_alloc&) {
        Reject(RejectReason::NotRecorderFile); // sizes no recording has
    } catch (const std::length_error&) {
        Reject(RejectReason::NotRecorderFile);
    }
    CloseFile();
    if (announce)
        AnnounceCatch();
    return -1;
}

} // namespace vemora
