#include "core/tasks/task_line.h"

#include <algorithm>

#include "core/tasks/task_fields.h"

namespace quorvel {
namespace {

constexpr char kSeparator = '*';

std::size_t FindSeparator(std::string_view line)
{
    const auto found = std::find(line.begin(), line.end(), kSeparator);
    return found == line.end() ? std::string_view::npos : static_cast<std::size_t>(found - line.begin());
}

}  // namespace

TaskRecord ParseTaskLine(std::string_view line)
{
    TaskRecord record;
    // A missing separator leaves the field empty and the rest untouched, so a short line fills
    // its leading fields and keeps its last part as the title.
    for (std::size_t number = 1; number < kTaskFieldCount; ++number) {
        // Fields are short: a plain scan beats a memchr call per field.
        const auto separator = FindSeparator(line);
        if (separator == std::string_view::npos) {
            continue;
        }
        // Most fields are empty, and the record's fields start out empty: skip those.
        if (separator > 0) {
            TaskFieldAt(record, number).assign(line.data(), separator);
        }
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
