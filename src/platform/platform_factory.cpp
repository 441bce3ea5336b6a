#include "platform/platform_factory.h"

#include "platform/ini_lang_manager_store.h"
#include "platform/recording/recording_backend.h"

namespace quorvel {
namespace {

PlatformBuild BuildRecording(const std::string& requestLogFile, const RequestLog::Clock& clock)
{
    std::shared_ptr<RequestLog> log;
    if (requestLogFile.empty()) {
        log = RequestLog::ToStandardError(clock);
    } else {
        std::string reason;
        log = RequestLog::AppendingToFile(requestLogFile, clock, reason);
        if (!log) {
            return PlatformBuild{std::nullopt,
                                 "cannot append to the request log " + requestLogFile + ": " + reason};
        }
    }
    return PlatformBuild{RecordingBackend(log).Services(), {}};
}

PlatformBuild BuildLinuxFallingBackToRecording(const RequestLog::Clock& clock)
{
    PlatformBuild build = BuildRecording({}, clock);
    // Services with a Linux backend replace their recorded stand-ins.
    build.services->langManagerStore =
        std::make_shared<IniLangManagerStore>(IniLangManagerStore::DefaultPath());
    return build;
}

}  // namespace

PlatformBuild BuildPlatformServices(const PlatformChoice& choice, const RequestLog::Clock& clock)
{
    switch (choice.backend) {
        case PlatformBackend::Recording:
            return BuildRecording(choice.requestLogFile, clock);
        case PlatformBackend::Linux:
            return BuildLinuxFallingBackToRecording(clock);
    }
    return BuildLinuxFallingBackToRecording(clock);
}

}  // namespace quorvel
