#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/schedule/display_line.h"
#include "core/schedule/schedule_build.h"
#include "core/schedule/task_dating.h"
#include "core/schedule/tray_hint.h"
#include "core/tasks/task_line.h"
#include "schedule_fixtures.h"

namespace quorvel {
namespace {

using testing::At;
using testing::Task;
using testing::WeeklyTask;

ScheduleRow RowOf(const std::string& line, const LocalMoment& now, const LangLookup& lang = EnglishLookup())
{
    return DateTask(ParseTaskLine(line), now, testing::Format24(), ScheduleTexts(lang));
}

ScheduleRow RowOf(const TaskRecord& task, const LocalMoment& now, const LangLookup& lang = EnglishLookup())
{
    return DateTask(task, now, testing::Format24(), ScheduleTexts(lang));
}

struct LineCase {
    const char* line;
    const char* displayLine;
};

class WorkedExample : public ::testing::TestWithParam<LineCase> {};

TEST_P(WorkedExample, ShowsAsItsDisplayLine)
{
    // Monday 10 March 2008, 10:00.
    EXPECT_EQ(RowOf(GetParam().line, At(2008, 3, 10, 10, 0, 0)).displayLine, GetParam().displayLine);
}

INSTANTIATE_TEST_SUITE_P(
    TaskFileExamples, WorkedExample,
    ::testing::Values(
        LineCase{"22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night shutdown",
                 " Waiting ---- Daily ---- 22:30:00 ---- Night shutdown"},
        LineCase{"07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on",
                 " Waiting ---- Mar 15,  2008 ---- 07:00:00 ---- Power on"},
        LineCase{"12:00:00*Enabled**Mon**Wed**Fri*******Show Message:Please take a rest.***********Break",
                 " Waiting ---- Mon Wed Fri  ---- 12:00:00 ---- Break"},
        LineCase{
            "09:00:00*Enabled*l4-1***********Run Program:C:\\Tools\\backup.exe | /quiet************Backup",
            " Passed ---- 1 Monthly ---- 09:00:00 ---- Backup"},
        LineCase{"08:00:00*Enabled*l3-12-25***************Open File:C:\\Music\\carols.mp3********Carols",
                 " Waiting ---- Dec 25,  Annually ---- 08:00:00 ---- Carols"},
        LineCase{"18:00:01*Enabled*l1-EveryDay**********60******Close Program:notepad.exe******* Terminate "
                 "Process",
                 " Waiting ---- Daily ---- 18:00:01 ---- Terminate Process"},
        LineCase{"03:15:00*Enabled*******Sat*Sun***************Macro:C:\\Macros\\cleanup.mco*Weekend macro",
                 " Waiting ---- Sat Sun ---- 03:15:00 ---- Weekend macro"},
        // Not enabled: shown as waiting, whatever its state; blanks around time and title trimmed.
        LineCase{" 22:30:00 *Disabled*l1-EveryDay*********Shutdown*30*************  ",
                 " Waiting ---- Daily ---- 22:30:00 ---- No title"},
        LineCase{"22:30:00*Passed*l1-EveryDay*********Shutdown*30*************x",
                 " Passed ---- Daily ---- 22:30:00 ---- x"}));

struct RepeatCase {
    const char* name;
    TaskRecord task;
    const char* repeatText;
};

void PrintTo(const RepeatCase& c, std::ostream* os)
{
    *os << c.name;
}

class RepeatTextOf : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatTextOf, ReadsAsExpected)
{
    EXPECT_EQ(RowOf(GetParam().task, At(2024, 5, 14, 10, 0, 0)).repeatText, GetParam().repeatText);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RepeatTextOf,
    ::testing::Values(
        RepeatCase{"Once", Task("10:00:00", "l2-2008-3-15"), "Mar 15,  2008"},
        RepeatCase{"OnceMonthOutOfRangeAsStored", Task("10:00:00", "l2-2024-13-1"), "13 1,  2024"},
        RepeatCase{"AnnuallyMonthZeroAsStored", Task("10:00:00", "l3-0-5"), "0 5,  Annually"},
        RepeatCase{"AnnuallyMonthNotANumberAsStored", Task("10:00:00", "l3-x-5"), "x 5,  Annually"},
        RepeatCase{"MonthlyDayAsStored", Task("10:00:00", "l4-31"), "31 Monthly"},
        RepeatCase{"SundayAloneHasNoBlank", WeeklyTask("10:00:00", {Weekday::Sun}), "Sun"},
        RepeatCase{"MondayAndSunday", WeeklyTask("10:00:00", {Weekday::Mon, Weekday::Sun}), "Mon Sun"},
        RepeatCase{"EveryDayOfTheWeek",
                   WeeklyTask("10:00:00", {Weekday::Mon, Weekday::Tues, Weekday::Wed, Weekday::Thurs,
                                           Weekday::Fri, Weekday::Sat, Weekday::Sun}),
                   "Mon Tues Wed Thurs Fri Sat Sun"},
        RepeatCase{"NoDay", WeeklyTask("10:00:00", {}), "Unspecified"},
        RepeatCase{"UnknownCodeTrimmed", Task("10:00:00", "  x9-foo  "), "x9-foo"}),
    testing::CaseName<RepeatCase>);

// Answers from a table and notes every key asked for with its default.
class TableLookup final : public LangLookup {
public:
    explicit TableLookup(std::map<std::string, std::string> texts) : m_texts(std::move(texts)) {}

