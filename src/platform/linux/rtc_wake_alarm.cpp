#include "platform/linux/rtc_wake_alarm.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>

namespace quorvel {

RtcWakeAlarm::RtcWakeAlarm(std::string sysfsRoot) : m_path(std::move(sysfsRoot) + "/class/rtc/rtc0/wakealarm")
{
}

RtcWakeAlarm::~RtcWakeAlarm()
{
    // Our timers end with the process; the alarm must not wake the machine for nobody.
    Set(std::nullopt);
}

void RtcWakeAlarm::Set(std::optional<std::chrono::sys_seconds> due)
{
    if (due == m_set || faccessat(AT_FDCWD, m_path.c_str(), W_OK, AT_EACCESS) != 0) {
        return;
    }
    // The kernel refuses a new alarm while one is set: clear it first.
    Write("0");
    m_set.reset();
    if (due && Write(std::to_string(due->time_since_epoch().count()))) {
        m_set = due;
    }
}

bool RtcWakeAlarm::Write(const std::string& text) const
{
    std::ofstream file(m_path);
    file << text << '\n';
    file.flush();
    return static_cast<bool>(file);
}

}  // namespace quorvel
