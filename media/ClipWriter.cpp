#include "media/ClipWriter.h"

#include "media/BandPainter.h"
#include "media/BandTexts.h"
#include "media/ClipGeometry.h"
#include "media/ClipOutput.h"
#include "media/ClipSound.h"
#include "media/PictureComposer.h"
#include "media/StreamReader.h"
#include "telemetry/TrackLoader.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <unistd.h>

namespace vemora::media {

namespace {

namespace fs = std::filesystem;

// Frames whose time lies within half a millisecond of a range boundary count as on it.
constexpr double kEdgeMs = 0.5;

// A camera whose pictures are paired with the leading camera's: it keeps the frame nearest to
// the time asked and the one after it.
class FollowingCamera {
public:
    explicit FollowingCamera(std::unique_ptr<StreamReader> reader)
        : m_reader(std::move(reader)), m_current(MakeFrame()), m_next(MakeFrame()) {}

    // The frame nearest to timeMs (null when the stream gave none at all).
    const AVFrame* NearestTo(double timeMs, std::string* error) {
        for (;;) {
            if (!m_haveNext && !m_ended && !Fetch(error))
                return nullptr;
            if (!m_haveCurrent && m_haveNext) {
                std::swap(m_current, m_next);
                m_currentMs = m_nextMs;
                m_haveCurrent = true;
                m_haveNext = false;
                continue;
            }
            if (m_haveNext && std::fabs(m_nextMs - timeMs) <= std::fabs(m_currentMs - timeMs)) {
                std::swap(m_current, m_next);
                m_currentMs = m_nextMs;
                m_haveNext = false;
                continue;
            }
            return m_haveCurrent ? m_current.get() : nullptr;
        }
    }
    StreamReader& Reader() { return *m_reader; }

private:
    bool Fetch(std::string* error) {
        const AVFrame* frame = m_reader->Next(error);
        if (!frame) {
            m_ended = true;
            return error->empty();
        }
        av_frame_unref(m_next.get());
        if (int rc = av_frame_ref(m_next.get(), frame); rc < 0) {
            *error = AvError(m_reader->Path(), "cannot keep a picture", rc);
            return false;
        }
        m_nextMs = m_reader->FrameTimeMs();
        m_haveNext = true;
        return true;
    }

    std::unique_ptr<StreamReader> m_reader;
    FramePtr m_current, m_next;
    double m_currentMs = 0, m_nextMs = 0;
    bool m_haveCurrent = false, m_haveNext = false, m_ended = false;
};

// The hidden name the clip is written under until it is complete.
std::string PartialPath(const std::string& out) {
    fs::path path(out);
    return (path.parent_path() / ("." + path.filename().string() + ".partial-" + std::to_string(::getpid())))
        .string();
}

struct Cameras {
    bool front = true;
    bool rear = true;
    std::string lacking; // the first recording in the range whose other camera's file is missing
};

Cameras CamerasOf(const ClipPlan& plan) {
    Cameras c;
    for (const ClipPart& part : plan.parts) {
        if (c.lacking.empty() && (part.frontPath.empty() || part.rearPath.empty()))
            c.lacking = part.recordPath;
        c.front = c.front && !part.frontPath.empty();
        c.rear = c.rear && !part.rearPath.empty();
    }
    return c;
}

// The layout that can be written with the cameras there are; false when none can.
bool ChooseLayout(ClipLayout asked, const Cameras& cameras, ClipLayout& layout,
                  std::vector<std::string>& notes, std::string* error) {
    layout = asked;
    if ((asked == ClipLayout::Front && !cameras.front) || (asked == ClipLayout::Rear && !cameras.rear)) {
        *error = cameras.lacking + ": the " + (asked == ClipLayout::Front ? "front" : "rear") +
                 " camera's file of this recording is missing";
        return false;
    }
    if (asked == ClipLayout::Side || asked == ClipLayout::Pip) {
        if (!cameras.rear) {
            layout = ClipLayout::Front;
            notes.push_back(
                "the rear camera's file is missing for a recording in the range: front camera alone");
        } else if (!cameras.front) {
            layout = ClipLayout::Rear;
            notes.push_back(
                "the front camera's file is missing for a recording in the range: rear camera alone");
        }
    }
    return true;
}

std::string Seconds(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", ms / 1000.0);
    return text;
}

class ClipJob {
public:
    ClipJob(const ClipPlan& plan, const ClipOptions& options, const std::atomic<bool>* cancel,
            const std::function<void(const ClipProgress&)>& progress)
        : m_plan(plan), m_options(options), m_cancel(cancel), m_progress(progress) {}

