#include "app/TerminalOptions.h"

#include "app/KeyboardControl.h"
#include "platform/Version.h"
#include "settings/LanguageTable.h"
#include "settings/StringTables.h"

#include <cstdio>
#include <string_view>

namespace vemora {

namespace {

// The window's keys with their English descriptions, taken from the same table as the "?" menu's
// key list.
void PrintKeys() {
    const std::uint16_t english = LanguageTable[kEnglishIndex].LangId();
    const auto rows =
        KeyboardHelpRows([english](int id) { return StringTables::Instance().Lookup(english, id); });
    for (const KeyHelpRow& row : rows)
        std::printf("  %s %s\n", row.keys.leftJustified(12).toUtf8().constData(),
                    row.action.toUtf8().constData());
}

void PrintHelp() {
    std::printf(
        "usage: vemora-viewer [FOLDER]\n"
        "       vemora-viewer --help | -h\n"
        "       vemora-viewer --version\n\n"
        "Plays the recordings of a two-camera vehicle recorder: front and rear video side by side,\n"
        "with speed, G-sensor curve and the track on a map.\n\n"
        "  FOLDER  scanned at start, as if chosen with OPEN (the recorder's SD card, for example)\n\n"
        "Files and environment:\n"
        "  Kalvo.ini        the settings, in $XDG_CONFIG_HOME/vemora-viewer (~/.config/vemora-viewer);\n"
        "                   on the first start, a Kalvo.ini of the current directory is imported\n"
        "  dump_log         while a file or folder of this name is beside Kalvo.ini, both players log\n"
        "                   to vlc_front.log and vlc_rear.log in $XDG_STATE_HOME/vemora-viewer\n"
        "                   (~/.local/state/vemora-viewer)\n"
        "  VEMORA_VLC_ARGS  libVLC arguments for both players, separated by spaces\n"
        "                   (\"--vout=dummy --aout=dummy\" plays without picture and sound)\n\n"
        "Keys, while the window is active and neither a dialog nor the map has the keyboard:\n");
    PrintKeys();
    std::printf("\nSee vemora-viewer(1).\n");
}

} // namespace

std::optional<int> AnswerTerminalOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            PrintHelp();
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (arg == "--version") {
            std::printf("vemora-viewer %s\n", kVersion);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
    }
    return std::nullopt;
}

} // namespace vemora
