// vemora: the command-line face of the core. JSON on stdout, errors and diagnostics on stderr.
#include "platform/Diagnostics.h"
#include "platform/TerminalText.h"
#include "platform/Version.h"
#include "tools/vemora/Commands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace vemora::cli {

std::map<std::string, Command>& CommandTable() {
    static std::map<std::string, Command> table;
    return table;
}

} // namespace vemora::cli

namespace {

// Each command's usage is "ARGS   what it does": the arguments on the command's line, the words
// indented below.
void PrintCommands(std::FILE* out) {
    for (const auto& [name, cmd] : vemora::cli::CommandTable()) {
        const std::string_view usage = cmd.usage;
        const std::size_t gap = usage.find("   ");
        const std::string_view args = usage.substr(0, gap);
        std::fprintf(out, "  vemora %s %.*s\n", name.c_str(), static_cast<int>(args.size()), args.data());
        if (gap != std::string_view::npos) {
            const std::string_view words = usage.substr(usage.find_first_not_of(' ', gap));
            std::fprintf(out, "      %.*s\n", static_cast<int>(words.size()), words.data());
        }
    }
}

void PrintUsage() {
    std::fprintf(stderr, "usage: vemora COMMAND ARGS...   (vemora --help tells more)\n");
    PrintCommands(stderr);
}

void PrintHelp() {
    std::printf("usage: vemora COMMAND ARGS...\n"
                "       vemora --help | -h\n"
                "       vemora --version\n\n"
                "Reads the recordings of a two-camera vehicle recorder with the viewer's own readers\n"
                "and prints what it finds as JSON on standard output. Errors go to standard error.\n\n"
                "Commands:\n");
    PrintCommands(stdout);
    std::printf("\nExit status:\n"
                "  0  success\n"
                "  1  a file was rejected or is missing\n"
                "  2  usage error\n\n"
                "Environment:\n"
                "  VEMORA_DIAG  when set, the readers' diagnostics go to standard error\n\n"
                "See vemora(1) for the fields of the JSON output.\n");
}

} // namespace

int main(int argc, char** argv) {
    // The readers' diagnostics are only wanted when debugging the tool itself.
    if (std::getenv("VEMORA_DIAG"))
        vemora::SetDiagnosticSink(vemora::StderrSink());
    else
        vemora::SetDiagnosticSink({});

    if (argc < 2) {
        PrintUsage();
        return vemora::cli::kExitUsage;
    }
    const std::string_view first = argv[1];
    if (first == "--help" || first == "-h") {
        PrintHelp();
        return std::fflush(stdout) == 0 ? vemora::cli::kExitOk : vemora::cli::kExitRejected;
    }
    if (first == "--version") {
        std::printf("vemora %s\n", vemora::kVersion);
        return std::fflush(stdout) == 0 ? vemora::cli::kExitOk : vemora::cli::kExitRejected;
    }
    auto& table = vemora::cli::CommandTable();
    auto it = table.find(argv[1]);
    if (it == table.end()) {
        std::fprintf(stderr, "vemora: unknown command '%s'\n", vemora::TerminalText(argv[1]).c_str());
        PrintUsage();
        return vemora::cli::kExitUsage;
    }
    vemora::cli::Args args(argv + 2, argv + argc);
    return it->second.run(args);
}
