#pragma once
// The clip's sound: the recordings' sound cut to the pictures used and laid end to end. Its
// sample count is tied to the picture count at every cut, so that sound and pictures stay
// together however long the clip runs; a recording whose sound is short is filled with silence.

#include "media/ClipOutput.h"
#include "media/StreamReader.h"

#include <memory>
#include <string>

namespace vemora::media {

class ClipSound {
public:
    explicit ClipSound(ClipOutput& output);

    // Starts the sound of the next recording at startMs (the time of its first picture used).
    // A recording without sound adds silence.
    bool BeginPart(const std::string& path, double startMs, std::string* error);
    // Brings the encoded sound up to totalSamples from the clip's start. At the end of a part
    // (partEnded) whatever the recording lacks is filled with silence.
    bool FillTo(int64_t totalSamples, bool partEnded, std::string* error);
    // Encodes what is left.
    bool Finish(std::string* error);

private:
    bool DecodeMore(std::string* error);
    bool Queue(const AVFrame& decoded, std::string* error);
    bool EncodeFull(bool all, std::string* error);
    bool PushSilence(int count);

    ClipOutput& m_output;
    std::unique_ptr<StreamReader> m_reader;
    ResamplerPtr m_resampler;
    FifoPtr m_part;    // this recording's sound, not yet given to the clip
    FifoPtr m_pending; // the clip's sound, not yet encoded
    FramePtr m_chunk;
    double m_startMs = 0;
    bool m_partSoundEnded = true;
    int64_t m_queued = 0;  // samples given to the clip so far
    int64_t m_encoded = 0; // samples encoded so far
};

} // namespace vemora::media
