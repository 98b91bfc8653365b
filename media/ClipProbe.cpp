#include "media/ClipProbe.h"

#include "media/StreamReader.h"

namespace vemora::media {

bool ProbeClip(const std::string& path, ClipFacts& facts, const std::function<void(const LumaView&)>& visit,
               std::string* error) {
    facts = ClipFacts();
    auto video = StreamReader::Open(path, StreamKind::Video, error);
    if (!video)
        return false;
    facts.width = video->Codec().width;
    facts.height = video->Codec().height;
    facts.yuv420p = video->Codec().pix_fmt == AV_PIX_FMT_YUV420P;
    facts.videoCodec = avcodec_get_name(video->Codec().codec_id);
    while (const AVFrame* frame = video->Next(error)) {
        ++facts.frames;
        if (visit)
            visit(LumaView{frame->data[0], frame->linesize[0], frame->width, frame->height});
    }
    if (!error->empty())
        return false;
    std::string noSound;
    if (auto sound = StreamReader::Open(path, StreamKind::Audio, &noSound)) {
        facts.hasSound = true;
        facts.soundCodec = avcodec_get_name(sound->Codec().codec_id);
        int64_t samples = 0;
        while (const AVFrame* frame = sound->Next(error))
            samples += frame->nb_samples;
        if (!error->empty())
            return false;
        if (sound->Codec().sample_rate > 0)
            facts.soundMs = 1000.0 * static_cast<double>(samples) / sound->Codec().sample_rate;
    }
    return true;
}

} // namespace vemora::media
