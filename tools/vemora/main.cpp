// vemora: the command-line face of the core. JSON on stdout, errors and diagnostics on stderr.
#include "platform/Diagnostics.h"
#include "tools/vemora/Commands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vemora::cli {

std::map<std::string, Command>& CommandTable() {
    static std::map<std::string, Command> table;
    return table;
}

} // namespace vemora::cli

namespace {

void PrintUsage() {
    std::fprintf(stderr, "usage: vemora COMMAND ARGS...\n");
    for (const auto& [name, cmd] : vemora::cli::CommandTable())
        std::fprintf(stderr, "  vemora %s %s\n", name.c_str(), cmd.usage);
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
    auto& table = vemora::cli::CommandTable();
    auto it = table.find(argv[1]);
    if (it == table.end()) {
        std::fprintf(stderr, "vemora: unknown command '%s'\n", argv[1]);
        PrintUsage();
        return vemora::cli::kExitUsage;
    }
    vemora::cli::Args args(argv + 2, argv + argc);
    return it->second.run(args);
}
