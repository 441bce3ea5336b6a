#include "platform/linux/linux_power_events.h"

namespace quorvel {
namespace {

// The timer's expiry and logind's resume signal arrive in either order, a moment apart.
constexpr std::chrono::seconds kSameWake{10};

}  // namespace

LinuxPowerEvents::LinuxPowerEvents(LogindManager logind, std::shared_ptr<const WakeFiredRecord> fired,
                                   BootClock bootClock, std::shared_ptr<UserInputWatcher> inputWatcher)
    : m_logind(std::move(logind)),
      m_fired(std::move(fired)),
      m_bootClock(std::move(bootClock)),
      m_inputWatcher(std::move(inputWatcher))
{
    if (m_inputWatcher) {
        m_inputWatcher->SetInputHandler([this] { OnInput(); });
    }
}

LinuxPowerEvents::~LinuxPowerEvents()
{
    if (m_inputWatcher) {
        m_inputWatcher->Stop();
        m_inputWatcher->SetInputHandler({});
    }
}

void LinuxPowerEvents::SetResumeHandler(std::function<void(ResumeKind)> resumed)
{
    m_resumed = std::move(resumed);
    if (!m_listening) {
        m_listening = m_logind.ConnectPrepareForSleep(this, SLOT(OnPrepareForSleep(bool)));
    }
}

bool LinuxPowerEvents::IsSystemResumeAutomatic() const
{
    if (!m_lastResume || !m_fired || !m_fired->lastFired || m_inputSinceResume) {
        return false;
    }
    const std::chrono::nanoseconds apart = *m_fired->lastFired - *m_lastResume;
    return apart < kSameWake && apart > -kSameWake;
}

void LinuxPowerEvents::OnPrepareForSleep(bool sleeping)
{
    if (sleeping) {
        if (m_inputWatcher) {
            m_inputWatcher->Stop();
        }
        return;
    }
    m_lastResume = m_bootClock();
    m_inputSinceResume = false;
    if (m_inputWatcher) {
        m_inputWatcher->Watch();
    }
    if (m_resumed) {
        m_resumed(ResumeKind::Automatic);
    }
}

void LinuxPowerEvents::OnInput()
{
    m_inputSinceResume = true;
    if (m_resumed) {
        m_resumed(ResumeKind::WithUserInput);
    }
}

}  // namespace quorvel
