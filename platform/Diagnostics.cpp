#include "platform/Diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <string>

namespace vemora {
namespace {

std::mutex& SinkMutex() {
    static std::mutex m;
    return m;
}

DiagnosticSink& CurrentSink() {
    static DiagnosticSink sink = StdoutSink();
    return sink;
}

} // namespace

void SetDiagnosticSink(DiagnosticSink sink) {
    std::lock_guard lock(SinkMutex());
    CurrentSink() = std::move(sink);
}

void Diag(const char* format, ...) {
    char small[512];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string text;
    if (n < 0) {
        va_end(copy);
        return;
    }
    if (static_cast<size_t>(n) < sizeof small) {
        text.assign(small, static_cast<size_t>(n));
    } else {
        text.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(text.data(), text.size(), format, copy);
        text.resize(static_cast<size_t>(n));
    }
    va_end(copy);
    std::lock_guard lock(SinkMutex());
    if (CurrentSink())
        CurrentSink()(text);
}

DiagnosticSink StdoutSink() {
    return [](std::string_view line) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fflush(stdout);
    };
}

DiagnosticSink StderrSink() {
    return [](std::string_view line) { std::fwrite(line.data(), 1, line.size(), stderr); };
}

} // namespace vemora
