#pragma once
// What the commands that start from one recording file share: the folder scanned for the file's
// drive, the file found among the recordings, and Ctrl+C as a cancel.

#include <atomic>
#include <filesystem>
#include <string>

namespace vemora::cli {

// The folder scanned for FILE's drive: FILE's own, or the one that holds FILE's folder and its
// partner's when the cameras keep their files apart (DCIM/Movie/F and DCIM/Movie/R), so that a
// recording whose other camera's file alone is there still takes its place in the drive.
std::string ScanFolderFor(const std::filesystem::path& file);

// Whether the two paths name the same file (links and relative paths resolved).
bool SameFile(const std::string& a, const std::string& b);

// From here on the first Ctrl+C (or SIGTERM) sets the flag returned, so that the work under way
// cancels and cleans up; a second one ends the program at once.
const std::atomic<bool>& CatchInterrupts();

} // namespace vemora::cli
