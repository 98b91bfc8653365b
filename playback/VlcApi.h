#pragma once
// Run-time binding to libVLC: one object per camera, each with its own instance and media player.
// The library is loaded by name with dlopen and every entry point is resolved on its own, so the
// viewer starts (with a warning) on machines where libVLC is missing.

#include <vlc/vlc.h>

#include <atomic>
#include <cstdio>
#include <string>

namespace vemora {

class VlcApi {
public:
    // Loads the library named by VEMORA_LIBVLC (default "libvlc.so.5"), creates the instance
    // and the player. Never throws; IsLoaded() tells the result.
    VlcApi();
    ~VlcApi();
    VlcApi(const VlcApi&) = delete;
    VlcApi& operator=(const VlcApi&) = delete;

    bool IsLoaded() const { return loaded != 0; }

    // Returns 1 when a new instance and player were made (mode 1 = mirrored), else 0.
    int Recreate(int newMode);
    void AttachEvents(libvlc_callback_t callback, void* userData);
    // Installs a log file (owned from now on); libVLC's messages go there one line each.
    void SetLogFile(FILE* file);
    // Binds the player's video output to a native X11 window.
    void SetWindow(unsigned long xid);

    // Thin guarded calls; each does nothing while the player is not loaded.
    void Stop();
    // Stop, and the controller's playing and paused marks cleared.
    void StopAndClear();
    void SetMute(int on);
    void SetVolume(int value);
    void SetRate(float value);

    static void LogCallback(void* data, int level, const libvlc_log_t* ctx, const char* fmt, va_list args);
    static const char* LevelName(int level);

    libvlc_instance_t* instance = nullptr;
    libvlc_media_player_t* player = nullptr;
    libvlc_media_t* media = nullptr;
    libvlc_event_manager_t* eventManager = nullptr;
    void* eventUserData = nullptr;
    libvlc_callback_t eventCallback = nullptr;
    void* module = nullptr;
    std::string mediaPath;
    int loaded = 1;
    std::atomic<int> playing{0};
    std::atomic<int> paused{0};
    int mode = 0;
    int volume = 0;
    float rate = 1.0f;
    FILE* logFile = nullptr;

    // Entry points used by the player controller.
    decltype(&libvlc_media_player_play) media_player_play = nullptr;
    decltype(&libvlc_media_player_pause) media_player_pause = nullptr;
    decltype(&libvlc_media_player_stop) media_player_stop = nullptr;
    decltype(&libvlc_audio_set_volume) audio_set_volume = nullptr;
    decltype(&libvlc_media_new_path) media_new_path = nullptr;
    decltype(&libvlc_media_add_option) media_add_option = nullptr;
    decltype(&libvlc_media_player_set_media) media_player_set_media = nullptr;
    decltype(&libvlc_video_set_key_input) video_set_key_input = nullptr;
    decltype(&libvlc_video_set_mouse_input) video_set_mouse_input = nullptr;
    decltype(&libvlc_media_player_set_time) media_player_set_time = nullptr;
    decltype(&libvlc_media_player_get_time) media_player_get_time = nullptr;
    decltype(&libvlc_media_player_get_length) media_player_get_length = nullptr;
    decltype(&libvlc_audio_set_mute) audio_set_mute = nullptr;
    decltype(&libvlc_video_take_snapshot) video_take_snapshot = nullptr;
    decltype(&libvlc_media_player_set_rate) media_player_set_rate = nullptr;
    decltype(&libvlc_log_unset) log_unset = nullptr;
    decltype(&libvlc_log_set) log_set = nullptr;

private:
    template <typename Fn> Fn Resolve(const char* name) const;
    void ResolveEntryPoints();
    bool CreateInstanceAndPlayer();
    void ReleaseInstanceAndPlayer();
};

} // namespace vemora
