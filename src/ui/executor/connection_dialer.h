#pragma once

namespace quorvel {

// The dial-up choice the executor and the reminders use before they open an address: whether to
// dial at all, and dialling the chosen entry. The connection window provides it once it exists.
class ConnectionDialer {
public:
    virtual ~ConnectionDialer() = default;

    virtual bool AutoConnect() const = 0;
    // Starts dialling and returns at once; errors are not reported.
    virtual void DialConnection() = 0;
};

}  // namespace quorvel
