#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The line protocol between the program and quorvel-wake-helper, the small process that holds
// the waking timers because only it has the right to wake the machine. One line per message,
// ASCII, fields separated by one blank. Free of Qt: the helper shares this file.

// The two timers; their names are the ones the program has always given them.
enum class WakeTimerName { PcWake, WakeTest };

std::string_view WakeTimerText(WakeTimerName name);

// The largest second count either side accepts: the end of year 9999 in UTC.
inline constexpr std::int64_t kLargestWakeSeconds = 253402300799;

// Program to helper: "arm pcwake 1717228800" (absolute, UTC seconds since the epoch),
// "after waketest 210" (relative), "cancel pcwake", "quit".
struct WakeHelperCommand {
    enum class Kind { ArmAt, ArmAfter, Cancel, Quit };
    Kind kind = Kind::Quit;
    WakeTimerName timer = WakeTimerName::PcWake;
    std::int64_t seconds = 0;

    bool operator==(const WakeHelperCommand&) const = default;
};

// Without the line end.
std::string FormatWakeHelperCommand(const WakeHelperCommand& command);
// Nothing for a line that is not exactly one of the forms above.
std::optional<WakeHelperCommand> ParseWakeHelperCommand(std::string_view line);

// Helper to program: "ready alarm" (its timers wake the machine), "ready realtime" (they fire
// only while it is awake), "unavailable <reason>" (it cannot hold timers and ends), "fired
// pcwake", "error <reason>" (a line it did not understand or a timer the kernel refused).
struct WakeHelperReply {
    enum class Kind { ReadyWaking, ReadyNotWaking, Unavailable, Fired, Error };
    Kind kind = Kind::Error;
    WakeTimerName timer = WakeTimerName::PcWake;  // Fired only
    std::string reason;                           // Unavailable and Error only

    bool operator==(const WakeHelperReply&) const = default;
};

std::string FormatWakeHelperReply(const WakeHelperReply& reply);
std::optional<WakeHelperReply> ParseWakeHelperReply(std::string_view line);

}  // namespace quorvel
