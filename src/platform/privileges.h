#pragma once

namespace quorvel {

// Rights the process may have to switch on before ending other users' processes or the session.
class Privileges {
public:
    virtual ~Privileges() = default;

    // Lets the process end processes of other accounts. True on success.
    virtual bool EnableDebugPrivilege() = 0;

    // Switches the right to shut down on or off. True on success.
    virtual bool EnabledDebugPrivilege(bool enable) = 0;
};

}  // namespace quorvel
