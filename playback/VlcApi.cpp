#include "playback/VlcApi.h"

#include <cstdarg>
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>

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

} // namespace

template <typename Fn> Fn VlcApi::Resolve(const char* name) const {
    return module ? reinterpret_cast<Fn>(dlsym(module, name)) : nullptr;
}

VlcApi::VlcApi() {
    module = dlopen(LibraryName(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        loaded = 0;
        return;
    }
    ResolveEntryPoints();
    if (!CreateInstanceAndPlayer())
        loaded = 0;
}

VlcApi::~VlcApi() {
    if (loaded) {
        if (log_unset && instance)
            log_unset(instance);
        ReleaseInstanceAndPlayer();
    }
    if (logFile)
        std::fclose(logFile);
    if (module)
        dlclose(module);
}

void VlcApi::ResolveEntryPoints() {
    media_player_play = Resolve<decltype(media_player_play)>("libvlc_media_player_play");
    media_player_pause = Resolve<decltype(media_player_pause)>("libvlc_media_player_pause");
    media_player_stop = Resolve<decltype(media_player_stop)>("libvlc_media_player_stop");
    audio_set_volume = Resolve<decltype(audio_set_volume)>("libvlc_audio_set_volume");
    media_new_path = Resolve<decltype(media_new_path)>("libvlc_media_new_path");
    media_add_option = Resolve<decltype(media_add_option)>("libvlc_media_add_option");
    media_player_set_media = Resolve<decltype(media_player_set_media)>("libvlc_media_player_set_media");
    video_set_key_input = Resolve<decltype(video_set_key_input)>("libvlc_video_set_key_input");
    video_set_mouse_input = Resolve<decltype(video_set_mouse_input)>("libvlc_video_set_mouse_input");
    media_player_set_time = Resolve<decltype(media_player_set_time)>("libvlc_media_player_set_time");
    media_player_get_time = Resolve<decltype(media_player_get_time)>("libvlc_media_player_get_time");
    media_player_get_length = Resolve<decltype(media_player_get_length)>("libvlc_media_player_get_length");
    audio_set_mute = Resolve<decltype(audio_set_mute)>("libvlc_audio_set_mute");
    video_take_snapshot = Resolve<decltype(video_take_snapshot)>("libvlc_video_take_snapshot");
    media_player_set_rate = Resolve<decltype(media_player_set_rate)>("libvlc_media_player_set_rate");
    log_unset = Resolve<decltype(log_unset)>("libvlc_log_unset");
    log_set = Resolve<decltype(log_set)>("libvlc_log_set");
}

bool VlcApi::CreateInstanceAndPlayer() {
    auto vlcNew = Resolve<decltype(&libvlc_new)>("libvlc_new");
    auto playerNew = Resolve<decltype(&libvlc_media_player_new)>("libvlc_media_player_new");
    auto events = Resolve<decltype(&libvlc_media_player_event_manager)>("libvlc_media_player_event_manager");
    if (!vlcNew || !playerNew || !events)
        return false;
    static const char* const kPlain[] = {"-I", "dummy", "--ignore-config"};
    static const char* const kMirrored[] = {"--video-filter=transform", "--transform-type=hflip"};
    instance = mode == 1 ? vlcNew(2, kMirrored) : vlcNew(3, kPlain);
    if (!instance)
        return false;
    player = playerNew(instance);
    if (!player)
        return false;
    eventManager = events(player);
    if (audio_set_volume)
        audio_set_volume(player, volume);
    return true;
}

void VlcApi::ReleaseInstanceAndPlayer() {
    auto playerRelease = Resolve<decltype(&libvlc_media_player_release)>("libvlc_media_player_release");
    auto vlcRelease = Resolve<decltype(&libvlc_release)>("libvlc_release");
    if (player && playerRelease)
        playerRelease(player);
    player = nullptr;
    eventManager = nullptr;
    if (instance && vlcRelease)
        vlcRelease(instance);
    instance = nullptr;
}

int VlcApi::Recreate(int newMode) {
    mode = newMode;
    if (!loaded || !media)
        return 0;
    if (auto mediaRelease = Resolve<decltype(&libvlc_media_release)>("libvlc_media_release"))
        mediaRelease(media);
    media = nullptr;
    if (!player || !instance)
        return 0;
    ReleaseInstanceAndPlayer();
    if (!CreateInstanceAndPlayer()) {
        loaded = 0;
        return 0;
    }
    if (eventCallback)
        AttachEvents(eventCallback, eventUserData);
    return 1;
}

void VlcApi::AttachEvents(libvlc_callback_t callback, void* userData) {
    if (!loaded)
        return;
    eventCallback = callback;
    eventUserData = userData;
    auto attach = Resolve<decltype(&libvlc_event_attach)>("libvlc_event_attach");
    if (!attach || !eventManager)
        return;
    for (auto type : kPlayerEvents)
        attach(eventManager, type, callback, userData);
}

void VlcApi::SetLogFile(FILE* file) {
    if (!loaded || !log_set || !instance || !file)
        return;
    logFile = file;
    log_set(instance, &VlcApi::LogCallback, file);
}

void VlcApi::SetWindow(unsigned long xid) {
    if (!loaded || !player)
        return;
    using SetXWindow = void (*)(libvlc_media_player_t*, uint32_t);
    if (auto set = Resolve<SetXWindow>("libvlc_media_player_set_xwindow"))
        set(player, static_cast<uint32_t>(xid));
}

void VlcApi::Stop() {
    if (loaded && player && media_player_stop)
        media_player_stop(player);
}

void VlcApi::StopAndClear() {
    Stop();
    playing = 0;
    paused = 0;
}

void VlcApi::SetMute(int on) {
    if (loaded && player && audio_set_mute)
        audio_set_mute(player, on);
}

void VlcApi::SetVolume(int value) {
    if (loaded && player && audio_set_volume) {
        audio_set_volume(player, value);
        volume = value;
    }
}

void VlcApi::SetRate(float value) {
    if (loaded && player && media_player_set_rate) {
        media_player_set_rate(player, value);
        rate = value;
    }
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

void VlcApi::LogCallback(void* data, int level, const libvlc_log_t*, const char* fmt, va_list args) {
    auto* file = static_cast<FILE*>(data);
    if (!file)
        return;
    char stamp[32];
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &tm);
    std::fprintf(file, "[%s] [%s] ", stamp, LevelName(level));
    std::vfprintf(file, fmt, args);
    std::fputs("\n", file);
    std::fflush(file);
}

} // namespace vemora
