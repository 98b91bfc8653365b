#pragma once
// A file written whole: its bytes go to a temporary created exclusively beside the target (never
// through a link, never over somebody else's file), are synced to the disk, and only then is the
// temporary renamed over the target. A reader sees the old file or the new one, never half a file;
// a failure or a kill leaves the target as it was. A link at the target is replaced by the new
// file; what it pointed to is never written. A folder, device or pipe of the target's name is
// never replaced (EISDIR, EINVAL).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace vemora {

class WholeFile {
public:
    // Creates the temporary beside target; nullopt with the reason (strerror's text) in *error.
    // Every failure of this type also leaves the system's error code in errno.
    static std::optional<WholeFile> Begin(const std::string& target, std::string* error, mode_t mode = 0644);

    WholeFile(WholeFile&& other) noexcept;
    WholeFile& operator=(WholeFile&& other) = delete;
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;
    // Not committed: the temporary goes, the target stays untouched.
    ~WholeFile();

    bool Write(const void* data, std::size_t size, std::string* error);
    bool Write(std::string_view text, std::string* error) { return Write(text.data(), text.size(), error); }

    // For writers that must open the file themselves (a muxer): they write to TempPath() and
    // call Commit once done. The descriptor stays open so that the name stays reserved.
    const std::string& TempPath() const { return temporary_; }
    const std::string& Target() const { return target_; }
    int Descriptor() const { return fd_; }

    // fsync, close, rename over the target, fsync the folder. On failure the temporary goes.
    bool Commit(std::string* error);
    // Gives up: the temporary goes. Idempotent.
    void Abandon();

    // A fresh name beside target for a temporary of this process ("<folder>/.<name>.part-<pid>-<hex>");
    // a sweep of stale temporaries recognises it, whether it becomes a file or a folder.
    static std::string TemporaryNameBeside(const std::string& target);
    // Whether fileName is the temporary of a process that is gone.
    static bool IsStaleTemporary(std::string_view fileName);

    // The prefix every temporary of target starts with (".<name>.part-"); a sweep of stale
    // temporaries of dead processes matches it.
    static std::string TemporaryPrefix(const std::string& name);
    // The process that made a temporary, read back from its name; nullopt when it is not one.
    static std::optional<pid_t> OwnerOfTemporary(std::string_view fileName);

private:
    WholeFile(std::string target, std::string temporary, int fd);
    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    bool done_ = false;
};

// The whole text at path, or nothing changes; false with the reason in *error.
bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string* error, mode_t mode = 0644);

// fsync of a folder, so that a rename in it reaches the disk; best effort (some file systems refuse).
void SyncFolder(const std::string& folder);

// Removes the temporaries beside target (of any name in its folder) whose process is gone;
// returns how many went.
int RemoveStaleTemporaries(const std::string& folder);

} // namespace vemora
