#pragma once

#include <memory>
#include <string>

#include "ui/executor/connection_dialer.h"

namespace quorvel {

class DialUp;
class SettingsStore;

// Dials what the connection window last saved in wake.ini, read once at creation as that window
// reads it: the entry (only when the phonebook still has it), the user name, the password and
// "Auto Connect". Stands in until the window itself is built.
class StoredConnectionDialer final : public ConnectionDialer {
public:
    StoredConnectionDialer(const SettingsStore& settings, std::shared_ptr<DialUp> dialUp);

    bool AutoConnect() const override { return m_autoConnect; }
    void DialConnection() override;

    const std::string& EntryName() const { return m_entry; }
    const std::string& UserName() const { return m_userName; }

private:
    std::shared_ptr<DialUp> m_dialUp;
    std::string m_entry;
    std::string m_userName;
    std::string m_password;
    bool m_autoConnect = false;
};

}  // namespace quorvel
