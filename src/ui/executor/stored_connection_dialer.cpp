#include "ui/executor/stored_connection_dialer.h"

#include <algorithm>
#include <vector>

#include "core/security/ras_password.h"
#include "core/settings/settings_register.h"
#include "core/settings/settings_store.h"
#include "platform/dial_up.h"

namespace quorvel {

StoredConnectionDialer::StoredConnectionDialer(const SettingsStore& settings, std::shared_ptr<DialUp> dialUp)
    : m_dialUp(std::move(dialUp))
{
    const std::string entry = settings.Read(settings::kLastEntryName);
    const std::vector<std::string> entries = m_dialUp->PhonebookEntries();
    if (std::find(entries.begin(), entries.end(), entry) != entries.end()) {
        m_entry = entry;
    }
    m_userName = settings.Read(settings::kLastUserName);
    const std::string stored = settings.Read(settings::kLastPassword);
    if (!stored.empty()) {
        // A damaged value dials without a password; the connection window tells the user about it.
        const RasPasswordResult decoded = DecodeRasPassword(stored);
        if (decoded.ok()) {
            m_password = decoded.text;
        }
    }
    m_autoConnect = settings.IsOn(settings::kLastAutoConnect);
}

void StoredConnectionDialer::DialConnection()
{
    m_dialUp->DialConnection(m_entry, m_userName, m_password);
}

}  // namespace quorvel
