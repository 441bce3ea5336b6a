#pragma once

#include <memory>

#include "platform/dial_up.h"
#include "platform/recording/request_log.h"

namespace quorvel {

// Offers the entries it is given (none at first). The new-entry editor creates nothing unless
// told otherwise. Passwords never reach the log.
class RecordingDialUp final : public DialUp {
public:
    explicit RecordingDialUp(std::shared_ptr<RequestLog> log);

    std::vector<std::string> PhonebookEntries() const override { return m_entries; }
    bool CreatePhonebookEntry() override;
    void DialConnection(const std::string& entry, const std::string& userName,
                        const std::string& password) override;

    void SetPhonebookEntries(std::vector<std::string> entries) { m_entries = std::move(entries); }
    void SetCreatePhonebookEntryResult(bool result) { m_createResult = result; }

private:
    std::shared_ptr<RequestLog> m_log;
    std::vector<std::string> m_entries;
    bool m_createResult = false;
};

}  // namespace quorvel
