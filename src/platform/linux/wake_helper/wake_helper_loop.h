#pragma once

#include <string>
#include <string_view>

#include "platform/linux/timer_fd.h"
#include "platform/linux/wake_helper_protocol.h"

namespace quorvel {

// The helper's whole work: read commands, arm or cancel its two timers, report each expiry.
// Single-threaded, one poll over the input and both timers.
class WakeHelperLoop {
public:
    WakeHelperLoop(int input, int output, TimerFd pcWake, TimerFd wakeTest);

    // Serves until "quit" or the end of the input (the program has gone); the exit status.
    int Run();

    // Writes `line` and a line end in full; false when the reader has gone.
    static bool WriteLine(int fd, const std::string& line);

private:
    bool ReadInput();
    void HandleLine(std::string_view line);
    TimerFd& Timer(WakeTimerName name);
    bool Send(const WakeHelperReply& reply);

    int m_input;
    int m_output;
    TimerFd m_pcWake;
    TimerFd m_wakeTest;
    std::string m_pending;
    bool m_discardingLongLine = false;
    bool m_quit = false;
};

}  // namespace quorvel
