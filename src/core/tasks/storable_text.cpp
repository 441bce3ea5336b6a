#include "core/tasks/storable_text.h"

#include "core/tasks/task_fields.h"

namespace quorvel {

bool HoldsFieldSeparator(std::string_view text)
{
    return text.find('*') != std::string_view::npos;
}

bool HoldsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool StorableInField(std::size_t number, std::string_view text)
{
    if (HoldsLineBreak(text)) {
        return false;
    }
    return number == kTaskFieldCount || !HoldsFieldSeparator(text);
}

std::optional<std::size_t> FirstUnstorableField(const TaskRecord& record)
{
    for (std::size_t number = 1; number <= kTaskFieldCount; ++number) {
        if (!StorableInField(number, TaskFieldAt(record, number))) {
            return number;
        }
    }
    return std::nullopt;
}

}  // namespace quorvel
