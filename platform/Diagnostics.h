#pragma once
// One sink for the program's single-line diagnostics ("----->> CDvrApp::InitInstance +++++ ",
// "Get end uiSize > range "). The desktop program sends them to standard output; the command-line
// tool to standard error (or nowhere), so that its JSON output stays clean.

#include <functional>
#include <string_view>

namespace vemora {

using DiagnosticSink = std::function<void(std::string_view line)>;

// Replaces the process-wide sink; an empty function silences diagnostics. Set once at start,
// before worker threads exist.
void SetDiagnosticSink(DiagnosticSink sink);

// Formats like printf and hands the text, unchanged, to the sink.
void Diag(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Convenience sinks.
DiagnosticSink StdoutSink();
DiagnosticSink StderrSink();

} // namespace vemora
