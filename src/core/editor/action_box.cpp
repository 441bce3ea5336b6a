#include "core/editor/action_box.h"

namespace quorvel {
namespace {

struct BoxFacts {
    ActionKind kind;
    bool hasTarget;
    std::string_view componentName;
    std::string_view caption;
};

// Indexed by ActionBox.
constexpr std::array<BoxFacts, kActionBoxCount> kBoxFacts = {{
    {ActionKind::MonitorOff, false, "CheckBox14", "Close Monitor"},
    {ActionKind::ShutDown, false, "CheckBox1", "Shut down "},
    {ActionKind::Reboot, false, "CheckBox2", "Restart"},
    {ActionKind::LockComputer, false, "CheckBox3", "Lock Desktop"},
    {ActionKind::Standby, false, "CheckBox4", "Stand by"},
    {ActionKind::Hibernate, false, "CheckBox5", "Hibernate"},
    {ActionKind::PowerOn, false, "CheckBox6", "Power on"},
    {ActionKind::LogOff, false, "CheckBox13", "Log off"},
    {ActionKind::RunProgram, true, "CheckBox9", "Launch Program"},
    {ActionKind::OpenFile, true, "CheckBox7", "Open File"},
    {ActionKind::CloseProgram, true, "CheckBox10", "Terminate Process"},
    {ActionKind::OpenUrl, true, "CheckBox11", "Open URL"},
    {ActionKind::Macro, true, "CheckBox8", "Keyboard/Mouse Macro"},
    {ActionKind::ShowMessage, true, "CheckBox12", "Show message:"},
}};

const BoxFacts& FactsOf(ActionBox box)
{
    return kBoxFacts.at(BoxIndex(box));
}

}  // namespace

ActionKind ActionKindOfBox(ActionBox box)
{
    return FactsOf(box).kind;
}

ActionBox BoxOfActionKind(ActionKind kind)
{
    for (std::size_t i = 0; i < kBoxFacts.size(); ++i) {
        if (kBoxFacts[i].kind == kind) {
            return static_cast<ActionBox>(i);
        }
    }
    return ActionBox::CloseMonitor;  // unreachable: every kind has its box
}

bool BoxHasTarget(ActionBox box)
{
    return FactsOf(box).hasTarget;
}

std::string_view BoxComponentName(ActionBox box)
{
    return FactsOf(box).componentName;
}

std::string_view DefaultBoxCaption(ActionBox box)
{
    return FactsOf(box).caption;
}

}  // namespace quorvel
