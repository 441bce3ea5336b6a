#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/linux/wake_helper_protocol.h"

namespace quorvel {
namespace {

using Kind = WakeHelperCommand::Kind;

struct CommandCase {
    const char* line;
    std::optional<WakeHelperCommand> expected;
};

class HelperCommand : public testing::TestWithParam<CommandCase> {};

TEST_P(HelperCommand, IsReadStrictly)
{
    EXPECT_EQ(ParseWakeHelperCommand(GetParam().line), GetParam().expected) << GetParam().line;
    if (GetParam().expected) {
        EXPECT_EQ(FormatWakeHelperCommand(*GetParam().expected), GetParam().line) << "written back the same";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HelperCommand,
    testing::Values(CommandCase{"arm pcwake 1717228800",
                                WakeHelperCommand{Kind::ArmAt, WakeTimerName::PcWake, 1717228800}},
                    CommandCase{"after waketest 210",
                                WakeHelperCommand{Kind::ArmAfter, WakeTimerName::WakeTest, 210}},
                    CommandCase{"cancel pcwake", WakeHelperCommand{Kind::Cancel, WakeTimerName::PcWake, 0}},
                    CommandCase{"quit", WakeHelperCommand{}},
                    CommandCase{"arm pcwake 253402300799",
                                WakeHelperCommand{Kind::ArmAt, WakeTimerName::PcWake, 253402300799}},
                    CommandCase{"arm pcwake 253402300800", std::nullopt},
                    CommandCase{"arm pcwake -5", std::nullopt}, CommandCase{"arm pcwake +5", std::nullopt},
                    CommandCase{"arm pcwake 5x", std::nullopt}, CommandCase{"arm pcwake", std::nullopt},
                    CommandCase{"arm pcwake  5", std::nullopt}, CommandCase{"arm other 5", std::nullopt},
                    CommandCase{"cancel pcwake now", std::nullopt}, CommandCase{"cancel", std::nullopt},
                    CommandCase{"quit now", std::nullopt}, CommandCase{"", std::nullopt},
                    CommandCase{"ARM pcwake 5", std::nullopt}));

TEST(HelperReply, EachFormIsReadBack)
{
    const WakeHelperReply replies[] = {
        {WakeHelperReply::Kind::ReadyWaking, WakeTimerName::PcWake, {}},
        {WakeHelperReply::Kind::ReadyNotWaking, WakeTimerName::PcWake, {}},
        {WakeHelperReply::Kind::Unavailable, WakeTimerName::PcWake, "Operation not permitted"},
        {WakeHelperReply::Kind::Fired, WakeTimerName::WakeTest, {}},
        {WakeHelperReply::Kind::Error, WakeTimerName::PcWake, "unknown command"},
    };
    for (const WakeHelperReply& reply : replies) {
        const std::string line = FormatWakeHelperReply(reply);
        EXPECT_EQ(ParseWakeHelperReply(line), reply) << line;
    }
    EXPECT_EQ(FormatWakeHelperReply(replies[0]), "ready alarm");
    EXPECT_EQ(FormatWakeHelperReply(replies[3]), "fired waketest");
    for (const char* bad : {"", "ready", "fired", "fired other", "unavailable", "error", "ready alarm "}) {
        EXPECT_FALSE(ParseWakeHelperReply(bad)) << bad;
    }
}

}  // namespace
}  // namespace quorvel
