#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace quorvel {

// How a task repeats; decided by the first two characters of its RepeatCode.
enum class RecurrenceKind {
    Weekly,    // empty RepeatCode
    Daily,     // "l1-EveryDay"
    Once,      // "l2-Y-M-D"
    Annually,  // "l3-M-D"
    Monthly,   // "l4-D"
    Unknown,   // non-empty code starting with none of the above
};

// The fourteen action fields of a task, in the order they stand in the line.
enum class ActionKind {
    MonitorOff,
    ShutDown,
    RunProgram,
    ShowMessage,
    Reboot,
    LockComputer,
    OpenFile,
    CloseProgram,
    OpenUrl,
    Standby,
    Hibernate,
    PowerOn,
    LogOff,
    Macro,
};

inline constexpr std::size_t kActionKindCount = 14;
inline constexpr std::size_t kTaskFieldCount = 26;

// Monday first, as the weekday flags stand in the line.
enum class Weekday { Mon, Tues, Wed, Thurs, Fri, Sat, Sun };

// One task: the 26 fields of a task.dat line, kept as the bytes they were stored as.
struct TaskRecord {
    std::string StartTime;                    // 1
    std::string State;                        // 2
    std::string RepeatCode;                   // 3
    std::array<std::string, 7> WeekdayFlags;  // 4..10, Monday first
    std::string MonitorOff;                   // 11
    std::string ShutDown;                     // 12
    std::string Countdown;                    // 13
    std::string RunProgram;                   // 14
    std::string ShowMessage;                  // 15
    std::string Reboot;                       // 16
    std::string LockComputer;                 // 17
    std::string OpenFile;                     // 18
    std::string CloseProgram;                 // 19
    std::string OpenUrl;                      // 20
    std::string Standby;                      // 21
    std::string Hibernate;                    // 22
    std::string PowerOn;                      // 23
    std::string LogOff;                       // 24
    std::string Macro;                        // 25
    std::string Title;                        // 26

    bool operator==(const TaskRecord&) const = default;
};

}  // namespace quorvel
