#pragma once

namespace quorvel {

// Switches the screen saver on or off for the whole session, not only while we are focused.
class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;

    virtual void SetScreenSaver(bool active) = 0;
};

}  // namespace quorvel