    std::string Str(std::string_view key, std::string_view defaultText) const override
    {
        m_asked.emplace(std::string(key), std::string(defaultText));
        const auto found = m_texts.find(std::string(key));
        return found == m_texts.end() ? std::string(defaultText) : found->second;
    }

    const std::set<std::pair<std::string, std::string>>& Asked() const { return m_asked; }

private:
    std::map<std::string, std::string> m_texts;
    mutable std::set<std::pair<std::string, std::string>> m_asked;
};

TEST(ScheduleTextsLookup, AsksForEveryTextByItsKeyAndEnglishDefault)
{
    TableLookup lang({});
    const ScheduleTexts texts(lang);
    const std::set<std::pair<std::string, std::string>> expected = {{"Upcoming", "Upcoming event:"},
                                                                    {"None", "None"},
                                                                    {"Wait", "Waiting"},
                                                                    {"Pass", "Passed"},
                                                                    {"NoTitle", "No title"},
                                                                    {"Lasttask", "Last event:"},
                                                                    {"EveryDay", "Daily"},
                                                                    {"EveryMonth", "Monthly"},
                                                                    {"EveryYear", "Annually"},
                                                                    {"Unspecified", "Unspecified"},
                                                                    {"Jan", "Jan"},
                                                                    {"Feb", "Feb"},
                                                                    {"Mar", "Mar"},
                                                                    {"Apr", "Apr"},
                                                                    {"May", "May"},
                                                                    {"Jun", "Jun"},
                                                                    {"Jul", "Jul"},
                                                                    {"Aug", "Aug"},
                                                                    {"Sep", "Sep"},
                                                                    {"Oct", "Oct"},
                                                                    {"Nov", "Nov"},
                                                                    {"Dec", "Dec"},
                                                                    {"Mon", "Mon"},
                                                                    {"Tues", "Tues"},
                                                                    {"Wed", "Wed"},
                                                                    {"Thurs", "Thurs"},
                                                                    {"Fri", "Fri"},
                                                                    {"Sat", "Sat"},
                                                                    {"Sun", "Sun"}};
    EXPECT_EQ(lang.Asked(), expected);
}

TEST(ScheduleTextsLookup, ShowsTranslatedTextsButKeepsEnglishStatus)
{
    const TableLookup lang(
        {{"Wait", "Wartend"}, {"Pass", "Vorbei"}, {"Tues", "Di"}, {"Mar", "Mär"}, {"NoTitle", "Ohne Titel"}});
    const ScheduleRow weekly =
        RowOf(WeeklyTask("12:00:00", {Weekday::Tues}, ""), At(2024, 5, 14, 9, 0, 0), lang);
    EXPECT_EQ(weekly.taskStatus, "Waiting");
    EXPECT_EQ(weekly.displayLine, " Wartend ---- Di  ---- 12:00:00 ---- Ohne Titel");

    const ScheduleRow once = RowOf("07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on",
                                   At(2024, 5, 14, 9, 0, 0), lang);
    EXPECT_EQ(once.taskStatus, "Passed");
    EXPECT_EQ(once.displayLine, " Vorbei ---- Mär 15,  2008 ---- 07:00:00 ---- Power on");
}

TEST(TrayHint, UpcomingNamesTheFirstTaskStillToCome)
{
    const ScheduleBuild build =
        BuildSchedule({"22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night shutdown",
                       "07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on"},
                      At(2024, 5, 14, 9, 0, 0), testing::Format24(), EnglishLookup(), "\n\rLast event:None");
    EXPECT_EQ(build.upcomingText, "Upcoming event: Waiting - Daily - 22:30:00 - Night shutdown");
    EXPECT_EQ(build.trayHint,
              "Upcoming event: Waiting - Daily - 22:30:00 - Night shutdown\n\rLast event:None");
}

TEST(TrayHint, UpcomingIsNoneWhenNothingWillFire)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on"},
        {"22:30:00*Disabled*l1-EveryDay*********Shutdown*30*************Night shutdown"},
        {"07:00:00*Enabled*l2-2008-2-30********************Power-on*** no such day"},
    };
    for (const auto& lines : cases) {
        const ScheduleBuild build =
            BuildSchedule(lines, At(2024, 5, 14, 9, 0, 0), testing::Format24(), EnglishLookup(), "|last");
        EXPECT_EQ(build.upcomingText, "Upcoming event:None") << lines.size();
        EXPECT_EQ(build.trayHint, "Upcoming event:None|last");
    }
}

