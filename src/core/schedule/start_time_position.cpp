#include "core/schedule/start_time_position.h"

#include "core/schedule/blank_trim.h"

namespace quorvel {

std::optional<std::size_t> PositionOfStartTime(const ScheduleTable& table, std::string_view timeText)
{
    std::size_t position = 0;
    for (const ScheduleRow& row : table.Rows()) {
        ++position;
        if (TrimDisplayBlanks(row.record.StartTime) == timeText) {
            return position;
        }
    }
    return std::nullopt;
}

}  // namespace quorvel
