#pragma once
// The command table of the `vemora` tool. Each command lives in its own file and registers itself
// with a static CommandRegistrar; main() only looks the name up.
// Exit codes: 0 success, 1 a file was rejected or missing, 2 usage error.

#include <map>
#include <string>
#include <vector>

namespace vemora::cli {

using Args = std::vector<std::string>;
using CommandFn = int (*)(const Args& args);

struct Command {
    CommandFn run;
    const char* usage;
};

std::map<std::string, Command>& CommandTable();

struct CommandRegistrar {
    CommandRegistrar(const char* name, CommandFn fn, const char* usage) {
        CommandTable()[name] = Command{fn, usage};
    }
};

constexpr int kExitOk = 0;
constexpr int kExitRejected = 1;
constexpr int kExitUsage = 2;

} // namespace vemora::cli
