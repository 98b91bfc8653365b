#include "media/ClipWriter.h"

#include "map/NumberText.h"
#include "media/BandPainter.h"
#include "media/BandTexts.h"
#include "media/ClipCameras.h"
#include "media/ClipGeometry.h"
#include "media/ClipOutput.h"
#include "media/ClipSound.h"
#include "media/PictureComposer.h"
#include "media/StreamReader.h"
#include "platform/WholeFile.h"
#include "telemetry/TrackLoader.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <optional>

namespace vemora::media {

namespace {

namespace fs = std::filesystem;

// Frames whose time lies within half a millisecond of a range boundary count as on it.
constexpr double kEdgeMs = 0.5;
// A camera whose pictures end before its recording does keeps its last picture this long; then
// its region turns black.
constexpr double kHoldMs = 1000;

// One camera's pictures in the current recording, chosen by time: at each moment the latest
// picture taken at or before it (within half a clip frame). Over a stall in the timestamps the
// previous picture stays; a recording of another frame rate keeps its own speed; after the last
// picture that one stays up to kHoldMs, then there is none (black).
class CameraPictures {
public:
    CameraPictures() : m_current(MakeFrame()), m_next(MakeFrame()) {}

    // The camera's file of the next recording, read from fromMs on; path "" for none (black).
    bool Begin(const std::string& path, double fromMs, double toleranceMs, std::string* error) {
        m_reader.reset();
        m_haveCurrent = m_haveNext = m_ended = false;
        m_blackFromMs.reset();
        m_tolerance = toleranceMs;
        if (path.empty())
            return true;
        m_reader = StreamReader::Open(path, StreamKind::Video, error);
        if (!m_reader)
            return false;
        return fromMs <= 0 || m_reader->SeekBefore(fromMs, error);
    }

    // The time of the first picture at or after fromMs (skipping those before it); nullopt when
    // there is none, or on a failure (reason in *error).
    std::optional<double> FirstFrom(double fromMs, std::string* error) {
        error->clear();
        while (m_reader) {
            if (!m_haveNext && (m_ended || !Fetch(error)))
                return std::nullopt;
            if (!m_haveNext)
                continue;
            if (m_nextMs >= fromMs - kEdgeMs)
                return m_nextMs;
            Advance();
        }
        return std::nullopt;
    }

    // The picture to show at timeMs (which only grows within a recording); null for black, or
    // on a failure (reason in *error).
    const AVFrame* At(double timeMs, std::string* error) {
        error->clear();
        if (!m_reader)
            return nullptr;
        for (;;) {
            if (!m_haveNext && !m_ended && !Fetch(error))
                return nullptr;
            if (m_haveNext && m_nextMs <= timeMs + m_tolerance) {
                Advance();
                continue;
            }
            break;
        }
        if (!m_haveCurrent) // the camera's first picture comes a moment late: shown early
            return m_haveNext ? m_next.get() : nullptr;
        if (m_ended && !m_haveNext && timeMs > m_currentMs + m_reader->FrameDurationMs() + kHoldMs) {
            if (!m_blackFromMs)
                m_blackFromMs = timeMs;
            return nullptr;
        }
        m_shownMs = m_currentMs;
        m_shown = true;
        return m_current.get();
    }

    bool HasFile() const { return m_reader != nullptr; }
    const std::string& Path() const { return m_reader->Path(); }
    // The last picture shown in this recording and whether there was one.
    bool Shown() const { return m_shown; }
    double LastShownMs() const { return m_shownMs; }
    // Whether no picture was left to come when the last one was shown.
    bool Ended() const { return m_ended && !m_haveNext; }
    double OwnLengthMs() const { return m_reader ? m_reader->DurationMs() : 0; }
    double FrameDurationMs() const { return m_reader ? m_reader->FrameDurationMs() : 0; }
    // When the region turned black for lack of pictures in this recording.
    std::optional<double> BlackFromMs() const { return m_blackFromMs; }
    void ResetShown() { m_shown = false; }

private:
    void Advance() {
        std::swap(m_current, m_next);
        m_currentMs = m_nextMs;
        m_haveCurrent = true;
        m_haveNext = false;
    }

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
    double m_currentMs = 0, m_nextMs = 0, m_shownMs = 0, m_tolerance = 0;
    bool m_haveCurrent = false, m_haveNext = false, m_ended = false, m_shown = false;
    std::optional<double> m_blackFromMs;
};

std::string Seconds(double ms) {
    return FixedText(ms / 1000.0, 2) + " s";
}

// Whether the file has a sound stream.
bool HasSound(const std::string& path) {
    std::string why;
    return !path.empty() && StreamReader::Open(path, StreamKind::Audio, &why) != nullptr;
}

// The file a recording's sound is taken from: the front camera's, else the rear's; "" for none.
std::string SoundPathOf(const ClipPart& part) {
    if (HasSound(part.frontPath))
        return part.frontPath;
    if (HasSound(part.rearPath))
        return part.rearPath;
    return {};
}

bool TrackHolds(const TelemetryTrack& track) {
    return !track.points.empty() || !track.samples.empty() || !track.rawGps.empty() ||
           !track.rawGsensor.empty();
}

class ClipJob {
public:
    ClipJob(const ClipPlan& plan, const ClipOptions& options, const std::atomic<bool>* cancel,
            const std::function<void(const ClipProgress&)>& progress)
        : m_plan(plan), m_options(options), m_cancel(cancel), m_progress(progress) {}

