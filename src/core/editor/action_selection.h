#pragma once

#include <array>
#include <string>

#include "core/editor/action_box.h"

namespace quorvel {

// What the action area shows, as plain values: which boxes are ticked and what their target
// fields hold. Indexed by BoxIndex. Launch Program's target is its program value
// ("program | parameters"); its display text ("program parameters") is kept beside it.
struct ActionSelection {
    std::array<bool, kActionBoxCount> ticked{};
    std::array<std::string, kActionBoxCount> targets;
    std::string launchDisplayText;

    bool operator==(const ActionSelection&) const = default;
};

// What the URL field holds before anything is loaded into it.
inline constexpr std::string_view kInitialUrlText = "http://";

}  // namespace quorvel
