// quorvel-wake-helper: holds the timers that wake the computer for power-on tasks. Arming such a
// timer needs CAP_WAKE_ALARM, which is given to this small program alone (setcap) rather than to
// the whole desktop program. It talks to the program over its standard input and output.

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/linux/timer_fd.h"
#include "platform/linux/wake_helper/wake_helper_loop.h"

int main(int argc, char* argv[])
{
    // A program that went away must end the helper through a failed write, not a signal.
    signal(SIGPIPE, SIG_IGN);

    clockid_t clock = CLOCK_REALTIME_ALARM;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--clock=alarm") {
            clock = CLOCK_REALTIME_ALARM;
        } else if (argument == "--clock=realtime") {
            // Fires only while the machine is awake; for tests, which must never wake anything.
            clock = CLOCK_REALTIME;
        } else {
            std::fprintf(stderr, "usage: quorvel-wake-helper [--clock=alarm|--clock=realtime]\n");
            return 2;
        }
    }

    int error = 0;
    quorvel::TimerFd pcWake = quorvel::TimerFd::Create(clock, error);
    quorvel::TimerFd wakeTest;
    if (pcWake.IsValid()) {
        wakeTest = quorvel::TimerFd::Create(clock, error);
    }
    if (!pcWake.IsValid() || !wakeTest.IsValid()) {
        quorvel::WakeHelperLoop::WriteLine(
            STDOUT_FILENO,
            quorvel::FormatWakeHelperReply({quorvel::WakeHelperReply::Kind::Unavailable,
                                            quorvel::WakeTimerName::PcWake, std::strerror(error)}));
        return 1;
    }

    const auto ready = clock == CLOCK_REALTIME_ALARM ? quorvel::WakeHelperReply::Kind::ReadyWaking
                                                     : quorvel::WakeHelperReply::Kind::ReadyNotWaking;
    if (!quorvel::WakeHelperLoop::WriteLine(STDOUT_FILENO, quorvel::FormatWakeHelperReply({ready, {}, {}}))) {
        return 0;
    }
    return quorvel::WakeHelperLoop(STDIN_FILENO, STDOUT_FILENO, std::move(pcWake), std::move(wakeTest)).Run();
}
