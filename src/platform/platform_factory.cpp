#include "platform/platform_factory.h"

#include "platform/ini_lang_manager_store.h"
#include "platform/linux/linux_launcher.h"
#include "platform/linux/linux_power_backend.h"
#include "platform/linux/linux_process_control.h"
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

// Requests are carried out where a Linux backend exists; the services without one yet are
// recorded to standard error instead.
PlatformBuild BuildLinux(const RequestLog::Clock& clock)
{
    PlatformBuild build = BuildRecording({}, clock);
    if (build.services) {
        // Services with a Linux backend replace their recorded stand-ins.
        build.services->langManagerStore =
            std::make_shared<IniLangManagerStore>(IniLangManagerStore::DefaultPath());
        build.services->launcher = std::make_shared<LinuxLauncher>();
        build.services->processControl = std::make_shared<LinuxProcessControl>();
        LinuxPowerBackend(LinuxPowerSetup::FromEnvironment()).FillServices(*build.services);
    }
    return build;
}

}  // namespace

PlatformBuild BuildPlatformServices(const PlatformChoice& choice, const RequestLog::Clock& clock)
{
    switch (choice.backend) {
        case PlatformBackend::Recording:
            return BuildRecording(choice.requestLogFile, clock);
        case PlatformBackend::Linux:
            return BuildLinux(clock);
    }
    return BuildLinux(clock);
}

}  // namespace quorvel