    ClipResult Run();

private:
    bool Prepare(const std::string& path, std::string* error);
    bool FindSoundFormat(SoundFormat& sound);
    bool WritePart(size_t index, std::string* error);
    bool WriteFrame(const AVFrame* front, const AVFrame* rear, double timeMs, std::string* error);
    void LoadBandTelemetry(const ClipPart& part);
    void NoteBlack(const CameraPictures& camera, const std::string& path, const char* which,
                   const ClipPart& part);
    bool Cancelled() const { return m_cancel && m_cancel->load(); }
    // Time of clip frame n from the first picture, in milliseconds.
    double SlotMs(int64_t n) const { return static_cast<double>(n) * 1000.0 * m_rate.den / m_rate.num; }
    int64_t SampleAt(double clipMs) const { return std::llround(clipMs * m_output->SampleRate() / 1000.0); }

    const ClipPlan& m_plan;
    const ClipOptions& m_options;
    const std::atomic<bool>* m_cancel;
    const std::function<void(const ClipProgress&)>& m_progress;

    ClipResult m_result;
    ClipGeometry m_geometry;
    AVRational m_rate{0, 1};
    bool m_leadIsRear = false;
    bool m_wantFront = true, m_wantRear = true;
    double m_anchorMs = 0;    // drive time (from the first part's start) of the clip's first picture
    double m_partStartMs = 0; // drive time of the current part's start
    std::unique_ptr<ClipOutput> m_output;
    std::unique_ptr<ClipSound> m_sound;
    std::unique_ptr<BandPainter> m_band;
    PictureComposer m_composer;
    CameraPictures m_frontCamera, m_rearCamera;
    BandTelemetry m_telemetry;
    TelemetryTrack m_track;
    int64_t m_framesTotal = 0;
    bool m_cancelled = false;
};

bool ClipJob::FindSoundFormat(SoundFormat& sound) {
    // The first recording that has sound gives the clip its format; the others are converted.
    for (const ClipPart& part : m_plan.parts) {
        std::string why;
        const std::string path = SoundPathOf(part);
        auto probe = path.empty() ? nullptr : StreamReader::Open(path, StreamKind::Audio, &why);
        if (!probe || probe->Codec().sample_rate <= 0)
            continue;
        sound.sampleRate = probe->Codec().sample_rate;
        if (av_channel_layout_copy(&sound.layout, &probe->Codec().ch_layout) < 0)
            continue;
        if (sound.layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&sound.layout, sound.layout.nb_channels);
        return true;
    }
    return false;
}

bool ClipJob::Prepare(const std::string& path, std::string* error) {
    if (!ChooseLayout(m_options.layout, CamerasOf(m_plan), m_result.layout, m_result.notes, error))
        return false;
    const ClipLayout layout = m_result.layout;
    m_leadIsRear = layout == ClipLayout::Rear;
    const ClipPart& first = m_plan.parts.front();
    m_wantFront = layout != ClipLayout::Rear;
    m_wantRear = layout != ClipLayout::Front;
    int fw = 0, fh = 0, rw = 0, rh = 0;
    if (m_wantFront) {
        auto reader = StreamReader::Open(first.frontPath, StreamKind::Video, error);
        if (!reader)
            return false;
        fw = reader->ShownWidth();
        fh = reader->Codec().height;
        if (!m_leadIsRear)
            m_rate = reader->FrameRate();
    }
    if (m_wantRear) {
        auto reader = StreamReader::Open(first.rearPath, StreamKind::Video, error);
        if (!reader)
            return false;
        rw = reader->ShownWidth();
        rh = reader->Codec().height;
        if (m_leadIsRear)
            m_rate = reader->FrameRate();
    }
    if (m_rate.num <= 0 || m_rate.den <= 0) {
        *error = (m_leadIsRear ? first.rearPath : first.frontPath) + ": the video names no frame rate";
        return false;
    }
    m_geometry = PlanGeometry(layout, fw, fh, rw, rh, m_options.height, m_options.size, m_options.band);
    m_result.width = m_geometry.width;
    m_result.height = m_geometry.height;
    if (m_options.band) {
        m_band = BandPainter::Create(FindBandFont(), m_geometry.band.width, m_geometry.band.height, error);
        if (!m_band)
            return false;
    }
    SoundFormat sound;
    const bool withSound = FindSoundFormat(sound);
    if (!withSound)
        m_result.notes.push_back("the recordings have no sound: the clip is silent");
    double rangeMs = 0;
    for (const ClipPart& part : m_plan.parts)
        rangeMs += part.toMs - part.fromMs;
    m_framesTotal = static_cast<int64_t>(std::ceil(rangeMs * m_rate.num / m_rate.den / 1000.0));
    m_output =
        ClipOutput::Create(path, m_geometry.width, m_geometry.height, m_rate, withSound ? &sound : nullptr,
                           ClipEncoding{m_options.quality, m_options.size}, error);
    av_channel_layout_uninit(&sound.layout);
    if (!m_output)
        return false;
    if (withSound)
        m_sound = std::make_unique<ClipSound>(*m_output);
    return true;
}

bool ClipJob::WriteFrame(const AVFrame* front, const AVFrame* rear, double timeMs, std::string* error) {
    AVFrame* frame = m_output->Picture(error);
    if (!frame)
        return false;
    // The regions cover the whole frame; only a camera without a picture leaves a hole.
    if ((m_wantFront && !front) || (m_wantRear && !rear))
        PictureComposer::Clear(*frame);
    if (m_wantFront && front && !m_composer.Place(*front, m_geometry.front, false, *frame, error))
        return false;
    if (m_wantRear && rear && !m_composer.Place(*rear, m_geometry.rear, m_options.mirrorRear, *frame, error))
        return false;
    if (m_band)
        PictureComposer::PlaceBand(m_band->Luma(BandLines(m_telemetry, timeMs)), m_geometry.band, *frame);
    return m_output->WritePicture(m_result.frames, error);
}

// The band reads the front file's telemetry, or the rear file's where the front holds none
// (some recorders keep it in one camera's file only).
void ClipJob::LoadBandTelemetry(const ClipPart& part) {
    m_track = TelemetryTrack();
    ContainerSummary summary = part.summary;
    if (!LoadTelemetryTrack(part.recordPath, part.summary, m_track) || !TrackHolds(m_track)) {
        m_track = TelemetryTrack();
        if (!part.otherPath.empty() && LoadTelemetryTrack(part.otherPath, part.otherSummary, m_track) &&
            TrackHolds(m_track))
            summary = part.otherSummary;
        else
            m_track = TelemetryTrack();
    }
    m_telemetry = BandTelemetry{&m_track, summary, m_options.mph};
}

void ClipJob::NoteBlack(const CameraPictures& camera, const std::string& path, const char* which,
                        const ClipPart& part) {
    if (path.empty()) {
        m_result.notes.push_back(part.recordPath + ": the " + which +
                                 " camera's file of this recording is missing: black in its place");
        return;
    }
    if (auto from = camera.BlackFromMs())
        m_result.notes.push_back(path + ": the " + which + " camera's pictures end at " +
                                 Seconds(camera.LastShownMs()) + ": black from " + Seconds(*from) + " to " +
                                 Seconds(part.toMs));
}

bool ClipJob::WritePart(size_t index, std::string* error) {
    const ClipPart& part = m_plan.parts[index];
    const double tolerance = SlotMs(1) / 2;
    const std::string frontPath = m_wantFront ? part.frontPath : std::string();
    const std::string rearPath = m_wantRear ? part.rearPath : std::string();
    if (!m_frontCamera.Begin(frontPath, part.fromMs, tolerance, error) ||
        !m_rearCamera.Begin(rearPath, part.fromMs, tolerance, error))
        return false;
    CameraPictures& lead = m_leadIsRear ? m_rearCamera : m_frontCamera;
    const std::string& leadPath = m_leadIsRear ? rearPath : frontPath;
    if (index == 0) {
        // The clip's pictures keep the lead camera's step: the first is its first picture in the range.
        std::optional<double> first = lead.FirstFrom(part.fromMs, error);
        if (!first) {
            if (!error->empty())
                return false;
            *error =
                leadPath + ": no pictures from " + Seconds(part.fromMs) + " on; the recording is damaged";
            return false;
        }
        m_anchorMs = *first;
        m_partStartMs = 0;
    }
    LoadBandTelemetry(part);
    const double partEnd = m_partStartMs + part.toMs; // drive time
    const bool lastPart = index + 1 == m_plan.parts.size();
    // Where this part's sound ends in the clip: at the cut, wherever the next picture falls.
    const int64_t cutSample = m_sound && !lastPart ? SampleAt(partEnd - m_anchorMs) : INT64_MAX;
    bool soundBegun = false;
    const int64_t framesBefore = m_result.frames;
    for (;;) {
        const double slot = m_anchorMs + SlotMs(m_result.frames);
        if (slot >= partEnd - kEdgeMs)
            break;
        const double t = slot - m_partStartMs;
        if (m_sound && !soundBegun) {
            // The part's sound starts where the clip's sound stands: at the previous cut, or at the
            // first picture.
            const double soundFrom = index == 0 ? t : part.fromMs;
            if (!m_sound->BeginPart(SoundPathOf(part), soundFrom, error))
                return false;
            soundBegun = true;
        }
        if (Cancelled()) {
            m_cancelled = true;
            return false;
        }
        const AVFrame* front = m_frontCamera.At(t, error);
        if (!front && !error->empty())
            return false;
        const AVFrame* rear = m_rearCamera.At(t, error);
        if (!rear && !error->empty())
            return false;
        if (!WriteFrame(front, rear, t, error))
            return false;
        ++m_result.frames;
        if (m_sound && !m_sound->FillTo(std::min(cutSample, SampleAt(SlotMs(m_result.frames))), error))
            return false;
        if (m_progress)
            m_progress(ClipProgress{m_result.frames, std::max(m_framesTotal, m_result.frames)});
    }
    // A lead camera whose pictures stop well before its own file's end is damaged: a clip with a
    // hole is no evidence. (A file that is simply shorter than its recording is not.)
    // (A range that ends a moment into a recording may take none of its pictures.)
    if (!leadPath.empty() && m_result.frames > framesBefore) {
        const double step = lead.FrameDurationMs();
        const double own = lead.OwnLengthMs() > 0 ? lead.OwnLengthMs() : part.toMs;
        const double expectedEnd = std::min(part.toMs, own);
        if (!lead.Shown() || (lead.Ended() && lead.LastShownMs() + 2 * step + kEdgeMs < expectedEnd)) {
            *error = leadPath + ": the pictures end at " +
                     Seconds(lead.Shown() ? lead.LastShownMs() + step : part.fromMs) + " of " +
                     Seconds(expectedEnd) + "; the recording is damaged";
            return false;
        }
    }
    if (m_wantFront)
        NoteBlack(m_frontCamera, frontPath, "front", part);
    if (m_wantRear)
        NoteBlack(m_rearCamera, rearPath, "rear", part);
    if (m_sound && soundBegun &&
        !m_sound->FillTo(lastPart ? SampleAt(SlotMs(m_result.frames)) : cutSample, error))
        return false;
    m_partStartMs += part.toMs; // the next part starts at its recording's start
    m_frontCamera.ResetShown();
    m_rearCamera.ResetShown();
    for (const std::string* used : {&frontPath, &rearPath})
        if (!used->empty())
            m_result.files.push_back(*used);
    return true;
}

ClipResult ClipJob::Run() {
    std::string error;
    if (!m_plan.ok || m_plan.parts.empty()) {
        m_result.error = m_plan.error.empty() ? "nothing to export" : m_plan.error;
        return m_result;
    }
    // Temporaries that an export killed earlier left beside the clip go first.
    const fs::path out(m_options.outPath);
    RemoveStaleTemporaries(out.has_parent_path() ? out.parent_path().string() : std::string("."));
    std::optional<WholeFile> file = WholeFile::Begin(m_options.outPath, &error);
    bool ok = file.has_value();
    if (!ok)
        error = m_options.outPath + ": cannot create the file: " + error;
    const std::string temporary = ok ? file->TempPath() : std::string();
    ok = ok && Prepare(temporary, &error);
    for (size_t i = 0; ok && i < m_plan.parts.size(); ++i)
        ok = WritePart(i, &error);
    if (ok && m_sound)
        ok = m_sound->Finish(&error);
    if (ok)
        ok = m_output->Finish(&error);
    m_sound.reset();
    m_output.reset();
    if (ok) {
        std::string why;
        ok = file->Commit(&why);
        if (!ok)
            error = m_options.outPath + ": cannot give the clip its name: " + why;
    }
    if (!ok) {
        if (file)
            file->Abandon();
        // Name the file the user asked for, not the temporary one.
        if (size_t at = temporary.empty() ? std::string::npos : error.find(temporary);
            at != std::string::npos)
            error.replace(at, temporary.size(), m_options.outPath);
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

const char* SizeName(ClipSize size) {
    return size == ClipSize::Share ? "share" : "full";
}

bool SizeFromName(const std::string& name, ClipSize& size) {
    for (ClipSize s : {ClipSize::Full, ClipSize::Share})
        if (name == SizeName(s)) {
            size = s;
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
