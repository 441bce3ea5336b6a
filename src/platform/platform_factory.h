#pragma once

#include <optional>
#include <string>

#include "platform/platform_services.h"
#include "platform/recording/request_log.h"

namespace quorvel {

enum class PlatformBackend {
    Linux,      // carry requests out
    Recording,  // log requests instead (tests, dry runs)
};

struct PlatformChoice {
    PlatformBackend backend = PlatformBackend::Linux;
    // Where the recording backend appends its lines; empty means standard error.
    std::string requestLogFile;
};

struct PlatformBuild {
    std::optional<PlatformServices> services;
    std::string error;  // why there are no services, for the user
};

PlatformBuild BuildPlatformServices(const PlatformChoice& choice, const RequestLog::Clock& clock);

}  // namespace quorvel
