#include "media/PictureMemory.h"

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
}

#include <cstdint>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/mman.h>
#include <unistd.h>
#define VEMORA_MAPPED_PICTURES 1
#endif

namespace vemora::media {

namespace {

// What FFmpeg's own pool leaves after each plane: SIMD code may read a little past a plane's end.
constexpr size_t kPlaneAlign = 64;
constexpr size_t kPlaneSlack = 16 + kPlaneAlign - 1;

size_t RoundUp(size_t n, size_t step) {
    return (n + step - 1) / step * step;
}

#ifdef VEMORA_MAPPED_PICTURES

constexpr size_t kHugePage = size_t{2} << 20;

void Unmap(void* length, uint8_t* data) {
    ::munmap(data, reinterpret_cast<uintptr_t>(length));
}

// A picture of 2 MiB or more (HD and up) takes whole huge pages, on a huge page's boundary: a few
// faults per picture instead of one per 4 KiB, for at most a third more memory (1080p).
AVBufferRef* MapPicture(size_t size) {
    static const size_t page = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
    const bool huge = size >= kHugePage;
    const size_t length = RoundUp(size, huge ? kHugePage : page);
    const size_t slack = huge ? kHugePage - page : 0;
    void* mapped =
        ::mmap(nullptr, length + slack, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    auto* start = static_cast<uint8_t*>(mapped);
    if (slack) {
        auto* aligned = reinterpret_cast<uint8_t*>(RoundUp(reinterpret_cast<uintptr_t>(start), kHugePage));
        if (aligned > start)
            ::munmap(start, static_cast<size_t>(aligned - start));
        if (const size_t tail = slack - static_cast<size_t>(aligned - start))
            ::munmap(aligned + length, tail);
        start = aligned;
#ifdef MADV_HUGEPAGE
        ::madvise(start, length, MADV_HUGEPAGE);
#endif
    }
    AVBufferRef* buffer = av_buffer_create(start, length, Unmap, reinterpret_cast<void*>(length), 0);
    if (!buffer)
        ::munmap(start, length);
    return buffer;
}

#else

AVBufferRef* MapPicture(size_t size) {
    return av_buffer_allocz(size);
}

#endif

// The planes' line lengths, aligned as the decoder asks: the width grows until every line
// length is a multiple of its plane's alignment (as FFmpeg's own pool does).
bool LineSizes(AVCodecContext& decoder, const AVFrame& frame, int lineSize[4], int& height) {
    int width = frame.width;
    height = frame.height;
    int align[AV_NUM_DATA_POINTERS] = {};
    avcodec_align_dimensions2(&decoder, &width, &height, align);
    for (int tries = 0; tries < 16; ++tries) {
        if (av_image_fill_linesizes(lineSize, static_cast<AVPixelFormat>(frame.format), width) < 0)
            return false;
        bool aligned = true;
        for (int i = 0; i < 4; ++i)
            aligned = aligned && (align[i] <= 0 || lineSize[i] % align[i] == 0);
        if (aligned)
            return true;
        width += width & ~(width - 1);
    }
    return false;
}

bool Plain(const AVCodecContext& decoder, const AVFrame& frame) {
    const AVPixFmtDescriptor* format = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(frame.format));
    return decoder.codec_type == AVMEDIA_TYPE_VIDEO && decoder.codec &&
           (decoder.codec->capabilities & AV_CODEC_CAP_DR1) && format &&
           !(format->flags & (AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_HWACCEL | AV_PIX_FMT_FLAG_BITSTREAM)) &&
           frame.width > 0 && frame.height > 0;
}

} // namespace

PictureMemory::~PictureMemory() {
    // Buffers still out stay valid: the pool is freed with the last of them.
    av_buffer_pool_uninit(&m_pool);
}

void PictureMemory::Serve(AVCodecContext& decoder) {
    decoder.opaque = this;
    decoder.get_buffer2 = &PictureMemory::GetBuffer;
}

AVBufferRef* PictureMemory::Buffer(size_t size) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (size != m_poolSize) {
        // A new picture size (a stream that changes it): the old pool goes with its last buffer.
        av_buffer_pool_uninit(&m_pool);
        m_poolSize = 0;
        m_pool = av_buffer_pool_init(size, MapPicture);
        if (!m_pool)
            return nullptr;
        m_poolSize = size;
    }
    return av_buffer_pool_get(m_pool);
}

int PictureMemory::GetBuffer(AVCodecContext* decoder, AVFrame* frame, int flags) {
    auto* self = static_cast<PictureMemory*>(decoder->opaque);
    if (!self || !Plain(*decoder, *frame))
        return avcodec_default_get_buffer2(decoder, frame, flags);
    int lineSize[4] = {};
    int height = 0;
    if (!LineSizes(*decoder, *frame, lineSize, height))
        return avcodec_default_get_buffer2(decoder, frame, flags);
    ptrdiff_t lines[4] = {lineSize[0], lineSize[1], lineSize[2], lineSize[3]};
    size_t planeSize[4] = {};
    if (av_image_fill_plane_sizes(planeSize, static_cast<AVPixelFormat>(frame->format), height, lines) < 0)
        return AVERROR(EINVAL);
    size_t offset[4] = {};
    size_t total = 0;
    for (int i = 0; i < 4 && planeSize[i]; ++i) {
        offset[i] = total;
        total = RoundUp(total + planeSize[i] + kPlaneSlack, kPlaneAlign);
    }
    AVBufferRef* buffer = self->Buffer(total);
    if (!buffer)
        return AVERROR(ENOMEM);
    frame->buf[0] = buffer;
    for (int i = 0; i < 4; ++i) {
        frame->data[i] = planeSize[i] ? buffer->data + offset[i] : nullptr;
        frame->linesize[i] = planeSize[i] ? lineSize[i] : 0;
    }
    frame->extended_data = frame->data;
    return 0;
}

} // namespace vemora::media
