#pragma once
// Every picture of a file's video stream in presentation order, with its time in milliseconds
// from the recording's start (the players' clock) and whether decoding may start at it. Built once
// per file from the demuxer's packets, without decoding a picture.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vemora::media {

struct FrameEntry {
    double timeMs = 0;
    bool key = false;
};

class FrameIndex {
public:
    // False with the reason in *error when the file cannot be read or holds no pictures.
    bool Build(const std::string& path, std::string* error);

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

private:
    std::vector<FrameEntry> m_frames;
    double m_frameMs = 0;
};

} // namespace vemora::media
