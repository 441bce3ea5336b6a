#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/security/ras_password.h"
#include "core/settings/settings_register.h"
#include "core/settings/settings_store.h"
#include "platform/dial_up.h"
#include "ui/executor/stored_connection_dialer.h"

using namespace quorvel;

namespace {

class FakeDialUp final : public DialUp {
public:
    std::vector<std::string> PhonebookEntries() const override { return entries; }
    bool CreatePhonebookEntry() override { return false; }
    void DialConnection(const std::string& entry, const std::string& userName,
                        const std::string& password) override
    {
        dialled.push_back(entry + "|" + userName + "|" + password);
    }

    std::vector<std::string> entries{"Office VPN", "Mobile"};
    std::vector<std::string> dialled;
};

TEST(StoredConnectionDialer, DialsTheSavedChoiceAsTheConnectionWindowWouldShowIt)
{
    struct Case {
        const char* name;
        const char* entry;
        const char* password;  // stored, encoded
        const char* autoConnect;
        const char* dialled;
        bool expectAutoConnect;
    };
    const std::string secret = EncodeRasPassword("s3cret").text;
    const Case cases[] = {
        {"saved entry", "Office VPN", secret.c_str(), "1", "Office VPN|anna@home|s3cret", true},
        {"entry gone from the phonebook", "Old modem", secret.c_str(), "1", "|anna@home|s3cret", true},
        {"no password saved", "Mobile", "", "0", "Mobile|anna@home|", false},
        {"damaged password", "Mobile", "12x45", "yes", "Mobile|anna@home|", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const SettingsStore settings(dir.path().toStdString());
        ASSERT_TRUE(settings.Write(settings::kLastEntryName, c.entry).ok());
        ASSERT_TRUE(settings.Write(settings::kLastUserName, "anna@home").ok());
        ASSERT_TRUE(settings.Write(settings::kLastPassword, c.password).ok());
        ASSERT_TRUE(settings.WriteText("Last", "AutoC", c.autoConnect).ok());
        auto dialUp = std::make_shared<FakeDialUp>();
        StoredConnectionDialer dialer(settings, dialUp);
        EXPECT_EQ(dialer.AutoConnect(), c.expectAutoConnect);
        dialer.DialConnection();
        EXPECT_EQ(dialUp->dialled, std::vector<std::string>{c.dialled});
    }
}

}  // namespace
