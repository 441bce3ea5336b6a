#include "core/editor/task_draft.h"

#include <chrono>
#include <optional>

#include "core/tasks/repeat_code.h"
#include "core/tasks/task_fields.h"
#include "core/tasks/task_line.h"

namespace quorvel {
namespace {

constexpr std::array<std::string_view, 7> kWeekdayTokens = {"Mon", "Tues", "Wed", "Thurs",
                                                            "Fri", "Sat",  "Sun"};

bool IsRealDate(int year, int month, int day)
{
    using namespace std::chrono;
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 &&
           year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                          std::chrono::day{static_cast<unsigned>(day)}}
               .ok();
}

// A stored day or month number as its drop-down shows it, or `fallback` when it is none.
std::string NumberText(const std::optional<int>& value, int largest, int fallback)
{
    return std::to_string(value && *value >= 1 && *value <= largest ? *value : fallback);
}

Repetition RepetitionOf(RecurrenceKind kind)
{
    switch (kind) {
        case RecurrenceKind::Daily:
            return Repetition::Daily;
        case RecurrenceKind::Once:
            return Repetition::Once;
        case RecurrenceKind::Monthly:
            return Repetition::Monthly;
        case RecurrenceKind::Annually:
            return Repetition::Annually;
        case RecurrenceKind::Weekly:
        case RecurrenceKind::Unknown:
            break;
    }
    return Repetition::Weekly;
}

void LoadRepetition(const TaskRecord& record, const Date& today, TaskDraft& draft)
{
    const RepeatParts parts = DecodeRepeatCode(record.RepeatCode);
    draft.repetition = RepetitionOf(parts.kind);
    switch (draft.repetition) {
        case Repetition::Once:
            if (parts.year && parts.month && parts.day && IsRealDate(*parts.year, *parts.month, *parts.day)) {
                draft.onceDate = Date{*parts.year, *parts.month, *parts.day};
            }
            break;
        case Repetition::Annually:
            draft.annualMonthText = NumberText(parts.month, 12, today.month);
            draft.annualDayText = NumberText(parts.day, 31, today.day);
            break;
        case Repetition::Monthly:
            draft.monthlyDayText = NumberText(parts.day, 31, today.day);
            break;
        case Repetition::Daily:
        case Repetition::Weekly:
            break;
    }
}

std::string RepeatCodeOf(const TaskDraft& draft)
{
    switch (draft.repetition) {
        case Repetition::Daily:
            return "l1-EveryDay";
        case Repetition::Once:
            return "l2-" + std::to_string(draft.onceDate.year) + "-" + std::to_string(draft.onceDate.month) +
                   "-" + std::to_string(draft.onceDate.day);
        case Repetition::Annually:
            return "l3-" + draft.annualMonthText + "-" + draft.annualDayText;
        case Repetition::Monthly:
            return "l4-" + draft.monthlyDayText;
        case Repetition::Weekly:
            break;
    }
    return {};
}

std::string DefaultTitle(const ActionSelection& actions, const BoxCaptions& captions)
{
    std::string title;
    for (ActionBox box : kDefaultTitleOrder) {
        if (actions.ticked[BoxIndex(box)]) {
            title += ' ';
            title += captions[BoxIndex(box)];
        }
    }
    return title;
}

}  // namespace

BoxCaptions DefaultBoxCaptions()
{
    BoxCaptions captions;
    for (ActionBox box : kDefaultTitleOrder) {
        captions[BoxIndex(box)] = std::string(DefaultBoxCaption(box));
    }
    return captions;
}

TaskDraft NewTaskDraft(const LocalMoment& now, const ActionRules& rules)
{
    TaskDraft draft;
    draft.onceDate = now.date;
    draft.monthlyDayText = std::to_string(now.date.day);
    draft.annualDayText = std::to_string(now.date.day);
    draft.annualMonthText = std::to_string(now.date.month);
    draft.startTime = now.time;
    draft.actions = rules.Selection();
    return draft;
}

TaskDraft DraftFromLine(std::string_view line, const LocalMoment& now, const TimeFormat& format,
                        ActionRules& rules)
{
    const TaskRecord record = ParseTaskLine(line);
    TaskDraft draft = NewTaskDraft(now, rules);
    draft.enabled = record.State != "Disabled";
    draft.title = record.Title;
    LoadRepetition(record, now.date, draft);
    for (std::size_t i = 0; i < kWeekdayTokens.size(); ++i) {
        draft.weekdays[i] = record.WeekdayFlags[i] == kWeekdayTokens[i];
    }

    rules.SetLoading(true);
    for (ActionBox box : kLoadingOrder) {
        rules.SetTicked(box, !ActionField(record, ActionKindOfBox(box)).empty());
    }
    draft.countdownTicked = !record.Countdown.empty();
    if (draft.countdownTicked) {
        draft.countdownText = record.Countdown;
    }
    for (ActionBox box : kLoadingOrder) {
        if (BoxHasTarget(box)) {
            const std::string& field = ActionField(record, ActionKindOfBox(box));
            rules.SetTarget(box, field.empty() ? std::string() : ActionParameter(field));
        }
    }
    draft.actions = rules.Selection();

    draft.startTime = format.ParseTime(record.StartTime).value_or(now.time);
    return draft;
}

TaskRecord RecordFromDraft(const TaskDraft& draft, std::string_view startTime, const BoxCaptions& captions)
{
    TaskRecord record;
    record.StartTime = std::string(startTime);
    record.State = draft.enabled ? "Enabled" : "Disabled";
    record.RepeatCode = RepeatCodeOf(draft);
    if (draft.repetition == Repetition::Weekly) {
        for (std::size_t i = 0; i < kWeekdayTokens.size(); ++i) {
            record.WeekdayFlags[i] = draft.weekdays[i] ? std::string(kWeekdayTokens[i]) : std::string();
        }
    }
    for (ActionBox box : kDefaultTitleOrder) {
        if (draft.actions.ticked[BoxIndex(box)]) {
            const ActionKind kind = ActionKindOfBox(box);
            ActionField(record, kind) = MakeActionField(kind, draft.actions.targets[BoxIndex(box)]);
        }
    }
    record.Countdown = draft.countdownTicked ? draft.countdownText : std::string();
    record.Title = draft.title.empty() ? DefaultTitle(draft.actions, captions) : draft.title;
    return record;
}

std::string LineFromDraft(const TaskDraft& draft, std::string_view startTime, const BoxCaptions& captions)
{
    return FormatTaskLine(RecordFromDraft(draft, startTime, captions));
}

}  // namespace quorvel
