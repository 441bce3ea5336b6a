#pragma once

#include <array>

#include "core/tasks/task_field_view.h"
#include "core/tasks/task_record.h"

namespace quorvel {

// The 26 fields of a task as views, laid out as in TaskRecord: what the schedule reads of every
// task without copying any field. Valid only as long as the text the views point into.
struct TaskRecordView {
    TaskRecordView() = default;
    // Views into the fields of `record`, which must outlive them.
    explicit TaskRecordView(const TaskRecord& record);

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
