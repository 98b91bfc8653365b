#pragma once
// The user's own folders for what the program keeps between runs: settings under the
// configuration folder, logs under the state folder (the XDG base directories, with their usual
// defaults below the home folder). Never the current directory, which may well be a card.

#include <optional>
#include <string>

namespace vemora {

// The program's folder name inside each of the user's folders.
inline constexpr const char* kProgramFolderName = "vemora-viewer";

// "$XDG_CONFIG_HOME/vemora-viewer" (default "~/.config/vemora-viewer"); nothing when neither the
// variable nor HOME names an absolute folder.
std::optional<std::string> ConfigFolder();
// "$XDG_STATE_HOME/vemora-viewer" (default "~/.local/state/vemora-viewer"); as above.
std::optional<std::string> StateFolder();

// Creates folder and its missing parents, new ones open to the user alone; false when it does
// not end up being a folder. These folders are the user's own: a link the user made there (to
// keep settings elsewhere) is followed.
bool MakeUserFolder(const std::string& folder);

} // namespace vemora
