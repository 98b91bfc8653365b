#pragma once
// Decodes one stream (the best video or audio stream) of a file, frame after frame in
// presentation order, each frame with its time in milliseconds from the recording's start: the
// clock of the players' time reports and of the telemetry timeline.

#include "media/FfmpegOwners.h"
#include "media/PictureMemory.h"

#include <memory>
#include <optional>
#include <string>

namespace vemora::media {

enum class StreamKind { Video, Audio };

class StreamReader {
public:
    // Null with the reason in *error when the file cannot be opened or has no decodable stream of
    // that kind ("no audio stream" for a silent recording).
    static std::unique_ptr<StreamReader> Open(const std::string& path, StreamKind kind, std::string* error);

    // The length of a file's video as its container gives it (the stream's duration, else the
    // file's), read from the headers alone, without decoding; nullopt when it names none.
    static std::optional<double> VideoLengthMs(const std::string& path, std::string* error);

    // Moves to the key frame at or before timeMs; the frames before timeMs still come out of
    // Next, so that the caller picks the exact one.
    bool SeekBefore(double timeMs, std::string* error);
    // The next decoded frame, owned by the reader until the following call. Null at the end of
    // the stream (error left empty) or on a failure (reason in *error).
    const AVFrame* Next(std::string* error);
    // Time of the frame Next returned last.
    double FrameTimeMs() const { return m_lastTimeMs; }

    const std::string& Path() const { return m_path; }
    const AVCodecContext& Codec() const { return *m_codec; }
    // The open file and the number of the stream read, for what else is learnt from the headers
    // (the frame index). Reading packets from it moves the place: seek before decoding on.
    AVFormatContext& Format() { return *m_input; }
    int StreamIndex() const { return m_stream->index; }
    // The shape of a frame's pixels, as the container or the picture says; 1:1 when neither does.
    AVRational SampleAspect(const AVFrame& frame) const;
    // The stream's frame rate (video); 0/1 when it names none.
    AVRational FrameRate() const;
    double FrameDurationMs() const;
    // The stream's own length (its duration, else the file's); 0 when it names none.
    double DurationMs() const;
    // The shape of one stored pixel (the stream's, else the decoder's); 1:1 when unknown.
    AVRational SampleAspect() const;
    // The width the video's pictures are shown at: non-square pixels drawn at their shape.
    int ShownWidth() const;

private:
    StreamReader() = default;
    bool SendNextPacket(std::string* error);
    double TimeOf(const AVFrame& frame);

    std::string m_path;
    InputPtr m_input;
    // Outlives the decoder, which takes its pictures from it.
    std::unique_ptr<PictureMemory> m_pictures;
    CodecPtr m_codec;
    FramePtr m_frame;
    PacketPtr m_packet;
    AVStream* m_stream = nullptr;
    int64_t m_startPts = 0;
    double m_lastTimeMs = 0;
    bool m_haveLast = false;
    bool m_draining = false;
    bool m_ended = false;
};

} // namespace vemora::media
