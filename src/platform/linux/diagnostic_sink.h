#pragma once

#include <functional>
#include <string>

namespace quorvel {

// Where the diagnostic lines of the session-end requests go: one line each, never shown to the
// user. Standard output in the program; a test collects them.
using DiagnosticSink = std::function<void(const std::string& line)>;

DiagnosticSink StandardOutputSink();

}  // namespace quorvel
