#include "platform/linux/sysfs_power_info.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <set>

namespace quorvel {
namespace {

std::set<std::string> Words(const std::string& path)
{
    std::ifstream file(path);
    std::set<std::string> words;
    std::string word;
    while (file >> word) {
        words.insert(word);
    }
    return words;
}

// power/disk marks the mode in use with brackets: "[platform] shutdown reboot suspend".
std::string SelectedMode(const std::set<std::string>& words)
{
    for (const std::string& word : words) {
        if (word.size() > 2 && word.front() == '[' && word.back() == ']') {
            return word.substr(1, word.size() - 2);
        }
    }
    return {};
}

}  // namespace

SysfsPowerInfo ReadSysfsPowerInfo(const std::string& sysfsRoot)
{
    SysfsPowerInfo info;
    const std::set<std::string> states = Words(sysfsRoot + "/power/state");
    info.suspendToRam = states.count("mem") > 0;
    const std::string diskMode = SelectedMode(Words(sysfsRoot + "/power/disk"));
    info.hibernation = states.count("disk") > 0 &&
                       (diskMode == "platform" || diskMode == "shutdown" || diskMode == "suspend");
    const std::string alarm = sysfsRoot + "/class/rtc/rtc0/wakealarm";
    info.rtcAlarm = access(alarm.c_str(), F_OK) == 0;
    // With the effective rights, as the write itself will be made: a helper with file
    // capabilities or a process that dropped some must not be misjudged.
    info.rtcAlarmWritable = info.rtcAlarm && faccessat(AT_FDCWD, alarm.c_str(), W_OK, AT_EACCESS) == 0;
    return info;
}

}  // namespace quorvel
