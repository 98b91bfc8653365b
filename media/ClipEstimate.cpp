#include "media/ClipEstimate.h"

#include "media/ClipCameras.h"
#include "media/ClipGeometry.h"
#include "media/StreamReader.h"

#include <cmath>

namespace vemora::media {

namespace {

// Bits per picture pixel that libx264 spends at CRF 20 on camera footage (grain, motion) with the
// pictures 1920 x 540 in all, and how that changes: camera grain averages out as pictures are
// made smaller, so each pixel of a larger frame costs more (x pixels^0.66: 0.205 bits at 1920 x
// 540, 0.51 at 3840 x 1080); the share size's quicker motion search spends an eighth more; six
// CRF steps down double it. Measured on the camera-like card (bench/clip_export.sh); quiet
// footage (a night scene, a parked car) comes out smaller.
constexpr double kBitsPerPixelAtCrf20 = 0.205;
constexpr double kReferencePixels = 1920.0 * 540.0;
constexpr double kPixelExponent = 0.66;
constexpr double kShareEncodingFactor = 1.13;
constexpr int kReferenceCrf = 20;
constexpr double kCrfStepsPerDoubling = 6.0;
// The band is grey text on black that changes once a second: next to nothing.
constexpr double kBandBitsPerPixel = 0.002;
// The MP4's own bytes per picture (sample tables, headers).
constexpr double kContainerBytesPerFrame = 12;

void ReadCamera(const std::string& path, int& width, int& height, double& fps) {
    std::string why;
    auto reader = path.empty() ? nullptr : StreamReader::Open(path, StreamKind::Video, &why);
    if (!reader)
        return;
    width = reader->ShownWidth();
    height = reader->Codec().height;
    const AVRational rate = reader->FrameRate();
    fps = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0;
}

double BitsPerPixel(double pixels, const ClipOptions& options) {
    return kBitsPerPixelAtCrf20 * std::pow(pixels / kReferencePixels, kPixelExponent) *
           (options.size == ClipSize::Share ? kShareEncodingFactor : 1.0) *
           std::pow(2.0, (kReferenceCrf - X264Crf(options.quality)) / kCrfStepsPerDoubling);
}

} // namespace

ClipSources ReadClipSources(const ClipPlan& plan) {
    ClipSources sources;
    if (plan.parts.empty())
        return sources;
    const Cameras cameras = CamerasOf(plan);
    const ClipPart& first = plan.parts.front();
    if (cameras.front)
        ReadCamera(first.frontPath, sources.frontWidth, sources.frontHeight, sources.frontFps);
    if (cameras.rear)
        ReadCamera(first.rearPath, sources.rearWidth, sources.rearHeight, sources.rearFps);
    return sources;
}

ClipEstimate EstimateClip(const ClipSources& sources, const ClipOptions& options, double rangeMs) {
    ClipEstimate e;
    const bool front = sources.frontHeight > 0, rear = sources.rearHeight > 0;
    // A camera whose file cannot be read counts as missing, as it would in the clip.
    Cameras cameras;
    cameras.front = front;
    cameras.rear = rear;
    std::vector<std::string> notes;
    std::string error;
    e.layout = options.layout;
    if (!ChooseLayout(options.layout, cameras, e.layout, notes, &error))
        return e;
    const double fps = e.layout == ClipLayout::Rear ? sources.rearFps : sources.frontFps;
    if (fps <= 0 || !(rangeMs > 0))
        return e;
    const ClipGeometry g =
        PlanGeometry(e.layout, front ? sources.frontWidth : 0, front ? sources.frontHeight : 0,
                     rear ? sources.rearWidth : 0, rear ? sources.rearHeight : 0, options.height,
                     options.size, options.band);
    e.width = g.width;
    e.height = g.height;
    e.frames = static_cast<int64_t>(std::ceil(rangeMs * fps / 1000.0));
    const double pixels = static_cast<double>(g.width) * g.pictureHeight;
    const double pictureBits = pixels * BitsPerPixel(pixels, options);
    const double bandBits = static_cast<double>(g.band.width) * g.band.height * kBandBitsPerPixel;
    const double soundBits = AacBitRate(options.quality) * rangeMs / 1000.0;
    e.bytes = static_cast<int64_t>(
        std::llround((pictureBits + bandBits) * static_cast<double>(e.frames) / 8.0 + soundBits / 8.0 +
                     kContainerBytesPerFrame * static_cast<double>(e.frames)));
    e.ok = true;
    return e;
}

} // namespace vemora::media
