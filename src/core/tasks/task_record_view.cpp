#include "core/tasks/task_record_view.h"

namespace quorvel {

TaskRecordView::TaskRecordView(const TaskRecord& record)
    : StartTime(record.StartTime),
      State(record.State),
      RepeatCode(record.RepeatCode),
      WeekdayFlags{TaskFieldView(record.WeekdayFlags[0]), TaskFieldView(record.WeekdayFlags[1]),
                   TaskFieldView(record.WeekdayFlags[2]), TaskFieldView(record.WeekdayFlags[3]),
                   TaskFieldView(record.WeekdayFlags[4]), TaskFieldView(record.WeekdayFlags[5]),
                   TaskFieldView(record.WeekdayFlags[6])},
      MonitorOff(record.MonitorOff),
      ShutDown(record.ShutDown),
      Countdown(record.Countdown),
      RunProgram(record.RunProgram),
      ShowMessage(record.ShowMessage),
      Reboot(record.Reboot),
      LockComputer(record.LockComputer),
      OpenFile(record.OpenFile),
      CloseProgram(record.CloseProgram),
      OpenUrl(record.OpenUrl),
      Standby(record.Standby),
      Hibernate(record.Hibernate),
      PowerOn(record.PowerOn),
      LogOff(record.LogOff),
      Macro(record.Macro),
      Title(record.Title)
{
}

TaskRecord TaskRecordView::ToRecord() const
{
    // Built in place: no field is assigned or moved after it was made.
    return TaskRecord{
        StartTime,
        State,
        RepeatCode,
        {WeekdayFlags[0], WeekdayFlags[1], WeekdayFlags[2], WeekdayFlags[3], WeekdayFlags[4], WeekdayFlags[5],
         WeekdayFlags[6]},
        MonitorOff,
        ShutDown,
        Countdown,
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
        Title,
    };
}

bool TaskRecordView::operator==(const TaskRecordView& other) const
{
    return StartTime == other.StartTime && State == other.State && RepeatCode == other.RepeatCode &&
           WeekdayFlags == other.WeekdayFlags && MonitorOff == other.MonitorOff &&
           ShutDown == other.ShutDown && Countdown == other.Countdown && RunProgram == other.RunProgram &&
           ShowMessage == other.ShowMessage && Reboot == other.Reboot && LockComputer == other.LockComputer &&
           OpenFile == other.OpenFile && CloseProgram == other.CloseProgram && OpenUrl == other.OpenUrl &&
           Standby == other.Standby && Hibernate == other.Hibernate && PowerOn == other.PowerOn &&
           LogOff == other.LogOff && Macro == other.Macro && Title == other.Title;
}

}  // namespace quorvel
