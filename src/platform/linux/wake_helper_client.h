#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform/linux/wake_clock.h"

namespace quorvel {

// How to start quorvel-wake-helper.
struct WakeHelperLaunch {
    QString program;
    QStringList arguments;
    // Runs in the child before the helper starts; tests use it to take a capability away.
    std::function<void()> childSetup;
};

// The wake timers held by the helper process, which alone has the right to arm timers that
// wake the machine. Its expiries arrive on the helper's output, watched by the event loop.
class WakeHelperClient final : public QObject, public WakeClock {
public:
    // Starts the helper and waits a moment for it to say it is ready. Null with `why` set when
    // it cannot be started, cannot hold its timers (no capability) or does not answer.
    static std::unique_ptr<WakeHelperClient> Start(const WakeHelperLaunch& launch, QString& why);

    ~WakeHelperClient() override;

    void ArmAt(WakeTimerName timer, std::chrono::sys_seconds dueUtc) override;
    void ArmAfter(WakeTimerName timer, std::chrono::seconds delay) override;
    void Cancel(WakeTimerName timer) override;
    bool WakesFromSuspend() const override { return m_wakes; }

private:
    WakeHelperClient() = default;
    void Send(const WakeHelperCommand& command);
    void ReadReplies();

    QProcess m_process;
    QByteArray m_received;
    bool m_wakes = false;
    bool m_ending = false;
};

}  // namespace quorvel
