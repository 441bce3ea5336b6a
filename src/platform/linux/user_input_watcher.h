#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>

namespace quorvel {

// Notices the first use of keyboard or mouse after a moment (a resume) by polling the display
// server's idle time: input has come when the idle time is shorter than the time since then.
class UserInputWatcher final : public QObject {
public:
    // Time since the last input; nothing where the display server cannot tell.
    using IdleSource = std::function<std::optional<std::chrono::milliseconds>()>;
    // A clock that stands still while the machine sleeps, as the display server's does.
    using Clock = std::function<std::chrono::milliseconds()>;

    UserInputWatcher(IdleSource idle, Clock clock, std::chrono::milliseconds interval);

    // Called once per Watch, at the first input after it.
    void SetInputHandler(std::function<void()> handler) { m_handler = std::move(handler); }

    // Watches from now on; ends at the first input, at Stop, or at once where the idle time
    // cannot be read.
    void Watch();
    void Stop();
    bool IsWatching() const { return m_timer.isActive(); }

    // Our own waking of the display restarts the idle time as input would; count from then.
    void NoteOwnActivity();

private:
    void Poll();

    IdleSource m_idle;
    Clock m_clock;
    QTimer m_timer;
    std::chrono::milliseconds m_since{0};
    std::function<void()> m_handler;
};

}  // namespace quorvel
