#pragma once

#include <string>
#include <vector>

namespace quorvel {

// The user's dial-up and other on-demand connections.
class DialUp {
public:
    virtual ~DialUp() = default;

    // Entry names in the platform's order; empty when there are none or they cannot be read.
    virtual std::vector<std::string> PhonebookEntries() const = 0;

    // Opens the platform's own editor for a new entry. True when a new entry was created, so the
    // caller knows to read the entries again.
    virtual bool CreatePhonebookEntry() = 0;

    // Starts connecting and returns at once; errors are not reported.
    virtual void DialConnection(const std::string& entry, const std::string& userName,
                                const std::string& password) = 0;
};

}  // namespace quorvel
