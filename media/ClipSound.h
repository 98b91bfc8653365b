#pragma once
// The clip's sound: the recordings' sound taken by time and laid end to end. Every decoded
// block goes where its timestamp puts it, so a gap in a recording's sound (or a recording
// without sound) becomes silence and sound and pictures stay together however long the clip
// runs; the sample count is tied to the clip's time at every cut.

#include "media/ClipOutput.h"
#include "media/StreamReader.h"

#include <memory>
#include <string>

namespace vemora::media {

class ClipSound {
public:
    explicit ClipSound(ClipOutput& output);

    // Starts the sound of the next recording at startMs of it (where the clip's sound stands
    // now). path "" (a recording without sound) adds silence.
    bool BeginPart(const std::string& path, double startMs, std::string* error);
    // Brings the encoded sound up to totalSamples from the clip's start. Where the recording's
    // sound has ended (or it has none), silence fills what it lacks.
    bool FillTo(int64_t totalSamples, std::string* error);
    // Encodes what is left.
    bool Finish(std::string* error);

private:
    bool DecodeMore(std::string* error);
    bool Queue(const AVFrame& decoded, std::string* error);
    bool EncodeFull(bool all, std::string* error);
    bool PushSilence(int count);
    void PartSilence(int64_t count);

    ClipOutput& m_output;
    std::unique_ptr<StreamReader> m_reader;
    ResamplerPtr m_resampler;
    FifoPtr m_part;    // this recording's sound, not yet given to the clip
    FifoPtr m_pending; // the clip's sound, not yet encoded
    FramePtr m_chunk;
    double m_startMs = 0;
    bool m_partSoundEnded = true;
    int64_t m_partPos = 0; // samples put into m_part since the part began (silence included)
    int64_t m_queued = 0;  // samples given to the clip so far
    int64_t m_encoded = 0; // samples encoded so far
};

} // namespace vemora::media
