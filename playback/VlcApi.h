#pragma once
// Run-time binding to libVLC: one object per camera, each with its own instance and media player.
// The library is loaded by name with dlopen and every entry point is resolved on its own, so the
// viewer starts (with a warning) on machines where libVLC is missing. Every operation does
// nothing while the player is not loaded.

#include "playback/transport/PlayerState.h"

#include <vlc/vlc.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>

namespace vemora {

// The pictures of a player's instance: as recorded, or mirrored left to right (the rear camera).
enum class VideoMode { Plain, Mirrored };

class VlcApi {
public:
    // Loads the library named by VEMORA_LIBVLC (default "libvlc.so.5"), creates the instance
    // (plain) and the player. Never throws; IsLoaded() tells the result.
    VlcApi();
    ~VlcApi();
    VlcApi(const VlcApi&) = delete;
    VlcApi& operator=(const VlcApi&) = delete;

    bool IsLoaded() const { return m_loaded.load(); }
    VideoMode Mode() const { return m_mode; } // the mode the instance was made in
    int Volume() const { return m_volume; }
    float Rate() const { return m_rate; }
    bool HasMedia() const { return m_media != nullptr; }
    const std::string& MediaPath() const { return m_mediaPath; }
    bool HasLog() const { return m_logFile.load() != nullptr; }

    // The controller's view of the player (libVLC's own state is never asked): safe to read from
    // libVLC's event threads.
    bool IsPlaying() const { return m_playing.load(); }
    bool IsPaused() const { return m_paused.load(); }
    void MarkPlaying();
    void MarkPaused();
    void MarkIdle();

    // New instance and player with the arguments of mode, with or without a media loaded before
    // (a media is dropped). True when they were made; false on failure, which leaves the player
    // unloaded. The new player has no window; the attached events, the arrival callback and the
    // log file carry over.
    bool Recreate(VideoMode newMode);
    void AttachEvents(libvlc_callback_t callback, void* userData);
    // Called on libVLC's input thread each time the player has decoded its first picture after
    // an opening or a seek and is about to show it (libVLC has no event for that moment; its
    // log says it). The callback must not call into libVLC.
    using ArrivalCallback = void (*)(void* userData);
    void SetArrivalCallback(ArrivalCallback callback, void* userData);
    // True once any player of this run has logged an arrival (a libVLC that never does cannot
    // tell when a player shows its first picture).
    static bool ArrivalEverTold() { return s_arrivalTold.load(); }
    // Installs a log file (owned from now on); libVLC's messages go there one line each.
    void SetLogFile(FILE* file);
    // Binds the player's video output to a native X11 window.
    void SetWindow(unsigned long xid);

    // Gives the player a new media from a UTF-8 path, with hardware decoding allowed and, with
    // noAudio, without sound. The media it replaces is released.
    void LoadMedia(const std::string& utf8Path, bool noAudio);
    void Play();
    // Pauses a playing player (a paused one stays paused); Play resumes it.
    void Pause();
    void Stop();
    // Stop, and the controller's playing and paused marks cleared.
    void StopAndClear();
    void SetTime(int64_t ms);
    int64_t Time() const;   // -1 without a player
    int64_t Length() const; // 0 without a player
    void SetRate(float value);
    void SetVolume(int value);
    void SetMute(bool on);
    // Writes the current picture at the video's own size; true when libVLC says it did.
    bool TakeSnapshot(const std::string& utf8Path);
    // libVLC's own state of the player (NothingSpecial without a player).
    PlayerState State() const;

    static const char* LevelName(int level);

private:
    template <typename Fn> Fn Resolve(const char* name) const;
    void ResolveEntryPoints();
    bool CreateInstanceAndPlayer(VideoMode mode);
    void ReleaseInstanceAndPlayer();
    void ReleaseMedia();
    void InstallLog();
    static void LogCallback(void* data, int level, const libvlc_log_t* ctx, const char* fmt, va_list args);
    bool Ready() const { return IsLoaded() && m_player; }

    libvlc_instance_t* m_instance = nullptr;
    libvlc_media_player_t* m_player = nullptr;
    libvlc_media_t* m_media = nullptr;
    libvlc_event_manager_t* m_eventManager = nullptr;
    void* m_eventUserData = nullptr;
    libvlc_callback_t m_eventCallback = nullptr;
    void* m_module = nullptr;
    std::string m_mediaPath;
    std::atomic<bool> m_loaded{true};
    std::atomic<bool> m_playing{false};
    std::atomic<bool> m_paused{false};
    VideoMode m_mode = VideoMode::Plain;
    int m_volume = 0;
    float m_rate = 1.0f;
    // Written on the GUI thread, read by the log callback on libVLC's threads.
    std::atomic<FILE*> m_logFile{nullptr};
    std::atomic<ArrivalCallback> m_arrivalCallback{nullptr};
    std::atomic<void*> m_arrivalUserData{nullptr};
    bool m_logInstalled = false;
    static std::atomic<bool> s_arrivalTold;

    decltype(&libvlc_media_player_play) m_play = nullptr;
    decltype(&libvlc_media_player_set_pause) m_setPause = nullptr;
    decltype(&libvlc_media_player_stop) m_stop = nullptr;
    decltype(&libvlc_audio_set_volume) m_setVolume = nullptr;
    decltype(&libvlc_media_new_path) m_mediaNewPath = nullptr;
    decltype(&libvlc_media_add_option) m_mediaAddOption = nullptr;
    decltype(&libvlc_media_player_set_media) m_setMedia = nullptr;
    decltype(&libvlc_video_set_key_input) m_setKeyInput = nullptr;
    decltype(&libvlc_video_set_mouse_input) m_setMouseInput = nullptr;
    decltype(&libvlc_media_player_set_time) m_setTime = nullptr;
    decltype(&libvlc_media_player_get_time) m_getTime = nullptr;
    decltype(&libvlc_media_player_get_length) m_getLength = nullptr;
    decltype(&libvlc_audio_set_mute) m_setMute = nullptr;
    decltype(&libvlc_video_take_snapshot) m_takeSnapshot = nullptr;
    decltype(&libvlc_media_player_set_rate) m_setRate = nullptr;
    decltype(&libvlc_media_player_get_state) m_getState = nullptr;
    decltype(&libvlc_log_unset) m_logUnset = nullptr;
    decltype(&libvlc_log_set) m_logSet = nullptr;
};

} // namespace vemora
