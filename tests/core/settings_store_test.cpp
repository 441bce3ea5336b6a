#include "core/settings/settings_store.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/security/scramble_password.h"
#include "core/settings/settings_register.h"
#include "scratch_dir.h"

namespace quorvel {
namespace {

using testing_support::ScratchDir;

const SwitchSetting kAllSwitches[] = {
    settings::kLockDesktopWhileRunning, settings::kProtectWithPassword, settings::kStartInTray,
    settings::kOtherLanguage,           settings::kTimeSyncAtStart,     settings::kLastAutoConnect,
    settings::kLastSavePassword,
};

TEST(SettingsStore, FreshDataDirReadsTheDefaults)
{
    ScratchDir dir;
    const SettingsStore store(dir.Path());
    EXPECT_EQ(store.FilePath(), dir.File("wake.ini"));
    for (const auto& setting : kAllSwitches) {
        EXPECT_FALSE(store.IsOn(setting)) << setting.section << "/" << setting.key;
    }
    EXPECT_TRUE(store.Read(settings::kFirstShow));
    EXPECT_EQ(store.Read(settings::kTimeServer), "time.nist.gov");
    EXPECT_EQ(store.Read(settings::kLockPassword), "");
    EXPECT_EQ(store.Read(settings::kLastPassword), "");
    EXPECT_EQ(store.Read(settings::kLastMacroFile), "");
    EXPECT_EQ(store.ReadText(settings::RasEntrySection("Home"), settings::RasUserKey("me"),
                             settings::kRasNoPassword),
              "*");
}

struct SwitchCase {
    const char* stored;
    bool on;
};

void PrintTo(const SwitchCase& c, std::ostream* os)
{
    *os << testing::PrintToString(std::string(c.stored));
}

class SettingsStoreSwitch : public testing::TestWithParam<SwitchCase> {};

TEST_P(SettingsStoreSwitch, OnlyOneIsOn)
{
    ScratchDir dir;
    dir.Write("wake.ini", std::string("[tray]\ntray=") + GetParam().stored + "\n");
    EXPECT_EQ(SettingsStore(dir.Path()).IsOn(settings::kStartInTray), GetParam().on);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsStoreSwitch,
                         testing::Values(SwitchCase{"1", true}, SwitchCase{" 1 ", true},
                                         SwitchCase{"0", false}, SwitchCase{"yes", false},
                                         SwitchCase{"true", false}, SwitchCase{"01", false},
                                         SwitchCase{"2", false}, SwitchCase{"", false}));

TEST(SettingsStore, WritesEachKindInItsForm)
{
    ScratchDir dir;
    const SettingsStore store(dir.Path());
    ASSERT_TRUE(store.SetSwitch(settings::kProtectWithPassword, true).ok());
    ASSERT_TRUE(store.Write(settings::kFirstShow, false).ok());
    ASSERT_TRUE(store.Write(settings::kTimeServer, "pool.example").ok());
    ASSERT_TRUE(store.SetSwitch(settings::kTimeSyncAtStart, false).ok());
    EXPECT_EQ(dir.Read("wake.ini"),
              "[Option]\r\nlock=1\r\nfirst=0\r\n\r\n[time]\r\nserver=pool.example\r\nenabled=0\r\n");
    EXPECT_TRUE(store.IsOn(settings::kProtectWithPassword));
    EXPECT_FALSE(store.Read(settings::kFirstShow));
    EXPECT_EQ(store.Read(settings::kTimeServer), "pool.example");
}

TEST(SettingsStore, SavedPasswordSpellingIsThePlainKey)
{
    ScratchDir dir;
    const SettingsStore store(dir.Path());
    ASSERT_TRUE(store.Write(settings::kLastPassword, "").ok());
    ASSERT_TRUE(store.Write(settings::kLastPasswordSaved, "5424654853545965434254853").ok());
    EXPECT_EQ(store.Read(settings::kLastPassword), "5424654853545965434254853");
    EXPECT_EQ(store.KeyNames("Last"), std::vector<std::string>{"Password"});
}

TEST(SettingsStore, ScrambledPasswordWithOuterBlankReadsBackWhole)
{
    // "oh!" scrambles to a text ending in a blank; trimmed on reading it would never match again.
    ScratchDir dir;
    const SettingsStore store(dir.Path());
    const std::string scrambled = ScramblePassword("oh!");
    ASSERT_EQ(scrambled, "kk ");
    ASSERT_TRUE(store.Write(settings::kLockPassword, scrambled).ok());
    EXPECT_EQ(store.Read(settings::kLockPassword), scrambled);
}

TEST(SettingsStore, RasNamesAreEscaped)
{
    EXPECT_EQ(settings::RasEntrySection("  My ISP "), "RAS_ENTRY_My_ISP");
    EXPECT_EQ(settings::RasUserKey("john@example"), "USER_john\\Aexample");

    ScratchDir dir;
    const SettingsStore store(dir.Path());
    ASSERT_TRUE(store.WriteText(settings::RasEntrySection("My ISP"), settings::RasUserKey("a=b"), "x").ok());
    EXPECT_EQ(store.KeyNames("RAS_ENTRY_My_ISP"), std::vector<std::string>{"USER_a\\-b"});
}

TEST(SettingsStore, WriteErrorNamesTheFile)
{
    ScratchDir dir;
    const SettingsStore store(dir.File("missing"));
    const ProfileWriteResult result = store.SetSwitch(settings::kStartInTray, true);
    EXPECT_EQ(result.message, "Unable to write to " + dir.File("missing") + "/wake.ini");
}

}  // namespace
}  // namespace quorvel