TEST(TrayHint, LastEventNamesTheFiredTask)
{
    const ScheduleTexts texts{EnglishLookup()};
    EXPECT_EQ(InitialLastEventText(texts), "\n\rLast event:None");
    EXPECT_EQ(
        LastEventText(RowOf(Task(" 22:30:00", "l1-EveryDay", " Night shutdown "), At(2024, 5, 14, 9, 0, 0)),
                      texts),
        "\n\rLast event: Passed - Daily - 22:30:00 - Night shutdown");
    EXPECT_EQ(
        LastEventText(RowOf(WeeklyTask("12:00:00", {Weekday::Mon}, ""), At(2024, 5, 14, 9, 0, 0)), texts),
        "\n\rLast event: Passed - Mon  - 12:00:00 - No title");
}

struct CutCase {
    const char* name;
    std::string hint;
    std::string shown;
};

void PrintTo(const CutCase& c, std::ostream* os)
{
    *os << c.name;
}

class TrayHintCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(TrayHintCut, KeepsWholeCharactersUpTo127)
{
    EXPECT_EQ(TrayHintForDisplay(GetParam().hint), GetParam().shown);
}

const std::string k126(126, 'a');
const std::string k127(127, 'a');

INSTANTIATE_TEST_SUITE_P(
    Cases, TrayHintCut,
    ::testing::Values(
        CutCase{"Short", "Upcoming event:None", "Upcoming event:None"}, CutCase{"Exactly127", k127, k127},
        CutCase{"LongAscii", std::string(200, 'a'), k127},
        CutCase{"TwoByteCharacterLastFits", k126 + "\xC3\xA9" + "xyz", k126 + "\xC3\xA9"},
        CutCase{"TwoByteCharacterAfterTheLimit", k127 + "\xC3\xA9", k127},
        CutCase{"ThreeByteCharacterLastFits", k126 + "\xE2\x82\xAC\xE2\x82\xAC", k126 + "\xE2\x82\xAC"},
        CutCase{"FourByteCharacterLastFits", k126 + "\xF0\x9F\x98\x80" + "z", k126 + "\xF0\x9F\x98\x80"},
        CutCase{"BytesOfOtherCodePagesCountSingly", std::string(130, '\xE9'), std::string(127, '\xE9')},
        CutCase{"AllMultiByte",
                [] {
                    std::string s;
                    for (int i = 0; i < 130; ++i)
                        s += "\xC3\xA9";
                    return s;
                }(),
                [] {
                    std::string s;
                    for (int i = 0; i < 127; ++i)
                        s += "\xC3\xA9";
                    return s;
                }()},
        CutCase{"TruncatedSequenceBytesCountSingly", k126 + "\xE2\x82", k126 + "\xE2"}),
    testing::CaseName<CutCase>);

}  // namespace
}  // namespace quorvel
