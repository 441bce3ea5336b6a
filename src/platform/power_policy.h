#pragma once

namespace quorvel {

// Adjustments of the machine's power settings made at start-up and from the options page.
class PowerPolicy {
public:
    virtual ~PowerPolicy() = default;

    // Asks for the user's password on resume unless the machine logs on automatically anyway.
    virtual void ApplyResumePasswordPolicy(bool autoLogon) = 0;

    // Switches hibernation on, reserving its storage. The caller decides from RtcWake whether
    // hibernation is worth having.
    virtual void ReserveHibernationFile() = 0;
};

}  // namespace quorvel
