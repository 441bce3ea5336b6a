#pragma once

#include <cstdint>
#include <functional>

namespace quorvel {

// One input event as the recorder reports it: a mouse-message number or a virtual-key code, so
// macro files stay readable by every copy of the program.
struct RecordedInput {
    int code = 0;
    std::uint32_t keyFlags = 0;  // bit 31 set: key released
    int x = 0;                   // pointer position, for mouse events
    int y = 0;
};

enum class HookResult {
    Started,
    LibraryMissing,  // the recorder library is not installed
    HookFailed,      // it is there but cannot watch the input
};

// Watches the user's input system-wide while a macro is recorded.
class MacroRecorder {
public:
    virtual ~MacroRecorder() = default;

    // `report` is called on the user-interface thread for each event until HookOff.
    virtual HookResult HookOn(std::function<void(const RecordedInput&)> report) = 0;
    virtual void HookOff() = 0;
};

}  // namespace quorvel
