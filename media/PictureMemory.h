#pragma once
// Memory for a video decoder's pictures. FFmpeg's own frame pool zeroes every buffer it makes,
// and a decoder whose pictures are kept (the review keeps a group of pictures for the steps back)
// needs a fresh buffer for each: zeroing it and faulting its pages in cost as much as decoding
// it. Here each picture's planes share one anonymous mapping, which the system hands out zeroed
// already (nothing of the process shows through a damaged picture), in huge pages where it
// offers them; buffers are recycled while the decoder lives and unmapped once the last
// picture made in them is released.

#include "media/FfmpegOwners.h"

#include <cstddef>
#include <mutex>

namespace vemora::media {

class PictureMemory {
public:
    PictureMemory() = default;
    ~PictureMemory();
    PictureMemory(const PictureMemory&) = delete;
    PictureMemory& operator=(const PictureMemory&) = delete;

    // Makes the decoder take its pictures from here; called before the decoder is opened. The
    // decoder must be freed before this object; pictures it made may outlive both.
    void Serve(AVCodecContext& decoder);

private:
    static int GetBuffer(AVCodecContext* decoder, AVFrame* frame, int flags);
    AVBufferRef* Buffer(size_t size);

    std::mutex m_mutex;
    AVBufferPool* m_pool = nullptr;
    size_t m_poolSize = 0;
};

} // namespace vemora::media
