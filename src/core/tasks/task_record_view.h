#pragma once

#include <array>

#include "core/tasks/task_field_view.h"
#include "core/tasks/task_record.h"

namespace quorvel {

// Chooses the constructor of TaskRecordView that takes the fields by their position.
struct FieldsByPosition {};

// The 26 fields of a task as views, laid out as in TaskRecord: what the schedule reads of every
// task without copying any field. Valid only as long as the text the views point into.
struct TaskRecordView {
    TaskRecordView() = default;
    // Views into the fields of `record`, which must outlive them.
    explicit TaskRecordView(const TaskRecord& record);
    // Field k (0-based) from fields[k]: every view made once, where it stays.
    template <typename Fields>
    TaskRecordView(const Fields& fields, FieldsByPosition)
        : StartTime(fields[0]),
          State(fields[1]),
          RepeatCode(fields[2]),
          WeekdayFlags{TaskFieldView(fields[3]), TaskFieldView(fields[4]), TaskFieldView(fields[5]),
                       TaskFieldView(fields[6]), TaskFieldView(fields[7]), TaskFieldView(fields[8]),
                       TaskFieldView(fields[9])},
          MonitorOff(fields[10]),
          ShutDown(fields[11]),
          Countdown(fields[12]),
          RunProgram(fields[13]),
          ShowMessage(fields[14]),
          Reboot(fields[15]),
          LockComputer(fields[16]),
          OpenFile(fields[17]),
          CloseProgram(fields[18]),
          OpenUrl(fields[19]),
          Standby(fields[20]),
          Hibernate(fields[21]),
          PowerOn(fields[22]),
          LogOff(fields[23]),
          Macro(fields[24]),
          Title(fields[25])
    {
    }

    // A record of its own, for a reader that keeps the task beyond the text it was read from.
    TaskRecord ToRecord() const;

    bool operator==(const TaskRecordView& other) const;
    bool operator==(const TaskRecord& record) const { return *this == TaskRecordView(record); }

    TaskFieldView StartTime;
    TaskFieldView State;
    TaskFieldView RepeatCode;
    std::array<TaskFieldView, 7> WeekdayFlags;
    TaskFieldView MonitorOff;
    TaskFieldView ShutDown;
    TaskFieldView Countdown;
    TaskFieldView RunProgram;
    TaskFieldView ShowMessage;
    TaskFieldView Reboot;
    TaskFieldView LockComputer;
    TaskFieldView OpenFile;
    TaskFieldView CloseProgram;
    TaskFieldView OpenUrl;
    TaskFieldView Standby;
    TaskFieldView Hibernate;
    TaskFieldView PowerOn;
    TaskFieldView LogOff;
    TaskFieldView Macro;
    TaskFieldView Title;
};

}  // namespace quorvel
