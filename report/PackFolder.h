#pragma once
// The folder of a pack being made: a hidden temporary folder beside the target, named like the
// whole-file writer's temporaries (".<name>.part-<pid>-<random>"), renamed to the target only
// when everything in it is written. A failure, a cancel or Ctrl+C removes it, so no folder is
// left behind; one left by a killed process is swept away by the next pack made beside it.

#include <optional>
#include <string>

namespace vemora::report {

class PackFolder {
public:
    // target must not exist, or be an empty folder; its parent must exist. nullopt with the
    // reason in *error otherwise.
    static std::optional<PackFolder> Begin(const std::string& target, std::string* error);

    PackFolder(PackFolder&& other) noexcept;
    PackFolder& operator=(PackFolder&&) = delete;
    PackFolder(const PackFolder&) = delete;
    PackFolder& operator=(const PackFolder&) = delete;
    // Not committed: the temporary folder and all in it go.
    ~PackFolder();

    const std::string& Temporary() const { return temporary_; }
    const std::string& Target() const { return target_; }
    // The path of name (relative, "/"-separated) inside the temporary folder.
    std::string PathOf(const std::string& name) const { return temporary_ + "/" + name; }
    // Makes a folder inside the temporary one.
    bool MakeFolder(const std::string& name, std::string* error) const;

    // Syncs the folders and renames the temporary folder to the target.
    bool Commit(std::string* error);
    void Abandon();

private:
    PackFolder(std::string target, std::string temporary)
        : target_(std::move(target)), temporary_(std::move(temporary)) {}
    std::string target_;
    std::string temporary_;
    bool done_ = false;
};

// Removes the pack folders beside target's place that processes now gone left behind.
int RemoveStalePackFolders(const std::string& parent);

// Whether path is an empty folder, and whether it exists at all (no link followed).
bool IsEmptyFolder(const std::string& path);
bool PathExists(const std::string& path);

} // namespace vemora::report
