#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/time/time_format.h"

namespace quorvel {
namespace {

const TimeFormat kTwentyFour("%H:%M:%S", "%H:%M", "%A %m/%d/%Y", "%m/%d/%Y");
const TimeFormat kTwelve("%I:%M:%S %p", "%I:%M %p", "%A %m/%d/%Y", "%m/%d/%Y");

TEST(TimeFormat, FormatsTimesAndDates)
{
    EXPECT_EQ(kTwentyFour.FormatLongTime({22, 30, 5}), "22:30:05");
    EXPECT_EQ(kTwentyFour.FormatShortTime({7, 3, 59}), "07:03");
    EXPECT_EQ(kTwelve.FormatLongTime({22, 30, 5}), "10:30:05 PM");
    EXPECT_EQ(kTwelve.FormatLongTime({0, 0, 0}), "12:00:00 AM");
    EXPECT_EQ(kTwelve.FormatLongTime({12, 0, 0}), "12:00:00 PM");
    EXPECT_EQ(kTwelve.FormatShortTime({9, 5, 0}), "09:05 AM");
    EXPECT_EQ(kTwentyFour.FormatShortDate({2024, 5, 7}), "05/07/2024");
    EXPECT_EQ(kTwentyFour.FormatLongDate({2024, 5, 7}), "Tuesday 05/07/2024");
    EXPECT_EQ(kTwentyFour.FormatLongDate({2000, 2, 29}), "Tuesday 02/29/2000");
    EXPECT_EQ(TimeFormat("%j", "", "%j", "").FormatLongDate({2024, 12, 31}), "366");
    EXPECT_EQ(TimeFormat("", "", "", "").FormatLongTime({1, 2, 3}), "");
}

struct ParseCase {
    const char* text;
    std::optional<TimeOfDay> time;
};

constexpr auto kNoTime = std::nullopt;

// Texts that read the same whichever of the two formats the user has now.
const ParseCase kEitherFormat[] = {
    {"22:30:00", TimeOfDay{22, 30, 0}},
    {"10:30:00 PM", TimeOfDay{22, 30, 0}},
    {"10:30:00 pm", TimeOfDay{22, 30, 0}},
    {"10:30:00PM", TimeOfDay{22, 30, 0}},
    {"10:30:00 p.m.", TimeOfDay{22, 30, 0}},
    {"10:30:00 AM", TimeOfDay{10, 30, 0}},
    {"10:30:00", TimeOfDay{10, 30, 0}},
    {"12:00:00 AM", TimeOfDay{0, 0, 0}},
    {"12:30:15 PM", TimeOfDay{12, 30, 15}},
    {"00:00:00", TimeOfDay{0, 0, 0}},
    {"23:59:59", TimeOfDay{23, 59, 59}},
    {"7:05:09", TimeOfDay{7, 5, 9}},
    {"22:30", TimeOfDay{22, 30, 0}},
    {"10:30 PM", TimeOfDay{22, 30, 0}},
    {"22.30.00", TimeOfDay{22, 30, 0}},
    {"PM 10:30:00", TimeOfDay{22, 30, 0}},
    {" 22:30:00 ", TimeOfDay{22, 30, 0}},
    {"", kNoTime},
    {"noon", kNoTime},
    {"24:00:00", kNoTime},
    {"22:60:00", kNoTime},
    {"22:30:60", kNoTime},
    {"13:00:00 PM", kNoTime},
    {"0:30:00 AM", kNoTime},
    {"10:30:00 XM", kNoTime},
    {"10:30:00:00", kNoTime},
    {"10:30:", kNoTime},
    {"10", kNoTime},
    {"-1:30:00", kNoTime},
    {"10:30:00 PM later", kNoTime},
    {"22:300:00", kNoTime},
};

TEST(TimeFormat, ReadsStartTimesWrittenUnderEitherFormat)
{
    for (const TimeFormat* format : {&kTwentyFour, &kTwelve}) {
        SCOPED_TRACE(format->LongTimePattern());
        for (const ParseCase& c : kEitherFormat) {
            EXPECT_EQ(format->ParseTime(c.text), c.time) << '"' << c.text << '"';
        }
    }
    EXPECT_EQ(kTwentyFour.ParseTime(std::string("22:30:00\0 PM", 12)), kNoTime);
}

TEST(TimeFormat, ReadsBackEverySecondItWrites)
{
    for (const TimeFormat* format : {&kTwentyFour, &kTwelve}) {
        for (int s = 0; s < 24 * 60 * 60; ++s) {
            const TimeOfDay time{s / 3600, s / 60 % 60, s % 60};
            const std::string text = format->FormatLongTime(time);
            ASSERT_EQ(format->ParseTime(text), time) << text;
        }
    }
}

TEST(TimeFormat, ReadsItsOwnUnusualPatternFirst)
{
    const TimeFormat dotted("%H.%M.%S Uhr", "%H.%M Uhr", "%A %d.%m.%Y", "%d.%m.%Y");
    EXPECT_EQ(dotted.ParseTime(dotted.FormatLongTime({8, 15, 30})), (TimeOfDay{8, 15, 30}));
    EXPECT_EQ(dotted.ParseTime("08.15 Uhr"), (TimeOfDay{8, 15, 0}));
    EXPECT_EQ(dotted.ParseTime("08:15:30"), (TimeOfDay{8, 15, 30}));
}

// "%T" means "%H:%M:%S" to strptime but takes no shortcut, so it shows what the plain pattern's
// quick reading must give: the same for every text, near misses included.
TEST(TimeFormat, ReadsPlainTimesAsTheGeneralReaderDoes)
{
    const TimeFormat plain("%H:%M:%S", "%H:%M", "%x", "%x");
    const TimeFormat general("%T", "%H:%M", "%x", "%x");
    const std::string changes = " \t.:0469x";
    const char* const tails[] = {"", " ", "\t ", " x", "0", ":00"};
    std::vector<std::string> texts = {"23:59:59", "20:00:00", "19:59:59", "09:09:09"};
    for (int s = 0; s < 24 * 60 * 60; s += 997) {
        texts.push_back(plain.FormatLongTime({s / 3600, s / 60 % 60, s % 60}));
    }
    for (const std::string& text : texts) {
        std::vector<std::string> variants;
        for (const char* tail : tails) {
            variants.push_back(text + tail);
        }
        for (std::size_t at = 0; at < text.size(); ++at) {
            for (const char change : changes) {
                std::string variant = text;
                variant[at] = change;
                variants.push_back(variant);
            }
        }
        for (const std::string& variant : variants) {
            ASSERT_EQ(plain.ParseTime(variant), general.ParseTime(variant)) << '"' << variant << '"';
        }
    }
    EXPECT_EQ(plain.ParseTime("23:59:59"), (TimeOfDay{23, 59, 59}));
}

TEST(TimeFormat, ReadsTimesOfADottedPlainPattern)
{
    const TimeFormat dotted("%H.%M.%S", "%H.%M", "%x", "%x");
    EXPECT_EQ(dotted.ParseTime("08.15.30"), (TimeOfDay{8, 15, 30}));
    EXPECT_EQ(dotted.ParseTime("08.15.30\t"), (TimeOfDay{8, 15, 30}));
    EXPECT_EQ(dotted.ParseTime("08.15"), (TimeOfDay{8, 15, 0}));
    EXPECT_EQ(dotted.ParseTime("08:15:30"), (TimeOfDay{8, 15, 30}));
    EXPECT_EQ(dotted.ParseTime("08.15.60"), kNoTime);
    EXPECT_EQ(dotted.ParseTime("08.15.30 x"), kNoTime);
}

struct LangInfoCase {
    const char* name;
    const char* timeFormat;
    const char* amPmTimeFormat;
    const char* dateFormat;
    const char* longTime;
    const char* shortTime;
    const char* shortDate;
};

TEST(TimeFormatFromLangInfo, DerivesTheFourPatterns)
{
    const LangInfoCase cases[] = {
        {"c", "%H:%M:%S", "%I:%M:%S %p", "%m/%d/%y", "%H:%M:%S", "%H:%M", "%m/%d/%y"},
        {"us", "%r", "%I:%M:%S %p", "%m/%d/%Y", "%I:%M:%S %p", "%I:%M %p", "%m/%d/%Y"},
        {"us without am/pm pattern", "%r", "", "%D", "%I:%M:%S %p", "%I:%M %p", "%m/%d/%y"},
        {"de", "%T", "", "%d.%m.%Y", "%H:%M:%S", "%H:%M", "%d.%m.%Y"},
        {"fi", "%H.%M.%S", "", "%d.%m.%Y", "%H.%M.%S", "%H.%M", "%d.%m.%Y"},
        {"unit after seconds", "%H\xe6\x97\xb6%M\xe5\x88\x86%S\xe7\xa7\x92",
         "%p %I\xe6\x97\xb6%M\xe5\x88\x86%S\xe7\xa7\x92", "%Y\xe5\xb9\xb4%m\xe6\x9c\x88%d\xe6\x97\xa5",
         "%H\xe6\x97\xb6%M\xe5\x88\x86%S\xe7\xa7\x92", "%H\xe6\x97\xb6%M\xe5\x88\x86",
         "%Y\xe5\xb9\xb4%m\xe6\x9c\x88%d\xe6\x97\xa5"},
        {"blank before seconds", "%H\xec\x8b\x9c %M\xeb\xb6\x84 %S\xec\xb4\x88", "", "%Y. %m. %d",
         "%H\xec\x8b\x9c %M\xeb\xb6\x84 %S\xec\xb4\x88", "%H\xec\x8b\x9c %M\xeb\xb6\x84", "%Y. %m. %d"},
        {"no seconds", "%H:%M", "", "%F", "%H:%M:%S", "%H:%M", "%Y-%m-%d"},
        {"no seconds, 12-hour", "%I:%M %p", "%I:%M %p", "%x", "%I:%M:%S %p", "%I:%M %p", "%m/%d/%y"},
        {"refers to itself", "%X", "", "", "%H:%M:%S", "%H:%M", "%m/%d/%y"},
        {"seconds with a modifier", "%OH:%OM:%OS", "", "%d/%m/%Y", "%OH:%OM:%OS", "%OH:%OM", "%d/%m/%Y"},
    };
    for (const LangInfoCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TimeFormat format = TimeFormatFromLangInfo(c.timeFormat, c.amPmTimeFormat, c.dateFormat);
        EXPECT_EQ(format.LongTimePattern(), c.longTime);
        EXPECT_EQ(format.ShortTimePattern(), c.shortTime);
        EXPECT_EQ(format.ShortDatePattern(), c.shortDate);
        EXPECT_EQ(format.LongDatePattern(), std::string("%A ") + c.shortDate);
    }
}

TEST(TimeFormatFromCurrentLocale, GivesTheCLocalesFormats)
{
    // The test process never calls setlocale, so LC_TIME is "C".
    const TimeFormat format = TimeFormatFromCurrentLocale();
    EXPECT_EQ(format.LongTimePattern(), "%H:%M:%S");
    EXPECT_EQ(format.ShortTimePattern(), "%H:%M");
    EXPECT_EQ(format.FormatLongTime({22, 30, 0}), "22:30:00");
    EXPECT_EQ(format.ParseTime("10:30:00 PM"), (TimeOfDay{22, 30, 0}));
}

}  // namespace
}  // namespace quorvel
