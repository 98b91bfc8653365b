#pragma once
// Where the key pictures of the recordings being played lie, in milliseconds from each
// recording's start (the players' clock). A player sent to a key picture shows it at once; sent
// anywhere else it first decodes the pictures from the key picture before, which at full HD on
// two cameras takes longer than the eye forgives. Skips land on key pictures for that reason.
//
// The times come from the demuxer's index (an MP4/MOV file's sample tables), read on a thread
// of its own so that a slow card never holds up the window; a file without such an index has no
// key times, and a skip in it goes to its exact target.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace vemora::media {

// The key pictures' times of one file, in order; empty with the reason when the file has no
// index of them. Where the stream reorders its pictures a time may lie up to the reordering
// depth (a picture or two) after its key picture, never before it.
std::vector<double> ReadKeyPictureTimes(const std::string& path, std::string* error,
                                        const std::atomic<bool>* cancel = nullptr);

class KeyPictures {
public:
    KeyPictures();
    ~KeyPictures();
    KeyPictures(const KeyPictures&) = delete;
    KeyPictures& operator=(const KeyPictures&) = delete;

    // Reads a file's key times on the reader's thread (again when the file under that path
    // changed); those read already are kept (the last few files).
    void Load(const std::string& path);
    // A file's key times once read; nullopt while they are being read, or when it has none.
    std::optional<std::vector<double>> Of(const std::string& path) const;

private:
    void Run();

    struct Known {
        std::string path;
        uintmax_t size = 0;
        int64_t modified = 0;
        std::vector<double> times;
    };
    // Two recordings' front and rear files: the current one and the one before it.
    static constexpr size_t kKept = 4;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<std::string> m_waiting;
    std::vector<Known> m_known;
    bool m_quit = false;
    // Set with m_quit: a file being read on a slow card stops at its next read.
    std::atomic<bool> m_cancel{false};
    std::thread m_thread;
};

} // namespace vemora::media