    ClipResult Run();

private:
    bool Prepare(std::string* error);
    bool WritePart(const ClipPart& part, std::string* error);
    bool WriteFrame(const AVFrame& lead, const AVFrame* follower, double timeMs, std::string* error);
    bool Cancelled() const { return m_cancel && m_cancel->load(); }

    const ClipPlan& m_plan;
    const ClipOptions& m_options;
    const std::atomic<bool>* m_cancel;
    const std::function<void(const ClipProgress&)>& m_progress;

    ClipResult m_result;
    ClipGeometry m_geometry;
    AVRational m_rate{0, 1};
    bool m_leadIsRear = false;
    std::string m_partial;
    std::unique_ptr<ClipOutput> m_output;
    std::unique_ptr<ClipSound> m_sound;
    std::unique_ptr<BandPainter> m_band;
    PictureComposer m_composer;
    BandTelemetry m_telemetry;
    TelemetryTrack m_track;
    int64_t m_framesTotal = 0;
    bool m_cancelled = false;
};

bool ClipJob::Prepare(std::string* error) {
    if (!ChooseLayout(m_options.layout, CamerasOf(m_plan), m_result.layout, m_result.notes, error))
        return false;
    const ClipLayout layout = m_result.layout;
    m_leadIsRear = layout == ClipLayout::Rear;
    const ClipPart& first = m_plan.parts.front();
    const bool wantFront = layout != ClipLayout::Rear;
    const bool wantRear = layout != ClipLayout::Front;
    int fw = 0, fh = 0, rw = 0, rh = 0;
    std::string why;
    if (wantFront) {
        auto reader = StreamReader::Open(first.frontPath, StreamKind::Video, error);
        if (!reader)
            return false;
        fw = reader->Codec().width;
        fh = reader->Codec().height;
        if (!m_leadIsRear)
            m_rate = reader->FrameRate();
    }
    if (wantRear) {
        auto reader = StreamReader::Open(first.rearPath, StreamKind::Video, error);
        if (!reader)
            return false;
        rw = reader->Codec().width;
        rh = reader->Codec().height;
        if (m_leadIsRear)
            m_rate = reader->FrameRate();
    }
    if (m_rate.num <= 0) {
        *error = (m_leadIsRear ? first.rearPath : first.frontPath) + ": the video names no frame rate";
        return false;
    }
    m_geometry = PlanGeometry(layout, fw, fh, rw, rh, m_options.height, m_options.band);
    m_result.width = m_geometry.width;
    m_result.height = m_geometry.height;
    if (m_options.band) {
        m_band = BandPainter::Create(FindBandFont(), m_geometry.band.width, m_geometry.band.height, error);
        if (!m_band)
            return false;
    }
    // The sound comes from the front camera (the rear camera's when the front is missing).
    const std::string& soundPath = first.frontPath.empty() ? first.rearPath : first.frontPath;
    SoundFormat sound;
    bool withSound = false;
    if (auto probe = StreamReader::Open(soundPath, StreamKind::Audio, &why)) {
        sound.sampleRate = probe->Codec().sample_rate;
        if (sound.sampleRate > 0 && av_channel_layout_copy(&sound.layout, &probe->Codec().ch_layout) >= 0) {
            if (sound.layout.order == AV_CHANNEL_ORDER_UNSPEC)
                av_channel_layout_default(&sound.layout, sound.layout.nb_channels);
            withSound = true;
        }
    }
    if (!withSound)
        m_result.notes.push_back("the recording has no sound: the clip is silent");
    for (const ClipPart& part : m_plan.parts)
        m_framesTotal +=
            static_cast<int64_t>(std::ceil((part.toMs - part.fromMs) * m_rate.num / m_rate.den / 1000.0));
    m_partial = PartialPath(m_options.outPath);
    m_output = ClipOutput::Create(m_partial, m_geometry.width, m_geometry.height, m_rate,
                                  withSound ? &sound : nullptr, m_options.quality, error);
    av_channel_layout_uninit(&sound.layout);
    if (!m_output)
        return false;
    if (withSound)
        m_sound = std::make_unique<ClipSound>(*m_output);
    return true;
}

bool ClipJob::WriteFrame(const AVFrame& lead, const AVFrame* follower, double timeMs, std::string* error) {
    AVFrame* frame = m_output->Picture(error);
    if (!frame)
        return false;
    const AVFrame* front = m_leadIsRear ? follower : &lead;
    const AVFrame* rear = m_leadIsRear ? &lead : follower;
    // The regions cover the whole frame; only a camera without a picture leaves a hole.
    const bool wantFront = m_result.layout != ClipLayout::Rear;
    const bool wantRear = m_result.layout != ClipLayout::Front;
    if ((wantFront && !front) || (wantRear && !rear))
        PictureComposer::Clear(*frame);
    if (front && !m_composer.Place(*front, m_geometry.front, false, *frame, error))
        return false;
    if (rear && !m_composer.Place(*rear, m_geometry.rear, m_options.mirrorRear, *frame, error))
        return false;
    if (m_band)
        PictureComposer::PlaceBand(m_band->Luma(BandLines(m_telemetry, timeMs)), m_geometry.band, *frame);
    return m_output->WritePicture(m_result.frames, error);
}

bool ClipJob::WritePart(const ClipPart& part, std::string* error) {
    const std::string& leadPath = m_leadIsRear ? part.rearPath : part.frontPath;
    const std::string& followPath = m_leadIsRear ? part.frontPath : part.rearPath;
    auto lead = StreamReader::Open(leadPath, StreamKind::Video, error);
    if (!lead)
        return false;
    if (part.fromMs > 0 && !lead->SeekBefore(part.fromMs, error))
        return false;
    std::unique_ptr<FollowingCamera> follower;
    if (m_result.layout == ClipLayout::Side || m_result.layout == ClipLayout::Pip) {
        auto reader = StreamReader::Open(followPath, StreamKind::Video, error);
        if (!reader)
            return false;
        if (part.fromMs > 0 && !reader->SeekBefore(part.fromMs, error))
            return false;
        follower = std::make_unique<FollowingCamera>(std::move(reader));
    }
    // The band reads the telemetry of the recording the range runs through.
    m_track = TelemetryTrack();
    if (!LoadTelemetryTrack(part.recordPath, part.summary, m_track))
        m_track = TelemetryTrack();
    m_telemetry = BandTelemetry{&m_track, part.summary, m_options.mph};

    const double step = lead->FrameDurationMs();
    bool started = false;
    double lastMs = part.fromMs;
    for (;;) {
        const AVFrame* frame = lead->Next(error);
        if (!frame) {
            if (!error->empty())
                return false;
            break;
        }
        double t = lead->FrameTimeMs();
        if (t < part.fromMs - kEdgeMs)
            continue;
        if (t >= part.toMs - kEdgeMs)
            break;
        if (!started) {
            started = true;
            if (m_sound &&
                !m_sound->BeginPart(part.frontPath.empty() ? part.rearPath : part.frontPath, t, error))
                return false;
        }
        if (Cancelled()) {
            m_cancelled = true;
            return false;
        }
        const AVFrame* paired = nullptr;
        if (follower && !(paired = follower->NearestTo(t, error)) && !error->empty())
            return false;
        if (!WriteFrame(*frame, paired, t, error))
            return false;
        ++m_result.frames;
        lastMs = t;
        if (m_sound && !m_sound->FillTo(av_rescale(m_result.frames,
                                                   int64_t(m_output->SampleRate()) * m_rate.den, m_rate.num),
                                        false, error))
            return false;
        if (m_progress)
            m_progress(ClipProgress{m_result.frames, std::max(m_framesTotal, m_result.frames)});
    }
    // A recording whose pictures stop well before its range ends is damaged: a clip with a hole
    // is no evidence.
    if (!started || lastMs + 2 * step + kEdgeMs < part.toMs) {
        *error = leadPath + ": the pictures end at " + Seconds(started ? lastMs + step : part.fromMs) +
                 " of " + Seconds(part.toMs) + "; the recording is damaged";
        return false;
    }
    if (m_sound && !m_sound->FillTo(
                       av_rescale(m_result.frames, int64_t(m_output->SampleRate()) * m_rate.den, m_rate.num),
                       true, error))
        return false;
    m_result.files.push_back(part.frontPath.empty() ? part.rearPath : part.frontPath);
    if (!part.rearPath.empty() && !part.frontPath.empty())
        m_result.files.push_back(part.rearPath);
    return true;
}

ClipResult ClipJob::Run() {
    std::string error;
    if (!m_plan.ok || m_plan.parts.empty()) {
        m_result.error = m_plan.error.empty() ? "nothing to export" : m_plan.error;
        return m_result;
    }
    bool ok = Prepare(&error);
    for (size_t i = 0; ok && i < m_plan.parts.size(); ++i)
        ok = WritePart(m_plan.parts[i], &error);
    if (ok && m_sound)
        ok = m_sound->Finish(&error);
    if (ok)
        ok = m_output->Finish(&error);
    m_sound.reset();
    m_output.reset();
    std::error_code ec;
    if (ok) {
        fs::rename(m_partial, m_options.outPath, ec);
        if (ec) {
            ok = false;
            error = m_options.outPath + ": cannot give the clip its name: " + ec.message();
        }
    }
    if (!ok) {
        if (!m_partial.empty())
            fs::remove(m_partial, ec);
        // Name the file the user asked for, not the hidden one.
        if (size_t at = m_partial.empty() ? std::string::npos : error.find(m_partial);
            at != std::string::npos)
            error.replace(at, m_partial.size(), m_options.outPath);
        m_result.cancelled = m_cancelled;
        m_result.error = m_cancelled ? "cancelled" : error;
        m_result.files.clear();
        return m_result;
    }
    m_result.durationMs = av_rescale(m_result.frames, int64_t(1000) * m_rate.den, m_rate.num);
    m_result.ok = true;
    return m_result;
}

} // namespace

const char* LayoutName(ClipLayout layout) {
    switch (layout) {
    case ClipLayout::Side:
        return "side";
    case ClipLayout::Pip:
        return "pip";
    case ClipLayout::Front:
        return "front";
    case ClipLayout::Rear:
        return "rear";
    }
    return "side";
}

bool LayoutFromName(const std::string& name, ClipLayout& layout) {
    for (ClipLayout l : {ClipLayout::Side, ClipLayout::Pip, ClipLayout::Front, ClipLayout::Rear})
        if (name == LayoutName(l)) {
            layout = l;
            return true;
        }
    return false;
}

ClipResult WriteClip(const ClipPlan& plan, const ClipOptions& options, const std::atomic<bool>* cancel,
                     const std::function<void(const ClipProgress&)>& progress) {
    // Every failure comes back as a message; FFmpeg's own log lines would only repeat it.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_QUIET); });
    return ClipJob(plan, options, cancel, progress).Run();
}

} // namespace vemora::media
