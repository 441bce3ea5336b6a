#include "core/schedule/schedule_listing.h"

namespace quorvel {

std::string ScheduleListing(const ScheduleTable& table)
{
    std::string text;
    for (const ScheduleRow& row : table.Rows()) {
        text += row.nextDate;
        text += '\t';
        text += row.taskStatus;
        text += '\t';
        text += row.displayLine;
        text += '\n';
    }
    return text;
}

}  // namespace quorvel
