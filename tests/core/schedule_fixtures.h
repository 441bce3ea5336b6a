#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "core/tasks/task_record.h"
#include "core/time/civil_time.h"
#include "core/time/time_format.h"

namespace quorvel::testing {

inline LocalMoment At(int year, int month, int day, int hour, int minute, int second, int millisecond = 0)
{
    return LocalMoment{Date{year, month, day}, TimeOfDay{hour, minute, second}, millisecond};
}

inline TimeFormat Format24()
{
    return TimeFormat("%H:%M:%S", "%H:%M", "%A %d %B %Y", "%d/%m/%Y");
}

inline TimeFormat Format12()
{
    return TimeFormat("%I:%M:%S %p", "%I:%M %p", "%A, %B %d, %Y", "%m/%d/%Y");
}

// Names a parameterised case by its `name` member.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& param)
{
    return param.param.name;
}

// An enabled task with a repeat code (empty for a weekly one), as the editor would store it.
inline TaskRecord Task(std::string startTime, std::string repeatCode, std::string title = "Task")
{
    TaskRecord record;
    record.StartTime = std::move(startTime);
    record.State = "Enabled";
    record.RepeatCode = std::move(repeatCode);
    record.ShowMessage = "Show Message:hello";
    record.Title = std::move(title);
    return record;
}

inline TaskRecord WeeklyTask(std::string startTime, std::initializer_list<Weekday> days,
                             std::string title = "Task")
{
    static constexpr const char* kFlags[] = {"Mon", "Tues", "Wed", "Thurs", "Fri", "Sat", "Sun"};
    TaskRecord record = Task(std::move(startTime), "", std::move(title));
    for (const Weekday day : days) {
        record.WeekdayFlags[static_cast<std::size_t>(day)] = kFlags[static_cast<std::size_t>(day)];
    }
    return record;
}

}  // namespace quorvel::testing
