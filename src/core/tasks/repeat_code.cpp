#include "core/tasks/repeat_code.h"

#include "core/tasks/repeat_part_views.h"

namespace quorvel {

RecurrenceKind RecurrenceKindOf(std::string_view repeatCode)
{
    if (repeatCode.empty()) {
        return RecurrenceKind::Weekly;
    }
    const std::string_view head = repeatCode.substr(0, 2);
    if (head == "l1") {
        return RecurrenceKind::Daily;
    }
    if (head == "l2") {
        return RecurrenceKind::Once;
    }
    if (head == "l3") {
        return RecurrenceKind::Annually;
    }
    if (head == "l4") {
        return RecurrenceKind::Monthly;
    }
    return RecurrenceKind::Unknown;
}

RepeatParts DecodeRepeatCode(std::string_view repeatCode)
{
    const RepeatPartViews views = ViewRepeatCode(repeatCode);
    RepeatParts parts;
    parts.kind = views.kind;
    parts.yearText = views.yearText;
    parts.monthText = views.monthText;
    parts.dayText = views.dayText;
    parts.year = views.year;
    parts.month = views.month;
    parts.day = views.day;
    return parts;
}

}  // namespace quorvel
