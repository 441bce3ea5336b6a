#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/schedule/schedule_texts.h"
#include "core/tasks/task_record.h"
#include "core/time/civil_time.h"

namespace quorvel {

// One task of the schedule as the last rebuild dated it.
struct ScheduleRow {
    ScheduleRow() = default;
    // Parses `line` straight into `record`: a record is large, and a rebuild of many tasks should
    // neither copy nor move it.
    explicit ScheduleRow(std::string_view line);

    TaskRecord record;  // the fields as stored, untrimmed
    RecurrenceKind kind = RecurrenceKind::Weekly;

    // The next occurrence, NextDate at StartTime with milliseconds 0. Only an enabled task whose
    // time and repetition can be read has one; every other task never fires.
    std::optional<LocalMoment> occurrence;

    std::string nextDate;    // "Y-M-D" of the occurrence; empty without one
    std::string taskStatus;  // "Passed", "Waiting", or the State text of a task not enabled
    std::string repeatText;
    std::string displayLine;

    // Whole seconds from the rebuild's moment to the occurrence (0 without one).
    std::int64_t orderKey = 0;

    bool IsPassed() const { return taskStatus == kStatusPassed; }

    // Dated and still to come: the rows the tick, the wake timer and the hint care about.
    bool IsPending() const { return occurrence.has_value() && !IsPassed(); }
};

}  // namespace quorvel
