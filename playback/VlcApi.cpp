#include "playback/VlcApi.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <sstream>
#include <vector>

namespace vemora {

namespace {

const char* LibraryName() {
    const char* name = std::getenv("VEMORA_LIBVLC");
    return (name && *name) ? name : "libvlc.so.5";
}

// The twelve player events the window follows, in the order they are attached.
constexpr libvlc_event_e kPlayerEvents[] = {
    libvlc_MediaPlayerPositionChanged, libvlc_MediaPlayerSeekableChanged, libvlc_MediaPlayerTimeChanged,
    libvlc_MediaStateChanged,          libvlc_MediaPlayerMediaChanged,    libvlc_MediaPlayerOpening,
    libvlc_MediaPlayerBuffering,       libvlc_MediaPlayerPlaying,         libvlc_MediaPlayerPaused,
    libvlc_MediaPlayerStopped,         libvlc_MediaPlayerEndReached,      libvlc_MediaPlayerEncounteredError,
};

// Instance arguments of a mode: plain players run without an interface and without the user's
// VLC configuration; the mirrored one only adds the flip filter. VEMORA_VLC_ARGS appends more
// (tests and benchmarks use "--vout=dummy --aout=dummy" where no picture is wanted).
std::vector<std::string> InstanceArguments(VideoMode mode) {
    std::vector<std::string> args;
    if (mode == VideoMode::Mirrored)
        args = {"--video-filter=transform", "--transform-type=hflip"};
    else
        args = {"-I", "dummy", "--ignore-config"};
    if (const char* extra = std::getenv("VEMORA_VLC_ARGS")) {
        std::istringstream words(extra);
        for (std::string word; words >> word;)
            args.push_back(word);
    }
    return args;
}

// The states are libVLC's own numbers.
static_assert(static_cast<int>(PlayerState::Opening) == libvlc_Opening &&
              static_cast<int>(PlayerState::Buffering) == libvlc_Buffering &&
              static_cast<int>(PlayerState::Playing) == libvlc_Playing &&
              static_cast<int>(PlayerState::Paused) == libvlc_Paused &&
              static_cast<int>(PlayerState::Stopped) == libvlc_Stopped &&
              static_cast<int>(PlayerState::Ended) == libvlc_Ended &&
              static_cast<int>(PlayerState::Error) == libvlc_Error);

} // namespace

std::atomic<bool> VlcApi::s_arrivalTold{false};

template <typename Fn> Fn VlcApi::Resolve(const char* name) const {
    return m_module ? reinterpret_cast<Fn>(dlsym(m_module, name)) : nullptr;
}

VlcApi::VlcApi() {
    m_module = dlopen(LibraryName(), RTLD_NOW | RTLD_LOCAL);
    if (!m_module) {
        m_loaded = false;
        return;
    }
    ResolveEntryPoints();
    if (!CreateInstanceAndPlayer(VideoMode::Plain))
        m_loaded = false;
}

VlcApi::~VlcApi() {
    if (m_logUnset && m_instance && m_logInstalled)
        m_logUnset(m_instance);
    ReleaseMedia();
    ReleaseInstanceAndPlayer();
    if (FILE* file = m_logFile.exchange(nullptr))
        std::fclose(file);
    if (m_module)
        dlclose(m_module);
}

void VlcApi::ResolveEntryPoints() {
    m_play = Resolve<decltype(m_play)>("libvlc_media_player_play");
    m_setPause = Resolve<decltype(m_setPause)>("libvlc_media_player_set_pause");
    m_stop = Resolve<decltype(m_stop)>("libvlc_media_player_stop");
    m_setVolume = Resolve<decltype(m_setVolume)>("libvlc_audio_set_volume");
    m_mediaNewPath = Resolve<decltype(m_mediaNewPath)>("libvlc_media_new_path");
    m_mediaAddOption = Resolve<decltype(m_mediaAddOption)>("libvlc_media_add_option");
    m_setMedia = Resolve<decltype(m_setMedia)>("libvlc_media_player_set_media");
    m_setKeyInput = Resolve<decltype(m_setKeyInput)>("libvlc_video_set_key_input");
    m_setMouseInput = Resolve<decltype(m_setMouseInput)>("libvlc_video_set_mouse_input");
    m_setTime = Resolve<decltype(m_setTime)>("libvlc_media_player_set_time");
    m_getTime = Resolve<decltype(m_getTime)>("libvlc_media_player_get_time");
    m_getLength = Resolve<decltype(m_getLength)>("libvlc_media_player_get_length");
    m_setMute = Resolve<decltype(m_setMute)>("libvlc_audio_set_mute");
    m_takeSnapshot = Resolve<decltype(m_takeSnapshot)>("libvlc_video_take_snapshot");
    m_setRate = Resolve<decltype(m_setRate)>("libvlc_media_player_set_rate");
    m_getState = Resolve<decltype(m_getState)>("libvlc_media_player_get_state");
    m_logUnset = Resolve<decltype(m_logUnset)>("libvlc_log_unset");
    m_logSet = Resolve<decltype(m_logSet)>("libvlc_log_set");
}

// The mode is the instance's once it is made.
bool VlcApi::CreateInstanceAndPlayer(VideoMode mode) {
    auto vlcNew = Resolve<decltype(&libvlc_new)>("libvlc_new");
    auto playerNew = Resolve<decltype(&libvlc_media_player_new)>("libvlc_media_player_new");
    auto events = Resolve<decltype(&libvlc_media_player_event_manager)>("libvlc_media_player_event_manager");
    if (!vlcNew || !playerNew || !events)
        return false;
    std::vector<std::string> args = InstanceArguments(mode);
    std::vector<const char*> argv;
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    m_instance = vlcNew(static_cast<int>(argv.size()), argv.data());
    if (!m_instance)
        return false;
    m_mode = mode;
    m_player = playerNew(m_instance);
    if (!m_player)
        return false;
    m_eventManager = events(m_player);
    if (m_setVolume)
        m_setVolume(m_player, m_volume);
    InstallLog();
    return true;
}

// The log callback stays installed for the instance's life: it watches for the arrival message
// and copies every message to the log file while one is set.
void VlcApi::InstallLog() {
    if (!m_logSet || !m_instance || m_logInstalled)
        return;
    m_logSet(m_instance, &VlcApi::LogCallback, this);
    m_logInstalled = true;
}

// The player goes before its instance; libVLC joins its event threads in the player's release,
// so no callback runs after this returns.
void VlcApi::ReleaseInstanceAndPlayer() {
    auto playerRelease = Resolve<decltype(&libvlc_media_player_release)>("libvlc_media_player_release");
    auto vlcRelease = Resolve<decltype(&libvlc_release)>("libvlc_release");
    if (m_player && playerRelease)
        playerRelease(m_player);
    m_player = nullptr;
    m_eventManager = nullptr;
    if (m_instance && vlcRelease)
        vlcRelease(m_instance);
    m_instance = nullptr;
    m_logInstalled = false;
}

void VlcApi::ReleaseMedia() {
    if (!m_media)
        return;
    if (auto mediaRelease = Resolve<decltype(&libvlc_media_release)>("libvlc_media_release"))
        mediaRelease(m_media);
    m_media = nullptr;
}

// The mode lives in the instance's arguments: a new mode always takes a new instance, also before
// any recording was loaded (the first one loaded then shows in that mode).
bool VlcApi::Recreate(VideoMode newMode) {
    if (!IsLoaded() || !m_player || !m_instance)
        return false;
    ReleaseMedia();
    if (m_logUnset && m_logInstalled)
        m_logUnset(m_instance);
    ReleaseInstanceAndPlayer();
    if (!CreateInstanceAndPlayer(newMode)) {
        m_loaded = false;
        return false;
    }
    if (m_eventCallback)
        AttachEvents(m_eventCallback, m_eventUserData);
    return true;
}

void VlcApi::AttachEvents(libvlc_callback_t callback, void* userData) {
    if (!IsLoaded())
        return;
    m_eventCallback = callback;
    m_eventUserData = userData;
    auto attach = Resolve<decltype(&libvlc_event_attach)>("libvlc_event_attach");
    if (!attach || !m_eventManager)
        return;
    for (auto type : kPlayerEvents)
        attach(m_eventManager, type, callback, userData);
}

void VlcApi::SetArrivalCallback(ArrivalCallback callback, void* userData) {
    m_arrivalUserData = userData;
    m_arrivalCallback = callback;
}

void VlcApi::SetLogFile(FILE* file) {
    if (!file)
        return;
    if (!IsLoaded() || !m_logInstalled) {
        std::fclose(file);
        return;
    }
    // Set before any media plays: no message is being written to the file replaced.
    if (FILE* old = m_logFile.exchange(file))
        std::fclose(old);
}

// Binding a window also chooses the video output, so without one the instance's own choice
// (the dummy output of tests and benchmarks) stays.
void VlcApi::SetWindow(unsigned long xid) {
    if (!Ready() || xid == 0)
        return;
    using SetXWindow = void (*)(libvlc_media_player_t*, uint32_t);
    if (auto set = Resolve<SetXWindow>("libvlc_media_player_set_xwindow"))
        set(m_player, static_cast<uint32_t>(xid));
}

void VlcApi::MarkPlaying() {
    m_playing = true;
    m_paused = false;
}

void VlcApi::MarkPaused() {
    m_playing = false;
    m_paused = true;
}

void VlcApi::MarkIdle() {
    m_playing = false;
    m_paused = false;
}

void VlcApi::LoadMedia(const std::string& utf8Path, bool noAudio) {
    if (!Ready())
        return;
    if (m_setVolume)
        m_setVolume(m_player, m_volume);
    m_mediaPath = utf8Path;
    if (!m_mediaNewPath)
        return;
    libvlc_media_t* media = m_mediaNewPath(m_instance, m_mediaPath.c_str());
    if (!media)
        return;
    if (m_mediaAddOption) {
        // The mirror filter works on pictures in memory only; with frames kept on the graphics
        // card libVLC drops the filter and the rear video would not be mirrored.
        m_mediaAddOption(media, m_mode == VideoMode::Mirrored ? ":avcodec-hw=none" : ":avcodec-hw=any");
        if (noAudio)
            m_mediaAddOption(media, ":no-audio");
    }
    // The player keeps its own reference; ours is dropped when the next media replaces it.
    if (m_setMedia)
        m_setMedia(m_player, media);
    ReleaseMedia();
    m_media = media;
    if (m_setKeyInput)
        m_setKeyInput(m_player, 0);
    if (m_setMouseInput)
        m_setMouseInput(m_player, 0);
}

void VlcApi::Play() {
    if (Ready() && m_play)
        m_play(m_player);
}

void VlcApi::Pause() {
    if (Ready() && m_setPause)
        m_setPause(m_player, 1);
}

void VlcApi::Stop() {
    if (Ready() && m_stop)
        m_stop(m_player);
}

void VlcApi::StopAndClear() {
    Stop();
    MarkIdle();
}

void VlcApi::SetTime(int64_t ms) {
    if (Ready() && m_setTime)
        m_setTime(m_player, ms);
}

int64_t VlcApi::Time() const {
    return Ready() && m_getTime ? m_getTime(m_player) : -1;
}

int64_t VlcApi::Length() const {
    return Ready() && m_getLength ? m_getLength(m_player) : 0;
}

void VlcApi::SetRate(float value) {
    if (Ready() && m_setRate) {
        m_setRate(m_player, value);
        m_rate = value;
    }
}

void VlcApi::SetVolume(int value) {
    if (Ready() && m_setVolume) {
        m_setVolume(m_player, value);
        m_volume = value;
    }
}

void VlcApi::SetMute(bool on) {
    if (Ready() && m_setMute)
        m_setMute(m_player, on ? 1 : 0);
}

bool VlcApi::TakeSnapshot(const std::string& utf8Path) {
    if (!Ready() || !m_takeSnapshot)
        return false;
    return m_takeSnapshot(m_player, 0, utf8Path.c_str(), 0, 0) == 0;
}

PlayerState VlcApi::State() const {
    return Ready() && m_getState ? static_cast<PlayerState>(m_getState(m_player))
                                 : PlayerState::NothingSpecial;
}

const char* VlcApi::LevelName(int level) {
    switch (level) {
    case 0:
        return "DEBUG";
    case 2:
        return "NOTICE";
    case 3:
        return "WARNING";
    case 4:
        return "ERROR";
    default:
        return "UNKNOWN";
    }
}

// libVLC's input thread says "Decoder wait done in N ms" once every decoder holds its first
// picture after the stream was (re)started, right before the clock starts it: the moment the
// player's picture is about to change. The format string is compared, not the message.
void VlcApi::LogCallback(void* data, int level, const libvlc_log_t*, const char* fmt, va_list args) {
    auto* api = static_cast<VlcApi*>(data);
    static constexpr char kArrival[] = "Decoder wait done";
    if (fmt && std::strncmp(fmt, kArrival, sizeof kArrival - 1) == 0) {
        s_arrivalTold = true;
        if (ArrivalCallback callback = api->m_arrivalCallback.load())
            callback(api->m_arrivalUserData.load());
    }
    FILE* file = api->m_logFile.load();
    if (!file)
        return;
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    localtime_r(&ts.tv_sec, &tm);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &tm);
    flockfile(file); // one line at a time from libVLC's many threads
    std::fprintf(file, "[%s.%03ld] [%s] ", stamp, ts.tv_nsec / 1000000, LevelName(level));
    std::vfprintf(file, fmt, args);
    std::fputs("\n", file);
    std::fflush(file);
    funlockfile(file);
}

} // namespace vemora
