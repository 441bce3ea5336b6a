#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/io/atomic_file.h"
#include "core/settings/settings_register.h"
#include "core/settings/settings_store.h"
#include "core/tasks/task_file.h"
#include "support/ui_test_support.h"
#include "ui/lang/lang_mgr.h"
#include "ui/main/main_form.h"
#include "ui/modal/modal_host.h"
#include "ui/tray/tray_icon.h"

using namespace quorvel;

namespace {

// The worked examples of a task file, one of each kind.
const TimeFormat kFormat("%H:%M:%S", "%H:%M", "%A %d/%m/%Y", "%d/%m/%Y");

const std::string kNightShutdown =
    "22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night shutdown";
const std::string kPowerOn = "07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on";
const std::string kBreak =
    "12:00:00*Enabled**Mon**Wed**Fri*******Show Message:Please take a rest.***********Break";
const std::string kBackup =
    "09:00:00*Enabled*l4-1***********Run Program:C:\\Tools\\backup.exe | /quiet************Backup";
const std::string kCarols =
    "08:00:00*Enabled*l3-12-25***************Open File:C:\\Music\\carols.mp3********Carols";
const std::string kTerminate =
    "18:00:01*Enabled*l1-EveryDay**********60******Close Program:notepad.exe******* Terminate Process";
const std::string kWeekendMacro =
    "03:15:00*Enabled*******Sat*Sun***************Macro:C:\\Macros\\cleanup.mco*Weekend macro";

// A task line with one action field set (0-based field number) and everything else empty.
std::string Line(const std::string& start, const std::string& state, const std::string& repeat,
                 std::size_t actionField, const std::string& action, const std::string& title)
{
    std::vector<std::string> fields(25);
    fields[0] = start;
    fields[1] = state;
    fields[2] = repeat;
    fields[actionField] = action;
    std::string line;
    for (const std::string& field : fields) {
        line += field + '*';
    }
    return line + title;
}

constexpr std::size_t kPowerOnField = 22;
constexpr std::size_t kMacroField = 24;
constexpr std::size_t kShowMessageField = 14;

std::string Daily(const std::string& start, const std::string& title)
{
    return Line(start, "Enabled", "l1-EveryDay", kShowMessageField, "Show Message:hello", title);
}

LocalMoment At(int year, int month, int day, int hour, int minute, int second, int millisecond = 0)
{
    return LocalMoment{Date{year, month, day}, TimeOfDay{hour, minute, second}, millisecond};
}

void ProcessPendingEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

// The main window over a data folder of its own, a clock the test sets, and the recording backend;
// the time zone is fixed so wake times in UTC are known.
class ScheduleWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        if (const char* tz = std::getenv("TZ")) {
            m_savedTz = tz;
        }
        ::setenv("TZ", "Europe/Berlin", 1);
        ::tzset();
        m_settings = std::make_unique<SettingsStore>(m_dir.path().toStdString());
        (void)m_settings->Write(settings::kFirstShow, false);
        m_modal.SetBoxHook([this](QMessageBox& box) {
            m_boxes << box.text();
            return int(QMessageBox::Ok);
        });
        m_hooks.endProcess = [] {};
        m_hooks.executeTask = [this](std::size_t position) {
            m_fired.push_back(m_form->Schedule().Table().At(position).record.Title);
        };
    }

    void TearDown() override
    {
        m_form.reset();
        if (m_savedTz) {
            ::setenv("TZ", m_savedTz->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

    void WriteTasks(const std::vector<std::string>& lines) { ASSERT_EQ(SaveTaskFile(DataDir(), lines), ""); }

    std::string DataDir() const { return m_dir.path().toStdString(); }

    TMainForm& Make()
    {
        MainFormServices services{m_langMgr,
                                  m_modal,
                                  *m_settings,
                                  m_platform.services,
                                  m_dir.path(),
                                  "/opt/quorvel",
                                  "/opt/quorvel/quorvel",
                                  true,
                                  m_hooks,
                                  [this] { return m_now; },
                                  kFormat};
        m_form = std::make_unique<TMainForm>(std::move(services));
        return *m_form;
    }

    // The requests of one rebuild at the current clock.
    QStringList RebuildRequests()
    {
        m_platform.log->ClearLines();
        m_form->RebuildSchedule();
        return m_platform.Requests();
    }

    int Rebuilds() const { return int(m_platform.Requests().count("SetScreenSaver 1")); }

    QStringList ListLines() const
    {
        QStringList lines;
        for (int row = 0; row < m_form->TaskList()->count(); ++row) {
            lines << m_form->TaskList()->item(row)->text();
        }
        return lines;
    }

    QTimer& Timer1() const { return *m_form->findChild<QTimer*>(QStringLiteral("Timer1")); }

    // A tick of Timer1 at `moment`.
    void TickAt(const LocalMoment& moment)
    {
        m_now = moment;
        m_form->Timer1Timer();
    }

    QTemporaryDir m_dir;
    std::optional<std::string> m_savedTz;
    TLangMgr m_langMgr{LangMgrConfig{}};
    ModalHost m_modal;
    std::unique_ptr<SettingsStore> m_settings;
    test::RecordedPlatform m_platform;
    MainFormHooks m_hooks;
    LocalMoment m_now = At(2008, 3, 14, 10, 15, 30, 250);  // a Friday
    std::unique_ptr<TMainForm> m_form;
    QStringList m_boxes;
    std::vector<std::string> m_fired;
};

TEST_F(ScheduleWindowTest, ShowsTheWorkedExamplesInListOrder)
{
    WriteTasks({kNightShutdown, kPowerOn, kBreak, kBackup, kCarols, kTerminate, kWeekendMacro});
    TMainForm& form = Make();
    EXPECT_EQ(ListLines(), (QStringList{
                               " Waiting ---- Mon Wed Fri  ---- 12:00:00 ---- Break",
                               " Waiting ---- Daily ---- 18:00:01 ---- Terminate Process",
                               " Waiting ---- Daily ---- 22:30:00 ---- Night shutdown",
                               " Waiting ---- Sat Sun ---- 03:15:00 ---- Weekend macro",
                               " Waiting ---- Mar 15,  2008 ---- 07:00:00 ---- Power on",
                               " Waiting ---- Dec 25,  Annually ---- 08:00:00 ---- Carols",
                               " Passed ---- 1 Monthly ---- 09:00:00 ---- Backup",
                           }));
    // TaskLines follow the list; the file keeps the order it was saved in.
    EXPECT_EQ(form.Schedule().TaskLines(),
              (std::vector<std::string>{kBreak, kTerminate, kNightShutdown, kWeekendMacro, kPowerOn, kCarols,
                                        kBackup}));
    std::string saved;
    ASSERT_TRUE(ReadWholeFile(TaskFilePath(DataDir()), saved));
    EXPECT_EQ(saved.substr(0, kNightShutdown.size()), kNightShutdown);
    EXPECT_EQ(form.Tray().Hint(),
              "Upcoming event: Waiting - Mon Wed Fri  - 12:00:00 - Break\nLast event:None");
    EXPECT_TRUE(form.Schedule().PowerOnPending());
}

struct RebuildCase {
    const char* name;
    std::vector<std::string> tasks;
    LocalMoment now;
    QStringList requests;
    bool tick;
};

void PrintTo(const RebuildCase& c, std::ostream* out)
{
    *out << c.name;
}

class RebuildRequestTest : public ScheduleWindowTest, public ::testing::WithParamInterface<RebuildCase> {};

TEST_P(RebuildRequestTest, AsksThePlatformInOrder)
{
    const RebuildCase& c = GetParam();
    WriteTasks(c.tasks);
    m_now = c.now;
    TMainForm& form = Make();
    EXPECT_EQ(RebuildRequests(), c.requests);
    EXPECT_EQ(form.TickRunning(), c.tick);
    EXPECT_EQ(Timer1().isActive(), c.tick);
}

const QStringList kStart{"SetScreenSaver 1", "EnableDebugPrivilege", "KillTask Pelmora.exe"};
const QStringList kWake{"EnableDebugPrivilege", "KillTask Pelmora.exe"};

const RebuildCase kRebuildCases[] = {
    {"WorkedExamples",
     {kNightShutdown, kPowerOn, kBreak, kBackup, kCarols, kTerminate, kWeekendMacro},
     At(2008, 3, 14, 10, 15, 30, 250),
     kStart + QStringList{"SetScreenSaver 0"} + kWake + QStringList{"ArmWakeTimer 2008-03-15T06:00:00Z"},
     true},
    // Armed now in winter time for a moment in summer time: the offset of the moment counts.
    {"PowerOnAcrossTheChangeToSummerTime",
     {Line("07:00:00", "Enabled", "l2-2024-3-31", kPowerOnField, "Power-on", "Wake")},
     At(2024, 3, 30, 12, 0, 0),
     kStart + kWake + QStringList{"ArmWakeTimer 2024-03-31T05:00:00Z"},
     true},
    {"EarliestOfTwoPowerOnTasks",
     {Line("06:30:00", "Enabled", "l2-2024-6-3", kPowerOnField, "Power-on", "Later"),
      Line("07:00:00", "Enabled", "l2-2024-6-2", kPowerOnField, "Power-on", "Sooner")},
     At(2024, 6, 1, 20, 0, 0),
     kStart + kWake + QStringList{"ArmWakeTimer 2024-06-02T05:00:00Z"},
     true},
    {"PowerOnPassed",
     {Line("07:00:00", "Enabled", "l2-2024-5-31", kPowerOnField, "Power-on", "Gone")},
     At(2024, 6, 1, 20, 0, 0),
     kStart + kWake + QStringList{"CancelWakeTimer"},
     true},
    {"PowerOnDisabled",
     {Line("07:00:00", "Disabled", "l2-2024-6-2", kPowerOnField, "Power-on", "Off")},
     At(2024, 6, 1, 20, 0, 0),
     kStart + kWake + QStringList{"CancelWakeTimer"},
     true},
    {"MacroWaiting",
     {Line("03:15:00", "Enabled", "l1-EveryDay", kMacroField, "Macro:/home/u/a.mco", "Replay")},
     At(2024, 6, 1, 20, 0, 0),
     kStart + QStringList{"SetScreenSaver 0"} + kWake + QStringList{"CancelWakeTimer"},
     true},
    {"MacroPassed",
     {Line("03:15:00", "Enabled", "l2-2024-5-1", kMacroField, "Macro:/home/u/a.mco", "Replay")},
     At(2024, 6, 1, 20, 0, 0),
     kStart + kWake + QStringList{"CancelWakeTimer"},
     true},
    {"EmptyFile", {}, At(2024, 6, 1, 20, 0, 0), kStart + QStringList{"CancelWakeTimer"}, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, RebuildRequestTest, ::testing::ValuesIn(kRebuildCases),
                         [](const ::testing::TestParamInfo<RebuildCase>& c) { return c.param.name; });

TEST_F(ScheduleWindowTest, NoTaskFileShowsNoTaskAndLeavesTheTickStopped)
{
    TMainForm& form = Make();
    EXPECT_EQ(RebuildRequests(), kStart + QStringList{"CancelWakeTimer"});
    EXPECT_EQ(ListLines(), QStringList{"No Task."});
    EXPECT_EQ(form.Tray().Hint(), "Upcoming event:None\nLast event:None");
    EXPECT_FALSE(form.TickRunning());
    EXPECT_FALSE(Timer1().isActive());
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(TaskFilePath(DataDir()))));

    // A task added later starts the tick with the next rebuild.
    WriteTasks({Daily("22:30:00", "Late")});
    form.RebuildSchedule();
    EXPECT_TRUE(form.TickRunning());
    EXPECT_EQ(ListLines(), QStringList{" Waiting ---- Daily ---- 22:30:00 ---- Late"});
}

TEST_F(ScheduleWindowTest, TickIsAimedJustAfterTheNextWholeSecond)
{
    WriteTasks({Daily("22:30:00", "Late")});
    for (const int millisecond : {0, 250, 999}) {
        m_now = At(2024, 6, 1, 8, 0, 0, millisecond);
        TMainForm& form = Make();
        EXPECT_TRUE(Timer1().isSingleShot());
        EXPECT_EQ(Timer1().timerType(), Qt::PreciseTimer);
        EXPECT_EQ(Timer1().interval(), 1001 - millisecond) << millisecond;
        // Every tick aims the next one afresh from the clock.
        m_now.millisecond = 7;
        form.Timer1Timer();
        EXPECT_EQ(Timer1().interval(), 994);
        EXPECT_TRUE(Timer1().isActive());
    }
}

// The tick is aimed only a millisecond past the second; one that still lands just before it
// costs a millisecond or two, never the second.
TEST_F(ScheduleWindowTest, TickLandingJustBeforeItsSecondAimsAgainAtOnce)
{
    WriteTasks({Daily("12:00:00", "Noon")});
    m_now = At(2024, 6, 1, 11, 59, 58, 1);
    Make();
    TickAt(At(2024, 6, 1, 11, 59, 59, 1));
    TickAt(At(2024, 6, 1, 11, 59, 59, 999));
    EXPECT_TRUE(m_fired.empty());
    EXPECT_EQ(Timer1().interval(), 2);
    TickAt(At(2024, 6, 1, 12, 0, 0, 1));
    EXPECT_EQ(m_fired, std::vector<std::string>{"Noon"});
}

TEST_F(ScheduleWindowTest, HintShowsOnly127CharactersAndTaskTextInItsCodePage)
{
    const std::string title(200, 'x');
    WriteTasks({Daily("22:30:00", title), Daily("23:00:00", "Caf\xe9 \xe0 minuit")});
    TMainForm& form = Make();
    const QString upcoming = "Upcoming event: Waiting - Daily - 22:30:00 - " + QString::fromStdString(title);
    EXPECT_EQ(form.Tray().Hint(), upcoming.left(127));
    // Bytes that are no UTF-8 come from an older task file in Windows-1252.
    EXPECT_EQ(ListLines().last(), QString::fromUtf8(" Waiting ---- Daily ---- 23:00:00 ---- Café à minuit"));
}

// Ticks of Timer1 around a daily task at 12:00:00, and how often it fires.
struct TickCase {
    const char* name;
    std::vector<LocalMoment> ticks;
    std::size_t fires;
};

void PrintTo(const TickCase& c, std::ostream* out)
{
    *out << c.name;
}

class TickTest : public ScheduleWindowTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(TickTest, FiresEachOccurrenceOnce)
{
    WriteTasks({Daily("12:00:00", "Noon"), Daily("18:00:00", "Evening")});
    m_now = At(2024, 6, 1, 11, 59, 50);
    Make();
    for (const LocalMoment& tick : GetParam().ticks) {
        TickAt(tick);
    }
    EXPECT_EQ(m_fired, std::vector<std::string>(GetParam().fires, "Noon"));
    EXPECT_EQ(m_form->LastEventText(), GetParam().fires > 0
                                           ? "\n\rLast event: Passed - Daily - 12:00:00 - Noon"
                                           : "\n\rLast event:None");
    EXPECT_TRUE(m_form->TickRunning());
    EXPECT_TRUE(Timer1().isActive());
}

const TickCase kTickCases[] = {
    {"AtTheStartOfItsSecond", {At(2024, 6, 1, 11, 59, 59, 5), At(2024, 6, 1, 12, 0, 0, 0)}, 1},
    {"AtTheEndOfItsSecond", {At(2024, 6, 1, 11, 59, 59, 5), At(2024, 6, 1, 12, 0, 0, 999)}, 1},
    {"AsTheVeryFirstTick", {At(2024, 6, 1, 12, 0, 0, 400)}, 1},
    // The rebuild after firing at 12:00:00.000 still dates it today: its time is not passed yet.
    {"SeveralTicksInItsSecond",
     {At(2024, 6, 1, 12, 0, 0, 0), At(2024, 6, 1, 12, 0, 0, 500), At(2024, 6, 1, 12, 0, 0, 999),
      At(2024, 6, 1, 12, 0, 1, 5)},
     1},
    // The second in between had no tick of its own.
    {"TickJustBeforeAndJustAfter", {At(2024, 6, 1, 11, 59, 59, 990), At(2024, 6, 1, 12, 0, 1, 5)}, 1},
    {"LateByTheLongestBridgedGap", {At(2024, 6, 1, 11, 59, 56, 5), At(2024, 6, 1, 12, 0, 1, 5)}, 1},
    {"LateByMoreThanTheGap", {At(2024, 6, 1, 11, 59, 59, 990), At(2024, 6, 1, 12, 0, 5, 5)}, 0},
    {"NotYet", {At(2024, 6, 1, 11, 59, 58, 5), At(2024, 6, 1, 11, 59, 59, 5)}, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, TickTest, ::testing::ValuesIn(kTickCases),
                         [](const ::testing::TestParamInfo<TickCase>& c) { return c.param.name; });

TEST_F(ScheduleWindowTest, HintNamesTheTaskThatFiredLast)
{
    WriteTasks({Daily("12:00:00", "Noon"), Daily("18:00:00", "Evening")});
    m_now = At(2024, 6, 1, 11, 59, 59, 5);
    TMainForm& form = Make();
    form.Timer1Timer();
    TickAt(At(2024, 6, 1, 12, 0, 0, 5));
    EXPECT_EQ(
        form.Tray().Hint(),
        "Upcoming event: Waiting - Daily - 18:00:00 - Evening\nLast event: Passed - Daily - 12:00:00 - Noon");
    // The rebuild after the firing has dated it tomorrow, after the evening task.
    EXPECT_EQ(form.Schedule().Table().At(2).nextDate, "2024-6-2");
    EXPECT_EQ(ListLines().last(), " Waiting ---- Daily ---- 12:00:00 ---- Noon");

    // It stays so until the next firing, across rebuilds.
    m_now = At(2024, 6, 1, 13, 0, 0);
    form.RebuildSchedule();
    EXPECT_TRUE(form.Tray().Hint().endsWith("Last event: Passed - Daily - 12:00:00 - Noon"));
}

TEST_F(ScheduleWindowTest, ClockSetBackOverAFiredTaskDoesNotFireItAgain)
{
    WriteTasks({Daily("12:00:00", "Noon")});
    m_now = At(2024, 6, 1, 11, 59, 59, 5);
    TMainForm& form = Make();
    form.Timer1Timer();
    TickAt(At(2024, 6, 1, 12, 0, 0, 5));
    ASSERT_EQ(m_fired.size(), 1u);

    // Set back by a few seconds: the rebuild dates it today again, at the second it fired in.
    m_now = At(2024, 6, 1, 11, 59, 57, 5);
    form.RebuildSchedule();
    ASSERT_EQ(form.Schedule().Table().At(1).nextDate, "2024-6-1");
    for (const int second : {58, 59}) {
        TickAt(At(2024, 6, 1, 11, 59, second, 5));
    }
    TickAt(At(2024, 6, 1, 12, 0, 0, 5));
    EXPECT_EQ(m_fired.size(), 1u);
}

TEST_F(ScheduleWindowTest, LateTickFiresTasksOfConsecutiveSecondsInTheirOrder)
{
    WriteTasks({Daily("12:00:01", "Second"), Daily("12:00:00", "First")});
    m_now = At(2024, 6, 1, 11, 59, 50);
    Make();
    TickAt(At(2024, 6, 1, 11, 59, 59, 995));
    TickAt(At(2024, 6, 1, 12, 0, 2, 10));
    EXPECT_EQ(m_fired, (std::vector<std::string>{"First", "Second"}));
}

TEST_F(ScheduleWindowTest, TaskIsCarriedOutWithTheTickStoppedAndRebuiltAfter)
{
    WriteTasks({Daily("12:00:00", "Noon")});
    m_now = At(2024, 6, 1, 11, 59, 59, 5);
    bool tickDuringTask = true;
    int rebuildsDuringTask = -1;
    m_hooks.executeTask = [&](std::size_t position) {
        EXPECT_EQ(position, 1u);
        tickDuringTask = m_form->TickRunning() || Timer1().isActive();
        rebuildsDuringTask = Rebuilds();
    };
    Make();
    m_form->Timer1Timer();
    m_platform.log->ClearLines();
    TickAt(At(2024, 6, 1, 12, 0, 0, 5));
    EXPECT_FALSE(tickDuringTask);
    EXPECT_EQ(rebuildsDuringTask, 0);
    EXPECT_EQ(Rebuilds(), 1);
    EXPECT_TRUE(m_form->TickRunning());
}

// Clock-watch runs every 30 seconds after a rebuild at `start`.
struct WatchCase {
    const char* name;
    LocalMoment start;
    std::vector<LocalMoment> runs;
    int rebuilds;
};

void PrintTo(const WatchCase& c, std::ostream* out)
{
    *out << c.name;
}

class ClockWatchTest : public ScheduleWindowTest, public ::testing::WithParamInterface<WatchCase> {};

TEST_P(ClockWatchTest, RebuildsOnlyAfterAJumpOrANewDay)
{
    WriteTasks({Daily("22:30:00", "Late")});
    m_now = GetParam().start;
    TMainForm& form = Make();
    const int atStart = Rebuilds();
    for (const LocalMoment& run : GetParam().runs) {
        m_now = run;
        form.Timer5Timer();
    }
    EXPECT_EQ(Rebuilds() - atStart, GetParam().rebuilds);
    EXPECT_EQ(form.Schedule().ClockWatch(), ClockWatchRecordAt(GetParam().runs.back(), kFormat));
}

// `runs` moments, each half a minute after the one before, the first half a minute after `start`.
std::vector<LocalMoment> EveryHalfMinute(LocalMoment start, int runs)
{
    std::vector<LocalMoment> moments;
    for (int i = 1; i <= runs; ++i) {
        LocalMoment m = start;
        const int seconds = start.time.minute * 60 + start.time.second + i * 30;
        m.time.hour += seconds / 3600;
        m.time.minute = seconds / 60 % 60;
        m.time.second = seconds % 60;
        moments.push_back(m);
    }
    return moments;
}

const WatchCase kWatchCases[] = {
    // Quiet runs keep their record, so minute after minute and into the next hour stays quiet.
    {"QuietAcrossAnHour", At(2024, 6, 1, 10, 58, 15), EveryHalfMinute(At(2024, 6, 1, 10, 58, 15), 12), 0},
    {"JumpForward", At(2024, 6, 1, 10, 30, 0), {At(2024, 6, 1, 11, 45, 0)}, 1},
    {"SetBackTenMinutes", At(2024, 6, 1, 10, 30, 0), {At(2024, 6, 1, 10, 20, 30)}, 1},
    {"OneMinuteOn", At(2024, 6, 1, 10, 30, 50), {At(2024, 6, 1, 10, 31, 20)}, 0},
    {"Midnight", At(2024, 6, 1, 23, 59, 45), {At(2024, 6, 2, 0, 0, 15)}, 1},
};

INSTANTIATE_TEST_SUITE_P(Cases, ClockWatchTest, ::testing::ValuesIn(kWatchCases),
                         [](const ::testing::TestParamInfo<WatchCase>& c) { return c.param.name; });

TEST_F(ScheduleWindowTest, ClockWatchRunsEveryHalfMinuteFromTheStart)
{
    TMainForm& form = Make();
    const QTimer* timer5 = form.findChild<QTimer*>(QStringLiteral("Timer5"));
    ASSERT_NE(timer5, nullptr);
    EXPECT_TRUE(timer5->isActive());
    EXPECT_EQ(timer5->interval(), 30000);
    EXPECT_FALSE(timer5->isSingleShot());
}

TEST_F(ScheduleWindowTest, UnreadableTaskFileIsToldOnceAndNeverSavedOver)
{
    // A folder in place of the file: it opens, but reading it fails.
    const QString taskFile = QString::fromStdString(TaskFilePath(DataDir()));
    ASSERT_TRUE(QDir().mkdir(taskFile));
    TMainForm& form = Make();
    ProcessPendingEvents();
    ASSERT_EQ(m_boxes.size(), 1);
    EXPECT_TRUE(m_boxes.first().startsWith("The scheduled tasks could not be read"))
        << m_boxes.first().toStdString();
    EXPECT_TRUE(m_boxes.first().contains(taskFile));
    EXPECT_EQ(ListLines(), QStringList{"No Task."});
    EXPECT_FALSE(form.TickRunning());

    form.RebuildSchedule();
    ProcessPendingEvents();
    EXPECT_EQ(m_boxes.size(), 1);
    EXPECT_NE(form.Schedule().SaveTaskLines({Daily("08:00:00", "New")}), "");
    EXPECT_TRUE(QFileInfo(taskFile).isDir());

    // Readable again, then unreadable again: that is news once more.
    ASSERT_TRUE(QDir().rmdir(taskFile));
    WriteTasks({Daily("08:00:00", "Back")});
    form.RebuildSchedule();
    EXPECT_EQ(form.Schedule().SaveTaskLines(form.Schedule().TaskLines()), "");
    ASSERT_TRUE(QFile::remove(taskFile));
    ASSERT_TRUE(QDir().mkdir(taskFile));
    form.RebuildSchedule();
    ProcessPendingEvents();
    EXPECT_EQ(m_boxes.size(), 2);
}

}  // namespace
