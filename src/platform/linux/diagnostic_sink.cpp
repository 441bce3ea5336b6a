#include "platform/linux/diagnostic_sink.h"

#include <cstdio>

namespace quorvel {

DiagnosticSink StandardOutputSink()
{
    return [](const std::string& line) {
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    };
}

}  // namespace quorvel
