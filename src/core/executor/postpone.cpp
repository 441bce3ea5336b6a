#include "core/executor/postpone.h"

#include <chrono>

#include "core/tasks/run_program.h"
#include "core/tasks/task_fields.h"
#include "core/tasks/task_line.h"
#include "core/tasks/unique_start_time.h"

namespace quorvel {
namespace {

// Local wall-clock arithmetic, as the reminder counts: a delay over a clock change still lands
// on the same clock reading.
LocalMoment AddMinutes(const LocalMoment& moment, int minutes)
{
    using namespace std::chrono;
    const year_month_day day{year{moment.date.year}, month{static_cast<unsigned>(moment.date.month)},
                             std::chrono::day{static_cast<unsigned>(moment.date.day)}};
    const auto later = sys_days{day} + hours{moment.time.hour} + std::chrono::minutes{moment.time.minute} +
                       seconds{moment.time.second} + std::chrono::minutes{minutes};
    const sys_days laterDay = floor<days>(later);
    const hh_mm_ss<seconds> clock{later - laterDay};
    const year_month_day laterDate{laterDay};
    LocalMoment result;
    result.date =
        Date{static_cast<int>(laterDate.year()), static_cast<int>(static_cast<unsigned>(laterDate.month())),
             static_cast<int>(static_cast<unsigned>(laterDate.day()))};
    result.time =
        TimeOfDay{static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count())};
    result.millisecond = moment.millisecond;
    return result;
}

std::string OnceCode(const Date& date)
{
    return "l2-" + std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
           std::to_string(date.day);
}

// The one action field of the new task, as the reminder's event names it.
void FillAction(TaskRecord& record, const ReminderRequest& request)
{
    const auto set = [&record](ActionKind kind, std::string_view parameter = {}) {
        ActionField(record, kind) = MakeActionField(kind, parameter);
    };
    switch (request.event) {
        case ReminderEvent::CloseMonitor:
            return set(ActionKind::MonitorOff);
        case ReminderEvent::ShutDown:
            return set(ActionKind::ShutDown);
        case ReminderEvent::OpenEXE:
            return set(ActionKind::RunProgram, JoinRunProgram(request.target, request.parameters));
        case ReminderEvent::Reboot:
            return set(ActionKind::Reboot);
        case ReminderEvent::LockWS:
            return set(ActionKind::LockComputer);
        case ReminderEvent::Open:
            return set(ActionKind::OpenFile, request.target);
        case ReminderEvent::KillTask:
            return set(ActionKind::CloseProgram, request.target);
        case ReminderEvent::Openhttp:
            return set(ActionKind::OpenUrl, request.target);
        case ReminderEvent::StandBy:
            return set(ActionKind::Standby);
        case ReminderEvent::Hibernate:
            return set(ActionKind::Hibernate);
        case ReminderEvent::LogOff:
            return set(ActionKind::LogOff);
        case ReminderEvent::Macro:
            return set(ActionKind::Macro, request.target);
    }
}

}  // namespace

PostponedTask PostponeReminder(const ReminderRequest& request, const PostponeItem& item,
                               const LocalMoment& now, const std::vector<std::string>& taskLines,
                               const TimeFormat& format, const LangLookup& lang)
{
    const LocalMoment delay = AddMinutes(now, item.minutes);
    const std::string timeText =
        UniqueStartTime(format.FormatLongTime(delay.time), taskLines, std::nullopt, format);

    TaskRecord record;
    record.StartTime = timeText;
    record.State = "Enabled";
    record.RepeatCode = OnceCode(delay.date);
    record.Countdown = std::to_string(request.countdown);
    FillAction(record, request);
    record.Title = request.title + " - " + lang.Str(item.labelKey, item.labelDefault);
    return PostponedTask{FormatTaskLine(record), timeText};
}

}  // namespace quorvel
