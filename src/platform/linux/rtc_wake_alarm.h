#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace quorvel {

// The real-time clock's alarm in sysfs, which wakes the machine from hibernation and, where the
// firmware allows, from soft-off, where no kernel timer survives. Set only where this process
// may write it (usually root, or a udev rule); elsewhere it does nothing.
class RtcWakeAlarm {
public:
    explicit RtcWakeAlarm(std::string sysfsRoot);
    ~RtcWakeAlarm();
    RtcWakeAlarm(const RtcWakeAlarm&) = delete;
    RtcWakeAlarm& operator=(const RtcWakeAlarm&) = delete;

    // Sets the alarm to `due`, or clears an alarm this object set when `due` is empty.
    void Set(std::optional<std::chrono::sys_seconds> due);

private:
    bool Write(const std::string& text) const;

    std::string m_path;
    std::optional<std::chrono::sys_seconds> m_set;
};

}  // namespace quorvel
