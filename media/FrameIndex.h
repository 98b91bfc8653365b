#pragma once
// Every picture of a file's video stream in presentation order, with its time in milliseconds
// from the recording's start (the players' clock) and whether decoding may start at it. Taken
// from the demuxer's own index of the file (the sample tables an MP4/MOV file carries) where the
// stream's pictures are stored in the order they are shown; otherwise from the demuxer's
// packets, which reads the whole file without decoding a picture.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct AVFormatContext;
struct AVStream;

namespace vemora::media {

// A picture as the demuxer's index stores it: its stored time in the stream's ticks (the
// decoding time, which is also the shown one only where pictures are not reordered) and
// whether decoding may start at it.
struct IndexedPicture {
    int64_t ticks = 0;
    bool key = false;
};
// The index entries of the stream that hold a picture in the file, in the index's order (a file
// cut short keeps its index but not the pictures after the cut).
std::vector<IndexedPicture> IndexedPictures(AVFormatContext& input, AVStream& stream);
// The stream's first time in its ticks, from which the players' clock counts (0 when unnamed).
int64_t StartTicks(const AVStream& stream);

struct FrameEntry {
    double timeMs = 0;
    bool key = false;
};

class FrameIndex {
public:
    enum class Source { None, DemuxerIndex, Packets };

    // False with the reason in *error when the file cannot be read or holds no pictures.
    bool Build(const std::string& path, std::string* error);
    // The same from a file already open with its stream headers read: video stream `stream` of
    // `input`. Reading packets leaves the demuxer at the file's end; the caller seeks.
    bool BuildFrom(AVFormatContext& input, int stream, const std::string& path, std::string* error);

    size_t Count() const { return m_frames.size(); }
    const FrameEntry& operator[](size_t n) const { return m_frames[n]; }
    // The picture whose time is nearest to timeMs (the earlier one on a tie).
    size_t NearestTo(double timeMs) const;
    // The last picture at or before n from which decoding can start (0 when none is marked).
    size_t KeyAtOrBefore(size_t n) const;
    // The typical distance between two pictures (the median step).
    double FrameDurationMs() const { return m_frameMs; }
    // From the first picture's start to the last one's end.
    double DurationMs() const;
    // Where the times came from.
    Source From() const { return m_source; }

private:
    void Finish();

    std::vector<FrameEntry> m_frames;
    double m_frameMs = 0;
    Source m_source = Source::None;
};

} // namespace vemora::media
