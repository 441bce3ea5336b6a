#include "platform/linux/linux_wake_timer.h"

#include <QDebug>
#include <QObject>

#include "platform/linux/in_process_wake_clock.h"

namespace quorvel {
namespace {

std::chrono::sys_seconds Now()
{
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

}  // namespace

LinuxWakeTimer::LinuxWakeTimer(LinuxWakeTimerSetup setup)
    : m_setup(std::move(setup)), m_rtcAlarm(m_setup.sysfsRoot)
{
    if (!m_setup.bootClock) {
        m_setup.bootClock = SystemBootClock();
    }
    if (!m_setup.fired) {
        m_setup.fired = std::make_shared<WakeFiredRecord>();
    }
}

LinuxWakeTimer::~LinuxWakeTimer() = default;

void LinuxWakeTimer::ArmWakeTimer(std::chrono::sys_seconds dueUtc)
{
    m_pcWakeDue = dueUtc;
    Clock().ArmAt(WakeTimerName::PcWake, dueUtc);
    UpdateRtcAlarm();
}

void LinuxWakeTimer::CancelWakeTimer()
{
    m_pcWakeDue.reset();
    // Nothing was ever armed when no clock was started: no need to start one to cancel.
    if (m_clock) {
        m_clock->Cancel(WakeTimerName::PcWake);
    }
    UpdateRtcAlarm();
}

void LinuxWakeTimer::SetWakeTimerHandler(std::function<void()> fired)
{
    m_handler = std::move(fired);
}

void LinuxWakeTimer::ArmWakeTestTimer(std::chrono::seconds delay)
{
    m_wakeTestDue = Now() + delay;
    Clock().ArmAfter(WakeTimerName::WakeTest, delay);
    UpdateRtcAlarm();
}

bool LinuxWakeTimer::WakesFromSuspend()
{
    return Clock().WakesFromSuspend();
}

WakeClock& LinuxWakeTimer::Clock()
{
    if (m_clock) {
        return *m_clock;
    }
    if (m_setup.helper.program.isEmpty()) {
        UseFallback(QStringLiteral("quorvel-wake-helper is not installed"));
        return *m_clock;
    }
    QString why;
    std::unique_ptr<WakeHelperClient> helper = WakeHelperClient::Start(m_setup.helper, why);
    if (!helper) {
        UseFallback(why);
        return *m_clock;
    }
    m_clock = std::move(helper);
    m_clock->SetHandlers([this](WakeTimerName timer) { OnFired(timer); }, [this] { OnLost(); });
    return *m_clock;
}

void LinuxWakeTimer::UseFallback(const QString& why)
{
    qInfo().noquote() << "Power-on tasks will only fire while the computer is awake:" << why;
    m_clock = std::make_unique<InProcessWakeClock>(m_setup.fallbackClock);
    m_clock->SetHandlers([this](WakeTimerName timer) { OnFired(timer); }, [this] { OnLost(); });
}

void LinuxWakeTimer::OnFired(WakeTimerName timer)
{
    m_setup.fired->lastFired = m_setup.bootClock();
    Pending(timer).reset();
    UpdateRtcAlarm();
    if (timer == WakeTimerName::PcWake && m_handler) {
        m_handler();
    }
}

void LinuxWakeTimer::OnLost()
{
    // The helper ended; its due times went with it. Hand them to our own timers, deleting the
    // helper only once its signal has returned.
    if (auto* helper = dynamic_cast<QObject*>(m_clock.get())) {
        m_clock.release();
        helper->deleteLater();
    }
    m_clock.reset();
    UseFallback(QStringLiteral("quorvel-wake-helper ended"));
    if (m_pcWakeDue) {
        m_clock->ArmAt(WakeTimerName::PcWake, *m_pcWakeDue);
    }
    if (m_wakeTestDue) {
        m_clock->ArmAt(WakeTimerName::WakeTest, *m_wakeTestDue);
    }
}

std::optional<std::chrono::sys_seconds>& LinuxWakeTimer::Pending(WakeTimerName timer)
{
    return timer == WakeTimerName::PcWake ? m_pcWakeDue : m_wakeTestDue;
}

void LinuxWakeTimer::UpdateRtcAlarm()
{
    // One alarm for both timers: the earlier due time.
    std::optional<std::chrono::sys_seconds> earliest = m_pcWakeDue;
    if (m_wakeTestDue && (!earliest || *m_wakeTestDue < *earliest)) {
        earliest = m_wakeTestDue;
    }
    // A moment already past would only be refused by the clock.
    if (earliest && *earliest <= Now()) {
        earliest.reset();
    }
    m_rtcAlarm.Set(earliest);
}

}  // namespace quorvel
