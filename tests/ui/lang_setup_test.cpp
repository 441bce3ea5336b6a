#include "app/lang_setup.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <optional>

#include "platform/ini_lang_manager_store.h"

namespace quorvel {
namespace {

// Sets environment variables for one test and puts the old values back.
class ScopedVariables {
public:
    ScopedVariables(std::initializer_list<std::pair<const char*, std::optional<QByteArray>>> values)
    {
        for (const auto& [name, value] : values) {
            m_saved.push_back(
                {name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
            Apply(name, value);
        }
    }
    ~ScopedVariables()
    {
        for (const auto& [name, value] : m_saved) {
            Apply(name, value);
        }
    }

private:
    static void Apply(const char* name, const std::optional<QByteArray>& value)
    {
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }
    std::vector<std::pair<const char*, std::optional<QByteArray>>> m_saved;
};

TEST(DefaultLangMgrConfig, TakesTheLocaleFromTheEnvironment)
{
    const ScopedVariables env{{"LC_ALL", QByteArray()},
                              {"LC_MESSAGES", QByteArray("fr_CA.UTF-8")},
                              {"LANG", QByteArray("de_DE.UTF-8")}};
    const auto store = std::make_shared<IniLangManagerStore>("/tmp/unused.ini");

    const LangMgrConfig config = DefaultLangMgrConfig(QStringLiteral("/opt/quorvel/bin"), store);

    EXPECT_EQ(config.localeAbbreviation, QStringLiteral("FRC"));
    EXPECT_EQ(config.store, store);
    ASSERT_EQ(config.searchFolders.size(), 2);
    EXPECT_EQ(config.searchFolders[0], QStringLiteral("/opt/quorvel/bin"));
    EXPECT_TRUE(config.searchFolders[1].endsWith(QStringLiteral("/share/quorvel/lang")));
}

TEST(DefaultLangMgrConfig, UnsetLocaleCountsAsUsEnglish)
{
    const ScopedVariables env{
        {"LC_ALL", std::nullopt}, {"LC_MESSAGES", std::nullopt}, {"LANG", std::nullopt}};

    EXPECT_EQ(DefaultLangMgrConfig(QStringLiteral("/x"), nullptr).localeAbbreviation, QStringLiteral("ENU"));
}

}  // namespace
}  // namespace quorvel
