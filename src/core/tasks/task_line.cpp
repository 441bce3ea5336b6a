#include "core/tasks/task_line.h"

#include "core/tasks/task_fields.h"

namespace quorvel {
namespace {

constexpr char kSeparator = '*';

}  // namespace

TaskRecord ParseTaskLine(std::string_view line)
{
    TaskRecord record;
    // A missing separator leaves the field empty and the rest untouched, so a short line fills
    // its leading fields and keeps its last part as the title.
    for (std::size_t number = 1; number < kTaskFieldCount; ++number) {
        const auto separator = line.find(kSeparator);
        if (separator == std::string_view::npos) {
            continue;
        }
        TaskFieldAt(record, number) = line.substr(0, separator);
        line.remove_prefix(separator + 1);
    }
    record.Title = line;
    return record;
}

std::string FormatTaskLine(const TaskRecord& record)
{
    std::string line;
    for (std::size_t number = 1; number <= kTaskFieldCount; ++number) {
        if (number > 1) {
            line += kSeparator;
        }
        line += TaskFieldAt(record, number);
    }
    return line;
}

}  // namespace quorvel
