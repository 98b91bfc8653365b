#pragma once
// Writes a clip: both cameras in step in every frame, seamless across the recorder's cuts, the
// telemetry band below the pictures, each recording's sound (the front camera's, else the
// rear's). Every picture shows what each camera had taken by then, so the clip keeps the real
// time of the drive over cuts, write stalls and cameras of other rates. MP4, H.264 yuv420p
// (limited range) with the index in front, AAC, timestamps from 0, the lead camera's frame
// rate. Plain types only, so that the command-line tool and the desktop program share it
// without seeing FFmpeg.

#include "media/ClipPlan.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vemora::media {

enum class ClipLayout {
    Side,  // front left, rear right, both at the front's height
    Pip,   // front full, rear inset at a third of the width in the top-right corner
    Front, // the front camera alone
    Rear,  // the rear camera alone
};
const char* LayoutName(ClipLayout layout);
bool LayoutFromName(const std::string& name, ClipLayout& layout);

enum class ClipQuality { Standard, High };

// How large the clip's pictures are. Full: the height of the camera the layout is built on (at
// most 1080 lines), for evidence. Share: the same, made smaller where needed so that the whole
// frame is at most kShareMaxWidth pixels wide, for sending on (two 1080p cameras side by side
// come out 960 x 540 each).
enum class ClipSize { Full, Share };
inline constexpr int kShareMaxWidth = 1920;
const char* SizeName(ClipSize size);
bool SizeFromName(const std::string& name, ClipSize& size);

struct ClipOptions {
    ClipLayout layout = ClipLayout::Side;
    bool band = true;
    bool mirrorRear = false;        // the rear picture mirrored, as the window shows it after FLIP
    int height = 0;                 // picture height (without the band); 0 = the front's, at most 1080
    ClipSize size = ClipSize::Full; // Share also keeps a given height within kShareMaxWidth
    bool mph = false;               // speed unit of the band
    ClipQuality quality = ClipQuality::Standard;
    std::string outPath;
};

struct ClipProgress {
    int64_t framesDone = 0;
    int64_t framesTotal = 0; // planned; the last parts may come out a frame longer or shorter
};

struct ClipResult {
    bool ok = false;
    bool cancelled = false;
    std::string error; // readable, with the file it concerns
    int64_t frames = 0;
    int64_t durationMs = 0;
    int width = 0;
    int height = 0;
    ClipLayout layout = ClipLayout::Side; // what was written: a missing camera narrows it
    std::vector<std::string> files;       // recordings used, in order
    std::vector<std::string> notes;       // what the user should know ("no rear camera ...")
};

// Runs on the caller's thread. cancel (may be null) is checked once per frame; progress (may be
// empty) is called once per frame. Output goes to a hidden temporary beside outPath (WholeFile)
// that takes its name only when complete: after a failure or a cancel nothing is left at outPath
// and an existing file there is untouched. Temporaries that dead exports left in the folder are
// removed first.
ClipResult WriteClip(const ClipPlan& plan, const ClipOptions& options,
                     const std::atomic<bool>* cancel = nullptr,
                     const std::function<void(const ClipProgress&)>& progress = {});

// What the encoders are set up from.
struct ClipEncoding {
    ClipQuality quality = ClipQuality::Standard;
    ClipSize size = ClipSize::Full;
};

// Encoder settings of the two qualities and sizes (the benchmark's command line uses the same).
const char* X264Preset();
int X264Crf(ClipQuality quality);
std::string X264Params(ClipSize size); // libx264's own options ("key=value:..."), or empty
int AacBitRate(ClipQuality quality);

} // namespace vemora::media
