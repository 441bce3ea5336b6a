#pragma once

namespace quorvel {

// Ends the user's session or the whole system. Plain requests let applications save or refuse;
// forced ones close them without asking. Fire-and-forget: a refusal is not reported.
class SessionControl {
public:
    virtual ~SessionControl() = default;

    virtual void LogOffSession() = 0;
    virtual void RestartSystem() = 0;
    virtual void RestartSystemForced() = 0;
    virtual void PowerOffSystem() = 0;
    virtual void PowerOffSystemForced() = 0;
};

}  // namespace quorvel
