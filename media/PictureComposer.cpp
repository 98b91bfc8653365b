#include "media/PictureComposer.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <algorithm>
#include <cstring>

namespace vemora::media {

namespace {

void MirrorRows(uint8_t* data, int stride, int x, int y, int width, int height) {
    for (int row = 0; row < height; ++row) {
        uint8_t* p = data + static_cast<ptrdiff_t>(y + row) * stride + x;
        std::reverse(p, p + width);
    }
}

void CopyPlane(const uint8_t* src, int srcStride, uint8_t* dst, int dstStride, int width, int height) {
    for (int row = 0; row < height; ++row)
        std::memcpy(dst + static_cast<ptrdiff_t>(row) * dstStride,
                    src + static_cast<ptrdiff_t>(row) * srcStride, static_cast<size_t>(width));
}

// Whether a picture's samples use the full 0-255 range (the deprecated "J" formats always do).
bool FullRange(const AVFrame& source) {
    switch (source.format) {
    case AV_PIX_FMT_YUVJ420P:
    case AV_PIX_FMT_YUVJ422P:
    case AV_PIX_FMT_YUVJ444P:
    case AV_PIX_FMT_YUVJ440P:
    case AV_PIX_FMT_YUVJ411P:
        return true;
    default:
        return source.color_range == AVCOL_RANGE_JPEG;
    }
}

// Bicubic where the picture keeps most of its size. Made half as large or smaller, each output
// pixel averages several source pixels: the scaler widens its bilinear filter over all of them,
// which is as sharp there as the bicubic one at half its cost.
int ScaleFilter(const AVFrame& source, const Region& region) {
    const bool halvedOrSmaller = 2 * region.width <= source.width && 2 * region.height <= source.height;
    return halvedOrSmaller ? SWS_BILINEAR : SWS_BICUBIC;
}

} // namespace

void PictureComposer::Clear(AVFrame& frame) {
    for (int plane = 0; plane < 3; ++plane) {
        int h = plane == 0 ? frame.height : (frame.height + 1) / 2;
        int w = plane == 0 ? frame.width : (frame.width + 1) / 2;
        for (int row = 0; row < h; ++row)
            std::memset(frame.data[plane] + static_cast<ptrdiff_t>(row) * frame.linesize[plane],
                        plane == 0 ? 16 : 128, static_cast<size_t>(w));
    }
}

SwsContext* PictureComposer::ScalerFor(const AVFrame& source, const Region& region) {
    Key key{source.width, source.height, source.format, region.width, region.height, FullRange(source)};
    for (int i = 0; i < 2; ++i)
        if (m_scalers[i] && m_keys[i] == key)
            return m_scalers[i].get();
    int slot = m_next;
    m_next = 1 - m_next;
    m_keys[slot] = key;
    // The source's range in, limited range out: full-range pictures are neither crushed nor
    // clipped. Set before the scaler is initialised: a later change is not applied to sources
    // of more than 8 bits.
    SwsContext* scaler = sws_alloc_context();
    m_scalers[slot].reset(scaler);
    if (!scaler)
        return nullptr;
    av_opt_set_int(scaler, "srcw", source.width, 0);
    av_opt_set_int(scaler, "srch", source.height, 0);
    av_opt_set_int(scaler, "src_format", source.format, 0);
    av_opt_set_int(scaler, "dstw", region.width, 0);
    av_opt_set_int(scaler, "dsth", region.height, 0);
    av_opt_set_int(scaler, "dst_format", AV_PIX_FMT_YUV420P, 0);
    av_opt_set_int(scaler, "sws_flags", ScaleFilter(source, region), 0);
    av_opt_set_int(scaler, "src_range", key.fullRange ? 1 : 0, 0);
    av_opt_set_int(scaler, "dst_range", 0, 0);
    if (sws_init_context(scaler, nullptr, nullptr) < 0) {
        m_scalers[slot].reset();
        return nullptr;
    }
    return m_scalers[slot].get();
}

bool PictureComposer::Place(const AVFrame& source, const Region& region, bool mirror, AVFrame& frame,
                            std::string* error) {
    if (region.Empty())
        return true;
    uint8_t* dst[4] = {
        frame.data[0] + static_cast<ptrdiff_t>(region.y) * frame.linesize[0] + region.x,
        frame.data[1] + static_cast<ptrdiff_t>(region.y / 2) * frame.linesize[1] + region.x / 2,
        frame.data[2] + static_cast<ptrdiff_t>(region.y / 2) * frame.linesize[2] + region.x / 2, nullptr};
    const bool sameSize = source.width == region.width && source.height == region.height;
    if (sameSize && source.format == AV_PIX_FMT_YUV420P && !FullRange(source)) {
        CopyPlane(source.data[0], source.linesize[0], dst[0], frame.linesize[0], region.width, region.height);
        CopyPlane(source.data[1], source.linesize[1], dst[1], frame.linesize[1], region.width / 2,
                  region.height / 2);
        CopyPlane(source.data[2], source.linesize[2], dst[2], frame.linesize[2], region.width / 2,
                  region.height / 2);
    } else {
        SwsContext* scaler = ScalerFor(source, region);
        if (!scaler) {
            *error = "cannot scale pictures of this format";
            return false;
        }
        sws_scale(scaler, source.data, source.linesize, 0, source.height, dst, frame.linesize);
    }
    if (mirror) {
        MirrorRows(frame.data[0], frame.linesize[0], region.x, region.y, region.width, region.height);
        MirrorRows(frame.data[1], frame.linesize[1], region.x / 2, region.y / 2, region.width / 2,
                   region.height / 2);
        MirrorRows(frame.data[2], frame.linesize[2], region.x / 2, region.y / 2, region.width / 2,
                   region.height / 2);
    }
    return true;
}

void PictureComposer::PlaceBand(const std::vector<uint8_t>& luma, const Region& region, AVFrame& frame) {
    if (region.Empty())
        return;
    CopyPlane(luma.data(), region.width, frame.data[0] + static_cast<ptrdiff_t>(region.y) * frame.linesize[0],
              frame.linesize[0], region.width, region.height);
    for (int plane = 1; plane < 3; ++plane)
        for (int row = 0; row < region.height / 2; ++row)
            std::memset(frame.data[plane] +
                            static_cast<ptrdiff_t>(region.y / 2 + row) * frame.linesize[plane],
                        128, static_cast<size_t>(region.width / 2));
}

} // namespace vemora::media
