#pragma once
// The options the viewer answers on the terminal before any window exists: --help (-h) and
// --version. Both print to standard output; neither needs a display.

#include <optional>

namespace vemora {

// The exit status when the arguments ask for the help or the version, after printing it; nothing
// when the program is to start as usual.
std::optional<int> AnswerTerminalOption(int argc, char** argv);

} // namespace vemora
