#include "platform/linux/user_input_watcher.h"

namespace quorvel {
namespace {

// Input within this long after the start is not told apart from the server's own stirring at
// resume (a switch of consoles, the display coming back); later input is.
constexpr std::chrono::milliseconds kSettling{5000};

}  // namespace

UserInputWatcher::UserInputWatcher(IdleSource idle, Clock clock, std::chrono::milliseconds interval)
    : m_idle(std::move(idle)), m_clock(std::move(clock))
{
    m_timer.setInterval(static_cast<int>(interval.count()));
    connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
}

void UserInputWatcher::Watch()
{
    m_since = m_clock();
    m_timer.start();
}

void UserInputWatcher::Stop()
{
    m_timer.stop();
}

void UserInputWatcher::NoteOwnActivity()
{
    if (IsWatching()) {
        m_since = m_clock();
    }
}

void UserInputWatcher::Poll()
{
    const std::optional<std::chrono::milliseconds> idle = m_idle();
    if (!idle) {
        Stop();
        return;
    }
    if (*idle + kSettling < m_clock() - m_since) {
        Stop();
        if (m_handler) {
            m_handler();
        }
    }
}

}  // namespace quorvel
