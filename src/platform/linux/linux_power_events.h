#pragma once

#include <QObject>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "platform/linux/boot_clock.h"
#include "platform/linux/logind_manager.h"
#include "platform/linux/user_input_watcher.h"
#include "platform/linux/wake_fired_record.h"
#include "platform/power_events.h"

namespace quorvel {

// Resumes as logind announces them (PrepareForSleep(false)), each reported as Automatic, then
// WithUserInput at the first input after it.
class LinuxPowerEvents final : public QObject, public PowerEvents {
    Q_OBJECT

public:
    LinuxPowerEvents(LogindManager logind, std::shared_ptr<const WakeFiredRecord> fired, BootClock bootClock,
                     std::shared_ptr<UserInputWatcher> inputWatcher);
    ~LinuxPowerEvents() override;

    // Starts listening to logind on the first call.
    void SetResumeHandler(std::function<void(ResumeKind)> resumed) override;

    // Our wake timer fired within a few seconds of the last resume, and nobody has used the
    // machine since.
    bool IsSystemResumeAutomatic() const override;

private slots:
    void OnPrepareForSleep(bool sleeping);

private:
    void OnInput();

    LogindManager m_logind;
    std::shared_ptr<const WakeFiredRecord> m_fired;
    BootClock m_bootClock;
    std::shared_ptr<UserInputWatcher> m_inputWatcher;
    std::function<void(ResumeKind)> m_resumed;
    bool m_listening = false;
    std::optional<std::chrono::nanoseconds> m_lastResume;
    bool m_inputSinceResume = false;
};

}  // namespace quorvel
