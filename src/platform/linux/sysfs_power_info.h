#pragma once

#include <string>

namespace quorvel {

// What the kernel says about sleeping and waking, read from sysfs.
struct SysfsPowerInfo {
    bool suspendToRam = false;  // "mem" in power/state
    // "disk" in power/state, with a power/disk mode after which the machine is off and waits:
    // platform, shutdown or suspend (not reboot, test_resume or disabled).
    bool hibernation = false;
    bool rtcAlarm = false;          // class/rtc/rtc0/wakealarm is there
    bool rtcAlarmWritable = false;  // and this process may set it
};

// `sysfsRoot` is "/sys" on a real machine; tests point it at a fixture tree. Missing files
// read as "cannot".
SysfsPowerInfo ReadSysfsPowerInfo(const std::string& sysfsRoot);

}  // namespace quorvel
