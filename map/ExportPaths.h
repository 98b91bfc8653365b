#pragma once
// Where export files go and what they are called: a fixed folder below the user's Documents
// folder, and a name made of the recording's file name and its start time.

#include <cstdint>
#include <optional>
#include <string>

namespace vemora {

// The user's Documents folder: XDG_DOCUMENTS_DIR from the user-dirs configuration (as the desktop
// sets it up), else $HOME/Documents. Without a home folder, the current directory.
std::string DocumentsFolder();

// The same lookup with the home and configuration folders given (tests, other platforms).
// `configHome` is $XDG_CONFIG_HOME, empty for the default $HOME/.config.
std::string DocumentsFolderFor(const std::string& home, const std::string& configHome);

// The export folder below `documents`: documents + "/" (when missing) + "Vemora Viewer/KML/".
std::string ExportFolder(const std::string& documents);

// Creates every missing folder of `folder`. False (with a readable reason and the system's error
// number) when that fails or something that is not a folder is in the way.
bool CreateExportFolder(const std::string& folder, std::string* error, int* errorNumber = nullptr);

// `fileName` without its extension (its last four characters) + "_%Y_%m_%d_%H-%M-%S" of the start
// time in local time + `extension` (".KML"). Nothing when the local-time conversion rejects the
// start time.
std::optional<std::string> ExportFileName(const std::string& fileName, int64_t startTime,
                                          const std::string& extension);

// folder + "/" (when missing) + name.
std::string JoinFolder(const std::string& folder, const std::string& name);

} // namespace vemora
