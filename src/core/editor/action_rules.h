#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/editor/action_box.h"
#include "core/editor/action_selection.h"

namespace quorvel {

// What the action rules ask of the window and the platform.
struct ActionRulesEnvironment {
    // The question offering the deepest wakeable sleep state instead of shutting down;
    // true = OK. Missing counts as Cancel.
    std::function<bool()> askDeepestSleep;
    // Tells the user the hardware cannot wake itself by the clock.
    std::function<void()> tellNoWakeSupport;
    // The deepest system power state the clock can wake the machine from (2 = first sleep
    // state, 5 = hibernation, as SystemPowerState numbers them); nothing when the query failed.
    // A failed (or missing) query is taken as "wakes from stand-by only": Power on is accepted
    // and an accepted Shut down question ticks Stand by, the state a clock wake most often
    // works from.
    std::function<std::optional<int>()> rtcWake;
};

// The rules of the editor's fourteen action boxes and the count-down row's availability: one
// action per task (Close Monitor then Macro is the one pair), the Shut down question, the Power on
// wake check, and the targets. The window binds its check boxes to this model: it forwards each
// click to SetTicked and mirrors each change reported through the callbacks. State is updated
// before a callback runs, so a mirrored box that reports its change back is a no-op.
class ActionRules {
public:
    explicit ActionRules(ActionRulesEnvironment environment);

    // Ticks or unticks a box and applies every rule that follows; setting the state a box already
    // has does nothing.
    void SetTicked(ActionBox box, bool ticked);
    bool IsTicked(ActionBox box) const;
    bool AnyTicked() const;

    // False while Power on or Show message is ticked.
    bool CountdownAvailable() const { return m_countdownAvailable; }

    // While loading a task, ticking Shut down asks nothing and unticks nothing.
    void SetLoading(bool loading) { m_loading = loading; }
    bool Loading() const { return m_loading; }

    // Sets a target field; false (nothing changed) for a box without a target or a text that a task
    // line cannot hold ("*" or a line break). Launch Program's target is its program value; its
    // display text follows (the value less its first bar and the character after it).
    bool SetTarget(ActionBox box, std::string text);
    // A box's target field (Launch Program: the program value); empty for a box without one.
    const std::string& Target(ActionBox box) const;

    // Sets Launch Program's texts: display "program parameters", value "program | parameters".
    // False (nothing changed) when either text cannot go into a task line.
    bool SetProgram(const std::string& program, const std::string& parameters);
    const std::string& LaunchDisplayText() const { return m_selection.launchDisplayText; }
    const std::string& LaunchProgramValue() const { return Target(ActionBox::LaunchProgram); }

    // A picker's result: sets the target and ticks the box; an empty result changes nothing.
    // Returns whether it was taken.
    bool PickTarget(ActionBox box, std::string text);
    // The program picker's result: an empty program changes nothing.
    bool PickProgram(const std::string& program, const std::string& parameters);

    // Unticks every box whose target is empty (Launch Program: its display text), before OK
    // looks at anything. The URL field's initial "http://" counts as a target.
    void UntickEmptyTargets();

    // The ticks and targets as plain values.
    const ActionSelection& Selection() const { return m_selection; }

    // Told of every change of a box, in the order the rules make them.
    std::function<void(ActionBox, bool)> onTickChanged;
    // Told when the count-down row becomes available (true) or unavailable (false).
    std::function<void(bool)> onCountdownAvailabilityChanged;

private:
    void Tick(ActionBox box);
    void Untick(ActionBox box);
    void UntickOthers(ActionBox box);
    void Store(ActionBox box, bool ticked);
    void UpdateCountdownAvailability();
    void TickShutDown();
    void TickPowerOn();
    int QueryRtcWake() const;

    ActionRulesEnvironment m_environment;
    ActionSelection m_selection;
    bool m_loading = false;
    bool m_countdownAvailable = true;
};

}  // namespace quorvel
