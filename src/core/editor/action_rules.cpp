#include "core/editor/action_rules.h"

#include <utility>

#include "core/tasks/storable_text.h"

namespace quorvel {
namespace {

// SystemPowerState numbers of the states the rules compare with.
constexpr int kFirstSleepState = 2;
constexpr int kHibernateState = 5;
// What a failed capability query is taken as: the clock wakes from suspend to RAM only.
constexpr int kAssumedRtcWake = 4;

const std::string kNoTarget;

// A target goes into a field before the title, so it may hold neither "*" nor a line break.
bool StorableTarget(std::string_view text)
{
    return !HoldsFieldSeparator(text) && !HoldsLineBreak(text);
}

// The program value less its first bar and the character after it ("a | b" shows "a b").
std::string DisplayTextOf(const std::string& programValue)
{
    const auto bar = programValue.find('|');
    if (bar == std::string::npos) {
        return programValue;
    }
    std::string display = programValue;
    display.erase(bar, bar + 1 < display.size() ? 2 : 1);
    return display;
}

}  // namespace

ActionRules::ActionRules(ActionRulesEnvironment environment) : m_environment(std::move(environment))
{
    m_selection.targets[BoxIndex(ActionBox::OpenUrl)] = std::string(kInitialUrlText);
}

void ActionRules::SetTicked(ActionBox box, bool ticked)
{
    if (IsTicked(box) == ticked) {
        return;
    }
    if (!ticked) {
        Untick(box);
    } else if (box == ActionBox::ShutDown) {
        TickShutDown();
    } else if (box == ActionBox::PowerOn) {
        TickPowerOn();
    } else {
        Tick(box);
    }
}

bool ActionRules::IsTicked(ActionBox box) const
{
    return m_selection.ticked.at(BoxIndex(box));
}

bool ActionRules::AnyTicked() const
{
    for (bool ticked : m_selection.ticked) {
        if (ticked) {
            return true;
        }
    }
    return false;
}

bool ActionRules::SetTarget(ActionBox box, std::string text)
{
    if (!BoxHasTarget(box) || !StorableTarget(text)) {
        return false;
    }
    if (box == ActionBox::LaunchProgram) {
        m_selection.launchDisplayText = DisplayTextOf(text);
    }
    m_selection.targets[BoxIndex(box)] = std::move(text);
    return true;
}

const std::string& ActionRules::Target(ActionBox box) const
{
    return BoxHasTarget(box) ? m_selection.targets[BoxIndex(box)] : kNoTarget;
}

bool ActionRules::SetProgram(const std::string& program, const std::string& parameters)
{
    if (!StorableTarget(program) || !StorableTarget(parameters)) {
        return false;
    }
    m_selection.launchDisplayText = program + " " + parameters;
    m_selection.targets[BoxIndex(ActionBox::LaunchProgram)] = program + " | " + parameters;
    return true;
}

bool ActionRules::PickTarget(ActionBox box, std::string text)
{
    if (text.empty() || box == ActionBox::LaunchProgram || !SetTarget(box, std::move(text))) {
        return false;
    }
    SetTicked(box, true);
    return true;
}

bool ActionRules::PickProgram(const std::string& program, const std::string& parameters)
{
    if (program.empty() || !SetProgram(program, parameters)) {
        return false;
    }
    SetTicked(ActionBox::LaunchProgram, true);
    return true;
}

void ActionRules::UntickEmptyTargets()
{
    for (ActionBox box : kDefaultTitleOrder) {
        if (!BoxHasTarget(box)) {
            continue;
        }
        const std::string& text =
            box == ActionBox::LaunchProgram ? m_selection.launchDisplayText : Target(box);
        if (text.empty()) {
            SetTicked(box, false);
        }
    }
}

void ActionRules::Tick(ActionBox box)
{
    // Stored first, so that the unticking of the others and the window's mirroring see it.
    Store(box, true);
    UntickOthers(box);
    UpdateCountdownAvailability();
}

void ActionRules::Untick(ActionBox box)
{
    Store(box, false);
    UpdateCountdownAvailability();
}

void ActionRules::UntickOthers(ActionBox box)
{
    for (ActionBox other : kDefaultTitleOrder) {
        if (other == box || !IsTicked(other)) {
            continue;
        }
        // A macro may turn the monitor off first: the one pair a task may hold.
        if (box == ActionBox::Macro && other == ActionBox::CloseMonitor) {
            continue;
        }
        Untick(other);
    }
}

void ActionRules::Store(ActionBox box, bool ticked)
{
    m_selection.ticked[BoxIndex(box)] = ticked;
    if (onTickChanged) {
        onTickChanged(box, ticked);
    }
}

void ActionRules::UpdateCountdownAvailability()
{
    const bool available = !IsTicked(ActionBox::PowerOn) && !IsTicked(ActionBox::ShowMessage);
    if (available == m_countdownAvailable) {
        return;
    }
    m_countdownAvailable = available;
    if (onCountdownAvailabilityChanged) {
        onCountdownAvailabilityChanged(available);
    }
}

void ActionRules::TickShutDown()
{
    if (m_loading) {
        Store(ActionBox::ShutDown, true);
        return;
    }
    // The box shows ticked while the question is open.
    Store(ActionBox::ShutDown, true);
    const bool sleepInstead = m_environment.askDeepestSleep && m_environment.askDeepestSleep();
    if (!sleepInstead) {
        UntickOthers(ActionBox::ShutDown);
        UpdateCountdownAvailability();
        return;
    }
    const ActionBox sleep = QueryRtcWake() < kHibernateState ? ActionBox::StandBy : ActionBox::Hibernate;
    if (IsTicked(sleep)) {
        // Already ticked, so ticking it would do nothing: still leave it the only action.
        UntickOthers(sleep);
        UpdateCountdownAvailability();
    } else {
        Tick(sleep);
    }
}

void ActionRules::TickPowerOn()
{
    if (QueryRtcWake() < kFirstSleepState) {
        // Never shown ticked: the box stays as it was, and so does the count-down row.
        if (m_environment.tellNoWakeSupport) {
            m_environment.tellNoWakeSupport();
        }
        return;
    }
    Tick(ActionBox::PowerOn);
}

int ActionRules::QueryRtcWake() const
{
    if (!m_environment.rtcWake) {
        return kAssumedRtcWake;
    }
    return m_environment.rtcWake().value_or(kAssumedRtcWake);
}

}  // namespace quorvel
