#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/schedule/schedule_texts.h"
#include "core/tasks/task_line.h"
#include "core/tasks/task_record.h"
#include "core/tasks/task_record_view.h"
#include "core/time/civil_time.h"

namespace quorvel {

// One task of the schedule as the last rebuild dated it. The fields and the list texts are
// views into text the row shares with the rest of its table, so a rebuild neither copies a task
// nor allocates per row; a copy of the row keeps that text alive with it.
struct ScheduleRow {
    ScheduleRow() = default;
    // `fields` view text that `text` keeps alive.
    ScheduleRow(const TaskRecordView& fields, std::shared_ptr<const void> text)
        : record(fields), m_text(std::move(text))
    {
    }
    // The fields of `line`, which `text` keeps alive, parsed where the row stands.
    ScheduleRow(std::string_view line, std::shared_ptr<const void> text)
        : record(ViewTaskLine(line)), m_text(std::move(text))
    {
    }

    // The fields as a record of its own, for a reader that keeps the task beyond the row.
    TaskRecord Record() const { return record.ToRecord(); }

    TaskRecordView record;  // the fields as stored, untrimmed
    RecurrenceKind kind = RecurrenceKind::Weekly;

    // The next occurrence, NextDate at StartTime with milliseconds 0. Only an enabled task whose
    // time and repetition can be read has one; every other task never fires.
    std::optional<LocalMoment> occurrence;

    std::string nextDate;    // "Y-M-D" of the occurrence; empty without one
    std::string taskStatus;  // "Passed", "Waiting", or the State text of a task not enabled
    std::string_view repeatText;
    std::string_view displayLine;

    // Whole seconds from the rebuild's moment to the occurrence (0 without one).
    std::int64_t orderKey = 0;

    bool IsPassed() const { return taskStatus == kStatusPassed; }

    // Dated and still to come: the rows the tick, the wake timer and the hint care about.
    bool IsPending() const { return occurrence.has_value() && !IsPassed(); }

private:
    std::shared_ptr<const void> m_text;
};

}  // namespace quorvel
