#pragma once
// The clip file being written: an MP4 with an H.264 (libx264) picture stream and, when the
// recording has sound, an AAC stream; the index moved to the front when finished.

#include "media/ClipWriter.h"
#include "media/FfmpegOwners.h"

#include <memory>
#include <string>

namespace vemora::media {

struct SoundFormat {
    int sampleRate = 0;
    AVChannelLayout layout{};
};

class ClipOutput {
public:
    // Creates path and writes the header. sound null: no sound stream.
    static std::unique_ptr<ClipOutput> Create(const std::string& path, int width, int height,
                                              AVRational frameRate, const SoundFormat* sound,
                                              const ClipEncoding& encoding, std::string* error);
    ~ClipOutput();

    // The frame to draw the next picture into (yuv420p, width x height).
    AVFrame* Picture(std::string* error);
    // Encodes the picture as frame number index (timestamps count frames from 0).
    bool WritePicture(int64_t index, std::string* error);
    bool HasSound() const { return m_audio != nullptr; }
    int SoundFrameSize() const;
    int SampleRate() const;
    const AVChannelLayout& ChannelLayout() const;
    // Encodes sound samples (planar float); pts counts samples from 0.
    bool WriteSound(AVFrame* samples, std::string* error);
    // Drains both encoders and finishes the file.
    bool Finish(std::string* error);

private:
    ClipOutput() = default;
    bool Drain(AVCodecContext* codec, AVStream* stream, std::string* error);
    bool Send(AVCodecContext* codec, AVStream* stream, const AVFrame* frame, std::string* error);

    std::string m_path;
    OutputPtr m_format;
    CodecPtr m_video;
    CodecPtr m_audio;
    AVStream* m_videoStream = nullptr;
    AVStream* m_audioStream = nullptr;
    FramePtr m_picture;
    PacketPtr m_packet;
};

} // namespace vemora::media
