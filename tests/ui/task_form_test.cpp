#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/editor/action_rules.h"
#include "core/settings/settings_register.h"
#include "core/settings/settings_store.h"
#include "core/tasks/task_file.h"
#include "core/tasks/task_line.h"
#include "support/ui_test_support.h"
#include "ui/editor/open_task_editor.h"
#include "ui/editor/program_form.h"
#include "ui/editor/task_form.h"
#include "ui/lang/lang_mgr.h"
#include "ui/main/main_form.h"
#include "ui/modal/modal_host.h"

using namespace quorvel;

namespace {

const TimeFormat kFormat("%H:%M:%S", "%H:%M", "%A %d/%m/%Y", "%d/%m/%Y");

// The worked examples of a task file, one of each kind.
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

const QString kNonCheck = QStringLiteral("You have not chosen anything! Do you want to continue? ");
const QString kDontShutDown = QStringLiteral(
    "Entering the shut-down state your system will be unable to power on automatically. Do you want to "
    "enter the deepest sleep state? ");
const QString kNonWake = QStringLiteral("Your hardware does not support this function.");

// A daily Restart task.
std::string Daily(const std::string& start, const std::string& title)
{
    return start + "*Enabled*l1-EveryDay" + std::string(13, '*') + "Reboot" + std::string(10, '*') + title;
}

// The main window over a data folder of its own with the recording backend, and the editor opened
// on it; message boxes are answered from a queue (OK when it is empty) and recorded.
class TaskEditorTest : public ::testing::Test {
public:
    void SetUp() override
    {
        test::EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_settings = std::make_unique<SettingsStore>(DataDir());
        (void)m_settings->Write(settings::kFirstShow, false);
        m_modal.SetBoxHook([this](QMessageBox& box) {
            m_boxes << box.text();
            m_boxTitles << box.windowTitle();
            if (m_answers.empty()) {
                return int(QMessageBox::Ok);
            }
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
        m_modal.SetDialogHook([this](QDialog& dialog) {
            auto* program = qobject_cast<TProgramForm*>(&dialog);
            return program && m_programDialog ? m_programDialog(*program) : int(QDialog::Rejected);
        });
        m_hooks.endProcess = [] {};
        m_platform.backend.powerCapabilities->SetRtcWake(SystemPowerState::Hibernate);
    }

    void TearDown() override
    {
        m_editor.reset();
        m_main.reset();
    }

    std::string DataDir() const { return m_dir.path().toStdString(); }
    void WriteTasks(const std::vector<std::string>& lines) { ASSERT_EQ(SaveTaskFile(DataDir(), lines), ""); }
    std::vector<std::string> SavedLines() const
    {
        return LoadTaskFile(DataDir()).value_or(std::vector<std::string>{});
    }

    TMainForm& Main()
    {
        if (!m_main) {
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
            m_main = std::make_unique<TMainForm>(std::move(services));
        }
        return *m_main;
    }

    TTaskForm& Open(TaskEditorMode mode, int row = -1)
    {
        Main().TaskList()->setCurrentRow(row);
        TaskEditorServices services{m_langMgr,
                                    m_modal,
                                    m_platform.services,
                                    m_dir.path(),
                                    kFormat,
                                    [this] { return m_now; },
                                    [this](QWidget&, const FileChoice& choice) {
                                        m_choices.push_back(choice);
                                        return m_chosenFile;
                                    }};
        m_editor.reset();
        m_editor = std::make_unique<TTaskForm>(&Main(), mode, std::move(services), TaskListOf(Main()));
        return *m_editor;
    }
    // Opens the row of the list that shows `line`.
    TTaskForm& OpenOn(const std::string& line)
    {
        const std::vector<std::string>& lines = Main().Schedule().TaskLines();
        const auto at = std::find(lines.begin(), lines.end(), line);
        EXPECT_NE(at, lines.end()) << line;
        return Open(TaskEditorMode::Edit, int(at - lines.begin()));
    }
    void Settle() { m_editor->tmr1Timer(); }

    template <typename Widget = QCheckBox>
    Widget* Find(const char* name) const
    {
        auto* widget = m_editor->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* name) const { Find<QCheckBox>(name)->click(); }
    bool Ticked(const char* name) const { return Find<QCheckBox>(name)->isChecked(); }
    bool Bold(const char* name) const { return Find<QWidget>(name)->font().bold(); }
    void SetTime(int h, int m, int s) const { Find<QTimeEdit>("TimeP1")->setTime(QTime(h, m, s)); }
    void SetTitle(const char* title) const { Find<QLineEdit>("title")->setText(QString::fromUtf8(title)); }
    void Choose(const char* radio) const { Find<QRadioButton>(radio)->click(); }
    void Ok() const { m_editor->Button2Click(); }
    int Result() const { return m_editor->result(); }

    QTemporaryDir m_dir;
    TLangMgr m_langMgr{LangMgrConfig{}};
    ModalHost m_modal;
    std::unique_ptr<SettingsStore> m_settings;
    test::RecordedPlatform m_platform;
    MainFormHooks m_hooks;
    LocalMoment m_now{Date{2024, 6, 1}, TimeOfDay{6, 0, 0}, 0};  // a Saturday
    std::unique_ptr<TMainForm> m_main;
    std::unique_ptr<TTaskForm> m_editor;
    QStringList m_boxes;
    QStringList m_boxTitles;
    std::deque<int> m_answers;
    std::vector<FileChoice> m_choices;
    QString m_chosenFile;
    std::function<int(TProgramForm&)> m_programDialog;
};

TEST_F(TaskEditorTest, NewTaskStartsFromTheDefaults)
{
    m_now = LocalMoment{Date{2024, 6, 1}, TimeOfDay{14, 5, 9}, 0};
    TTaskForm& editor = Open(TaskEditorMode::New);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("New Scheduled Task"));
    EXPECT_FALSE(editor.Rules().Loading());
    EXPECT_EQ(Find<QTimeEdit>("TimeP1")->time(), QTime(14, 5, 9));
    EXPECT_TRUE(Find<QRadioButton>("RadioButton1")->isChecked());
    EXPECT_TRUE(Bold("RadioButton1"));
    EXPECT_EQ(Find<QDateEdit>("DateTimePicker1")->date(), QDate(2024, 6, 1));
    EXPECT_EQ(Find<QComboBox>("ComboBox8")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(Find<QComboBox>("ComboBox10")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(Find<QComboBox>("ComboBox11")->currentText(), QStringLiteral("6"));
    for (const char* day : {"Mon", "Tues", "Wed", "Thurs", "Fri"}) {
        EXPECT_TRUE(Ticked(day) && !Find<QCheckBox>(day)->isEnabled()) << day;
    }
    EXPECT_FALSE(Ticked("Sat") || Ticked("Sun"));
    EXPECT_FALSE(Ticked("CheckBox15"));
    EXPECT_EQ(Find<QLineEdit>("num")->text(), QStringLiteral("30"));
    EXPECT_EQ(Find<QLineEdit>("edit5")->text(), QStringLiteral("http://"));
    const QComboBox* messages = Find<QComboBox>("ComboBox1");
    ASSERT_EQ(messages->count(), 3);
    EXPECT_EQ(messages->itemText(2), QStringLiteral("Please take a rest."));
    EXPECT_FALSE(Find<QPushButton>("suiButton8")->isEnabled()) << "no macro dialog yet";
    EXPECT_FALSE(Find<QPushButton>("suiButton11")->isEnabled()) << "no dial-up window yet";
    EXPECT_TRUE(Find<QPushButton>("Button2")->isDefault());
    EXPECT_TRUE(editor.SettlingTimer()->isActive());
    EXPECT_EQ(editor.SettlingTimer()->interval(), 200);
}

struct RepetitionCase {
    const char* name;
    const char* choice;
    std::vector<const char*> enabled;
};

class RepetitionTest : public TaskEditorTest, public ::testing::WithParamInterface<RepetitionCase> {};

TEST_P(RepetitionTest, EnablesOnlyTheControlsOfTheChosenRepetitionAndMakesItBold)
{
    const RepetitionCase& c = GetParam();
    Open(TaskEditorMode::New);
    Choose(c.choice);
    for (const char* radio :
         {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5"}) {
        EXPECT_EQ(Bold(radio), std::string(radio) == c.choice) << radio;
    }
    for (const char* control : {"DateTimePicker1", "Label4", "ComboBox8", "Label5", "ComboBox10", "Label6",
                                "ComboBox11", "Mon", "Tues", "Wed", "Thurs", "Fri", "Sat", "Sun"}) {
        const bool expected = std::any_of(c.enabled.begin(), c.enabled.end(),
                                          [&](const char* e) { return std::string(e) == control; });
        EXPECT_EQ(Find<QWidget>(control)->isEnabled(), expected) << control;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, RepetitionTest,
    ::testing::Values(
        RepetitionCase{"Daily", "RadioButton1", {}},
        RepetitionCase{"Once", "RadioButton2", {"DateTimePicker1"}},
        RepetitionCase{"Monthly", "RadioButton3", {"Label4", "ComboBox8"}},
        RepetitionCase{"Annually", "RadioButton4", {"Label5", "ComboBox10", "Label6", "ComboBox11"}},
        RepetitionCase{"Weekly", "RadioButton5", {"Mon", "Tues", "Wed", "Thurs", "Fri", "Sat", "Sun"}}),
    [](const ::testing::TestParamInfo<RepetitionCase>& caseInfo) {
        return std::string(caseInfo.param.name);
    });

TEST_F(TaskEditorTest, NewTaskAtATakenTimeMovesToTheFirstFreeSecondAndIsSelected)
{
    WriteTasks({Daily("08:00:00", "first"), Daily("08:00:01", "second")});
    Open(TaskEditorMode::New);
    SetTime(8, 0, 0);
    Click("CheckBox2");  // Restart
    Ok();
    EXPECT_EQ(Result(), QDialog::Accepted);
    const std::vector<std::string> saved = SavedLines();
    ASSERT_EQ(saved.size(), 3u);
    EXPECT_EQ(saved[2], Daily("08:00:02", " Restart"));
    EXPECT_EQ(Main().TaskList()->currentRow(), 2);
}

TEST_F(TaskEditorTest, EditingKeepsTheTasksOwnTimeAndMovesPastAnotherTasksTime)
{
    WriteTasks({Daily("08:00:00", "first"), Daily("09:00:00", "second")});
    OpenOn(Daily("09:00:00", "second"));
    SetTitle("renamed");
    Ok();
    EXPECT_EQ(SavedLines(),
              (std::vector<std::string>{Daily("08:00:00", "first"), Daily("09:00:00", "renamed")}));

    OpenOn(Daily("09:00:00", "renamed"));
    SetTime(8, 0, 0);
    Ok();
    EXPECT_EQ(SavedLines(),
              (std::vector<std::string>{Daily("08:00:00", "first"), Daily("08:00:01", "renamed")}));
    EXPECT_EQ(Main().TaskList()->currentRow(), 1) << "the saved task stays selected at its new place";
}

TEST_F(TaskEditorTest, NothingTickedAsksAndEitherStaysOrClosesWithoutSaving)
{
    WriteTasks({Daily("08:00:00", "first")});
    Open(TaskEditorMode::New);
    SetTitle("kept");
    Ok();
    EXPECT_EQ(m_boxes, QStringList{kNonCheck});
    EXPECT_EQ(m_boxTitles, QStringList{QStringLiteral("New Scheduled Task")});
    EXPECT_EQ(Result(), 0) << "OK returns to the editor";
    EXPECT_EQ(Find<QLineEdit>("title")->text(), QStringLiteral("kept"));

    m_answers = {QMessageBox::Cancel};
    Ok();
    EXPECT_EQ(Result(), QDialog::Rejected);
    EXPECT_EQ(SavedLines(), std::vector<std::string>{Daily("08:00:00", "first")});
}

TEST_F(TaskEditorTest, ActionWithoutItsTargetIsUntickedAtOk)
{
    Open(TaskEditorMode::New);
    Click("CheckBox9");  // Launch Program, no program chosen
    Find<QComboBox>("ComboBox1")->setEditText(QString());
    Ok();
    EXPECT_FALSE(Ticked("CheckBox9"));
    EXPECT_EQ(m_boxes, QStringList{kNonCheck});
}

TEST_F(TaskEditorTest, CancelEscapeAndCloseWriteNothing)
{
    WriteTasks({Daily("08:00:00", "first")});
    const std::vector<std::function<void(TTaskForm&)>> leaves = {
        [](TTaskForm& editor) { editor.findChild<QPushButton*>(QStringLiteral("Button1"))->click(); },
        [](TTaskForm& editor) { QTest::keyClick(&editor, Qt::Key_Escape); },
        [](TTaskForm& editor) { editor.close(); },
    };
    for (std::size_t way = 0; way < leaves.size(); ++way) {
        TTaskForm& editor = Open(TaskEditorMode::Edit, 0);
        editor.show();
        SetTitle("changed");
        Click("CheckBox4");
        leaves[way](editor);
        EXPECT_EQ(Result(), QDialog::Rejected) << way;
        EXPECT_FALSE(editor.isVisible()) << way;
    }
    EXPECT_EQ(SavedLines(), std::vector<std::string>{Daily("08:00:00", "first")});
}

TEST_F(TaskEditorTest, ShutDownWithoutTitleGetsTheCaptionAsTitle)
{
    Open(TaskEditorMode::New);
    SetTime(22, 30, 0);
    m_answers = {QMessageBox::Cancel};  // keep Shut down rather than sleep
    Click("CheckBox1");
    EXPECT_EQ(m_boxes, QStringList{kDontShutDown});
    Ok();
    EXPECT_EQ(SavedLines(), std::vector<std::string>{
                                "22:30:00*Enabled*l1-EveryDay*********Shutdown************** Shut down "});
}

TEST_F(TaskEditorTest, OnceOnADateWritesItsCodeWithoutLeadingZeros)
{
    Open(TaskEditorMode::New);
    SetTime(7, 0, 0);
    Choose("RadioButton2");
    Find<QDateEdit>("DateTimePicker1")->setDate(QDate(2024, 5, 7));
    Click("CheckBox3");
    SetTitle("Lock");
    Ok();
    ASSERT_EQ(SavedLines().size(), 1u);
    EXPECT_EQ(SavedLines()[0], "07:00:00*Enabled*l2-2024-5-7**************Lock Computer*********Lock");
}

TEST_F(TaskEditorTest, AnnualDayTheMonthLacksIsSavedAsTyped)
{
    // The scheduler dates such a day on the month's last day, so the editor keeps what was typed.
    struct Case {
        const char* day;
        const char* month;
        const char* savedCode;
    };
    for (const Case& c : {Case{"31", "4", "l3-4-31"}, Case{"30", "2", "l3-2-30"}, Case{"29", "2", "l3-2-29"},
                          Case{"31", "12", "l3-12-31"}}) {
        SCOPED_TRACE(std::string(c.day) + "/" + c.month);
        WriteTasks({});
        Main().RebuildSchedule();
        m_boxes.clear();
        Open(TaskEditorMode::New);
        Choose("RadioButton4");
        Find<QComboBox>("ComboBox10")->setEditText(QString::fromLatin1(c.day));
        Find<QComboBox>("ComboBox11")->setEditText(QString::fromLatin1(c.month));
        Click("CheckBox2");
        Ok();
        EXPECT_TRUE(m_boxes.isEmpty());
        ASSERT_EQ(SavedLines().size(), 1u);
        EXPECT_EQ(ParseTaskLine(SavedLines()[0]).RepeatCode, c.savedCode);
    }
}

TEST_F(TaskEditorTest, DisabledTaskStaysDisabled)
{
    const std::string disabled = "10:00:00*Disabled*l1-EveryDay*************Reboot**********Off for now";
    WriteTasks({disabled});
    Open(TaskEditorMode::Edit, 0);
    Ok();
    EXPECT_EQ(SavedLines(), std::vector<std::string>{disabled});
}

TEST_F(TaskEditorTest, WorkedExamplesLoadAndSaveBackUnchanged)
{
    const std::vector<std::string> examples = {kNightShutdown, kPowerOn,   kBreak,       kBackup,
                                               kCarols,        kTerminate, kWeekendMacro};
    WriteTasks(examples);
    for (const std::string& example : examples) {
        OpenOn(example);
        Ok();
        EXPECT_EQ(Result(), QDialog::Accepted) << example;
        std::vector<std::string> saved = SavedLines();
        std::vector<std::string> expected = examples;
        std::sort(saved.begin(), saved.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(saved, expected) << "after saving " << example;
    }
    EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join(QLatin1Char('|')).toStdString();
}

// How the user fills a new task to get one of the worked examples.
struct ProducedCase {
    const char* name;
    std::vector<std::string> others;  // tasks already there
    std::function<void(TaskEditorTest&)> fill;
    std::string line;
};

class ProducedTest : public TaskEditorTest, public ::testing::WithParamInterface<ProducedCase> {};

TEST_P(ProducedTest, ControlsMakeTheLineAndShowItAgainWhenLoaded)
{
    const ProducedCase& c = GetParam();
    WriteTasks(c.others);
    Open(TaskEditorMode::New);
    c.fill(*this);
    Ok();
    ASSERT_EQ(Result(), QDialog::Accepted);
    std::vector<std::string> saved = SavedLines();
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved.back(), c.line);

    // Loaded again, the controls give the same line.
    OpenOn(c.line);
    Settle();
    Ok();
    saved = SavedLines();
    EXPECT_EQ(saved.size(), c.others.size() + 1);
    EXPECT_NE(std::find(saved.begin(), saved.end(), c.line), saved.end());
}

void TickMessage(TaskEditorTest& t, const char* message)
{
    t.Click("CheckBox12");
    t.Find<QComboBox>("ComboBox1")->setEditText(QString::fromUtf8(message));
}

const ProducedCase kProducedCases[] = {
    {"DailyShutDownWithCountdown",
     {},
     [](TaskEditorTest& t) {
         t.SetTitle("Night shutdown");
         t.SetTime(22, 30, 0);
         t.m_answers = {QMessageBox::Cancel};
         t.Click("CheckBox1");
         t.Click("CheckBox15");
     },
     kNightShutdown},
    {"OncePowerOnWithoutTitle",
     {},
     [](TaskEditorTest& t) {
         t.SetTime(7, 0, 0);
         t.Choose("RadioButton2");
         t.Find<QDateEdit>("DateTimePicker1")->setDate(QDate(2008, 3, 15));
         t.Click("CheckBox6");
     },
     kPowerOn},
    {"WeeklyMessage",
     {},
     [](TaskEditorTest& t) {
         t.SetTitle("Break");
         t.SetTime(12, 0, 0);
         t.Choose("RadioButton5");
         t.Click("Tues");
         t.Click("Thurs");
         TickMessage(t, "Please take a rest.");
     },
     kBreak},
    {"MonthlyProgram",
     {},
     [](TaskEditorTest& t) {
         t.SetTitle("Backup");
         t.SetTime(9, 0, 0);
         t.Choose("RadioButton3");
         t.Find<QComboBox>("ComboBox8")->setEditText(QStringLiteral("1"));
         t.m_programDialog = [](TProgramForm& dialog) {
             dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"))
                 ->setText(QStringLiteral("C:\\Tools\\backup.exe"));
             dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("/quiet"));
             return int(QDialog::Accepted);
         };
         t.Find<QPushButton>("suiButton9")->click();
     },
     kBackup},
    {"AnnualFile",
     {},
     [](TaskEditorTest& t) {
         t.SetTitle("Carols");
         t.SetTime(8, 0, 0);
         t.Choose("RadioButton4");
         t.Find<QComboBox>("ComboBox11")->setEditText(QStringLiteral("12"));
         t.Find<QComboBox>("ComboBox10")->setEditText(QStringLiteral("25"));
         t.m_chosenFile = QStringLiteral("C:\\Music\\carols.mp3");
         t.Find<QPushButton>("suiButton7")->click();
     },
     kCarols},
    {"DailyTerminateAfterAnotherTasksTime",
     {Daily("18:00:00", "other")},
     [](TaskEditorTest& t) {
         t.SetTime(18, 0, 0);
         t.m_chosenFile = QStringLiteral("C:\\Windows\\notepad.exe");
         t.Find<QPushButton>("suiButton10")->click();
         t.Find<QLineEdit>("num")->setText(QStringLiteral("60"));
     },
     kTerminate},
};

INSTANTIATE_TEST_SUITE_P(WorkedExamples, ProducedTest, ::testing::ValuesIn(kProducedCases),
                         [](const ::testing::TestParamInfo<ProducedCase>& caseInfo) {
                             return std::string(caseInfo.param.name);
                         });

TEST_F(TaskEditorTest, RebuildWhileOpenStillReplacesTheLoadedTask)
{
    const std::string first = Daily("08:00:00", "first");
    const std::string second = Daily("09:00:00", "second");
    WriteTasks({first, second});
    OpenOn(second);
    SetTitle("second, renamed");

    // Meanwhile a task fired and the list moved on: an earlier task now stands where the edited
    // one stood, and the edited task sits one row further down.
    const std::string earlier = Daily("07:30:00", "earlier");
    WriteTasks({earlier, first, second});
    Main().RebuildSchedule();
    ASSERT_EQ(Main().Schedule().TaskLines()[1], first);

    Ok();
    EXPECT_EQ(SavedLines(), (std::vector<std::string>{earlier, first, Daily("09:00:00", "second, renamed")}));
}

TEST_F(TaskEditorTest, TaskDeletedWhileOpenIsSavedAsANewTaskBesideTheRest)
{
    const std::string first = Daily("08:00:00", "first");
    const std::string second = Daily("09:00:00", "second");
    WriteTasks({first, second});
    OpenOn(second);
    SetTitle("kept edit");
    WriteTasks({first});
    Main().RebuildSchedule();
    Ok();
    EXPECT_EQ(SavedLines(), (std::vector<std::string>{first, Daily("09:00:00", "kept edit")}));
}

TEST_F(TaskEditorTest, UrlBoxOfALoadedTaskWithoutUrlStartsEmpty)
{
    WriteTasks({Daily("08:00:00", "first")});
    Open(TaskEditorMode::Edit, 0);
    m_editor->show();
    Settle();
    EXPECT_EQ(Find<QLineEdit>("edit5")->text(), QString());
    Find<QLineEdit>("edit5")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Ticked("CheckBox11"));
    EXPECT_FALSE(Ticked("CheckBox2")) << "entering the URL takes over from the task's own action";
    Ok();
    EXPECT_FALSE(Ticked("CheckBox11"));
    EXPECT_EQ(m_boxes, QStringList{kNonCheck});
    m_editor->hide();
}

TEST_F(TaskEditorTest, FailedSaveIsReportedAndTheEditorStaysOpenWithItsInput)
{
    const std::string first = Daily("08:00:00", "first");
    WriteTasks({first});
    Main();
    Open(TaskEditorMode::New);
    SetTitle("new one");
    Click("CheckBox3");
    // task.dat cannot be replaced while a folder of that name with something in it stands there.
    const QString taskFile = m_dir.filePath(QStringLiteral("task.dat"));
    ASSERT_TRUE(QFile::rename(taskFile, m_dir.filePath(QStringLiteral("kept.dat"))));
    ASSERT_TRUE(QDir(m_dir.path()).mkpath(QStringLiteral("task.dat/inside")));
    Ok();
    ASSERT_EQ(m_boxes.size(), 1);
    EXPECT_TRUE(m_boxes[0].startsWith(QStringLiteral("Unable to write to ") + taskFile))
        << m_boxes[0].toStdString();
    EXPECT_EQ(Result(), 0);
    EXPECT_EQ(Find<QLineEdit>("title")->text(), QStringLiteral("new one"));
    EXPECT_TRUE(Ticked("CheckBox3"));

    // Once the file can be written again the same OK stores the task.
    ASSERT_TRUE(QDir(taskFile).removeRecursively());
    ASSERT_TRUE(QFile::rename(m_dir.filePath(QStringLiteral("kept.dat")), taskFile));
    Ok();
    EXPECT_EQ(Result(), QDialog::Accepted);
    EXPECT_EQ(SavedLines().size(), 2u);
}

TEST_F(TaskEditorTest, OneActionPerTaskShownInBold)
{
    Open(TaskEditorMode::New);
    Click("CheckBox4");  // Stand by
    Click("CheckBox2");  // Restart
    EXPECT_FALSE(Ticked("CheckBox4"));
    EXPECT_FALSE(Bold("CheckBox4"));
    EXPECT_TRUE(Ticked("CheckBox2"));
    EXPECT_TRUE(Bold("CheckBox2"));

    // Close Monitor then the macro stay together; not the other way round.
    Click("CheckBox14");
    EXPECT_TRUE(Ticked("CheckBox14") && !Ticked("CheckBox2"));
    Find<QCheckBox>("CheckBox8")->click();
    EXPECT_TRUE(Ticked("CheckBox14") && Ticked("CheckBox8"));
    Click("CheckBox14");  // off
    Click("CheckBox14");  // on again: the macro goes
    EXPECT_TRUE(Ticked("CheckBox14"));
    EXPECT_FALSE(Ticked("CheckBox8"));

    Click("CheckBox14");
    EXPECT_FALSE(Ticked("CheckBox14"));
    EXPECT_FALSE(Bold("CheckBox14"));
}

struct ShutDownCase {
    const char* name;
    SystemPowerState rtcWake;
    int answer;
    const char* ticked;  // the one box ticked afterwards
};

class ShutDownQuestionTest : public TaskEditorTest, public ::testing::WithParamInterface<ShutDownCase> {};

TEST_P(ShutDownQuestionTest, OffersTheDeepestSleepTheClockWakesFrom)
{
    const ShutDownCase& c = GetParam();
    m_platform.backend.powerCapabilities->SetRtcWake(c.rtcWake);
    Open(TaskEditorMode::New);
    m_answers = {c.answer};
    Click("CheckBox1");
    EXPECT_EQ(m_boxes, QStringList{kDontShutDown});
    for (const char* box : {"CheckBox1", "CheckBox4", "CheckBox5"}) {
        EXPECT_EQ(Ticked(box), std::string(box) == c.ticked) << box;
        EXPECT_EQ(Bold(box), std::string(box) == c.ticked) << box;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ShutDownQuestionTest,
    ::testing::Values(
        ShutDownCase{"HibernateWakes", SystemPowerState::Hibernate, QMessageBox::Ok, "CheckBox5"},
        ShutDownCase{"OnlySuspendWakes", SystemPowerState::Sleeping3, QMessageBox::Ok, "CheckBox4"},
        ShutDownCase{"NothingWakes", SystemPowerState::Unspecified, QMessageBox::Ok, "CheckBox4"},
        ShutDownCase{"Cancelled", SystemPowerState::Hibernate, QMessageBox::Cancel, "CheckBox1"}),
    [](const ::testing::TestParamInfo<ShutDownCase>& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(TaskEditorTest, ShutDownLoadedFromATaskAsksNothingUntilTheEditorHasSettled)
{
    WriteTasks({kNightShutdown});
    Open(TaskEditorMode::Edit, 0);
    EXPECT_TRUE(m_editor->Rules().Loading());
    EXPECT_TRUE(Ticked("CheckBox1"));
    EXPECT_EQ(m_editor->windowTitle(), QStringLiteral("Edit Scheduled Task"));
    Click("CheckBox1");  // off
    Click("CheckBox1");  // on, still loading: no question
    EXPECT_TRUE(m_boxes.isEmpty());
    Settle();
    EXPECT_FALSE(m_editor->Rules().Loading());
    Click("CheckBox1");
    m_answers = {QMessageBox::Cancel};
    Click("CheckBox1");
    EXPECT_EQ(m_boxes, QStringList{kDontShutDown});
}

TEST_F(TaskEditorTest, PowerOnWithoutWakeSupportIsRefused)
{
    m_platform.backend.powerCapabilities->SetRtcWake(SystemPowerState::Working);
    Open(TaskEditorMode::New);
    Click("CheckBox6");
    EXPECT_EQ(m_boxes, QStringList{kNonWake});
    EXPECT_FALSE(Ticked("CheckBox6"));
    EXPECT_TRUE(Find<QCheckBox>("CheckBox15")->isEnabled());

    // A stored power-on task on such a machine opens without its action.
    WriteTasks({kPowerOn});
    Main().RebuildSchedule();
    m_boxes.clear();
    Open(TaskEditorMode::Edit, 0);
    EXPECT_EQ(m_boxes, QStringList{kNonWake});
    EXPECT_FALSE(Ticked("CheckBox6"));
}

TEST_F(TaskEditorTest, CountdownRowIsUnavailableWhileShowMessageOrPowerOnIsTicked)
{
    Open(TaskEditorMode::New);
    const auto available = [this] {
        const bool box = Find<QCheckBox>("CheckBox15")->isEnabled();
        EXPECT_EQ(Find<QLineEdit>("num")->isEnabled(), box);
        EXPECT_EQ(Find<QLabel>("Sec")->isEnabled(), box);
        return box;
    };
    Click("CheckBox15");
    Click("CheckBox12");  // Show message
    EXPECT_FALSE(available());
    EXPECT_TRUE(Ticked("CheckBox15")) << "the count stays ticked, only greyed";
    Click("CheckBox6");  // Power on unticks Show message
    EXPECT_FALSE(Ticked("CheckBox12"));
    EXPECT_FALSE(available());
    Click("CheckBox6");
    EXPECT_TRUE(available());
}

TEST_F(TaskEditorTest, CountdownNumberTakesDigitsOnlyAndTicksItsBox)
{
    Open(TaskEditorMode::New);
    QLineEdit* num = Find<QLineEdit>("num");
    num->selectAll();
    QTest::keyClicks(num, QStringLiteral("4x5"));
    EXPECT_EQ(num->text(), QStringLiteral("45"));
    EXPECT_TRUE(Ticked("CheckBox15"));
    EXPECT_TRUE(Bold("CheckBox15"));
    EXPECT_TRUE(Bold("Sec"));
    num->clear();
    emit num->editingFinished();
    EXPECT_EQ(num->text(), QStringLiteral("0"));
    Click("CheckBox15");
    EXPECT_FALSE(Bold("CheckBox15") || Bold("Sec"));
}

TEST_F(TaskEditorTest, FieldsRefuseTheFieldSeparator)
{
    Open(TaskEditorMode::New);
    QLineEdit* url = Find<QLineEdit>("edit5");
    url->setFocus();
    url->end(false);
    QTest::keyClicks(url, QStringLiteral("a*b"));
    EXPECT_EQ(url->text(), QStringLiteral("http://ab"));
    QLineEdit* message = Find<QComboBox>("ComboBox1")->lineEdit();
    QTest::keyClicks(message, QStringLiteral("x*y"));
    EXPECT_EQ(message->text(), QStringLiteral("xy"));

    m_chosenFile = QStringLiteral("/tmp/odd*name.mp3");
    Find<QPushButton>("suiButton7")->click();
    EXPECT_EQ(Find<QLineEdit>("Edit4")->text(), QString());
    EXPECT_FALSE(Ticked("CheckBox7"));
}

TEST_F(TaskEditorTest, PastedLineBreakNeverSplitsTheSavedTask)
{
    Open(TaskEditorMode::New);
    QLineEdit* title = Find<QLineEdit>("title");
    QGuiApplication::clipboard()->setText(QStringLiteral("Two\nlines"));
    title->paste();
    QTest::keyClicks(title, QStringLiteral("a*b"));  // the title may hold the separator
    Click("CheckBox2");
    Ok();
    const std::vector<std::string> saved = SavedLines();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(ParseTaskLine(saved[0]).Title, "a*b");
}

struct DropDownCase {
    const char* name;
    const char* comboBox;
    const char* typed;
    const char* shown;
};

class DropDownTest : public TaskEditorTest, public ::testing::WithParamInterface<DropDownCase> {};

TEST_P(DropDownTest, TakesOnlyValidNumbers)
{
    const DropDownCase& c = GetParam();
    Open(TaskEditorMode::New);
    Choose("RadioButton4");
    Choose("RadioButton3");
    if (std::string(c.comboBox) != "ComboBox8") {
        Choose("RadioButton4");
    }
    QLineEdit* edit = Find<QComboBox>(c.comboBox)->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(c.typed));
    EXPECT_EQ(edit->text(), QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Texts, DropDownTest,
                         ::testing::Values(DropDownCase{"DayThirtyOne", "ComboBox8", "31", "31"},
                                           DropDownCase{"DayThirtyTwoStopsAtThree", "ComboBox8", "32", "3"},
                                           DropDownCase{"DayZero", "ComboBox10", "0", ""},
                                           DropDownCase{"DayLetters", "ComboBox10", "1a", "1"},
                                           DropDownCase{"MonthTwelve", "ComboBox11", "12", "12"},
                                           DropDownCase{"MonthThirteen", "ComboBox11", "13", "1"}),
                         [](const ::testing::TestParamInfo<DropDownCase>& caseInfo) {
                             return std::string(caseInfo.param.name);
                         });

TEST_F(TaskEditorTest, EnteringTheUrlOrMessageTicksItsAction)
{
    Open(TaskEditorMode::New);
    m_editor->show();
    Click("CheckBox2");
    Find<QLineEdit>("edit5")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Ticked("CheckBox11"));
    EXPECT_FALSE(Ticked("CheckBox2"));
    Find<QComboBox>("ComboBox1")->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Ticked("CheckBox12"));
    EXPECT_FALSE(Ticked("CheckBox11"));
    m_editor->hide();
}

TEST_F(TaskEditorTest, UntouchedUrlOfANewTaskIsSavedAsTyped)
{
    Open(TaskEditorMode::New);
    SetTime(6, 30, 0);
    Click("CheckBox11");
    Ok();
    ASSERT_EQ(SavedLines().size(), 1u);
    EXPECT_EQ(SavedLines()[0],
              "06:30:00*Enabled*l1-EveryDay*****************Open URL:http://****** Open URL");
}

TEST_F(TaskEditorTest, PickersFillTheirFieldsAndTickTheirActions)
{
    Open(TaskEditorMode::New);
    m_chosenFile = QStringLiteral("/usr/bin/gedit");
    Find<QPushButton>("suiButton10")->click();
    EXPECT_EQ(Find<QLineEdit>("Edit3")->text(), QStringLiteral("gedit"));
    EXPECT_TRUE(Ticked("CheckBox10"));
    ASSERT_EQ(m_choices.size(), 1u);
    EXPECT_TRUE(m_choices[0].firstFilterExecutablesOnly);

    m_chosenFile = QStringLiteral("/home/u/song.mp3");
    Find<QPushButton>("suiButton7")->click();
    EXPECT_EQ(Find<QLineEdit>("Edit4")->text(), QStringLiteral("/home/u/song.mp3"));
    EXPECT_TRUE(Ticked("CheckBox7"));
    EXPECT_FALSE(Ticked("CheckBox10"));
    ASSERT_EQ(m_choices.size(), 2u);
    EXPECT_EQ(m_choices[1].nameFilters,
              (QStringList{QStringLiteral("*.* (*)"),
                           QStringLiteral("Sound files (*.wav *.rm *.ram *.ra *.swf *.mp3 *.wma *.mid)")}));

    // Cancelled choices change nothing.
    m_chosenFile.clear();
    Find<QPushButton>("suiButton10")->click();
    m_programDialog = [](TProgramForm&) { return int(QDialog::Rejected); };
    Find<QPushButton>("suiButton9")->click();
    EXPECT_TRUE(Ticked("CheckBox7"));
    EXPECT_EQ(Find<QLineEdit>("Edit3")->text(), QStringLiteral("gedit"));
    EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), QString());

    m_programDialog = [](TProgramForm& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QStringLiteral("/usr/bin/vlc"));
        dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("/home/u/film.mkv"));
        return int(QDialog::Accepted);
    };
    Find<QPushButton>("suiButton9")->click();
    EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), QStringLiteral("/usr/bin/vlc /home/u/film.mkv"));
    EXPECT_TRUE(Ticked("CheckBox9"));
    EXPECT_EQ(m_editor->Rules().LaunchProgramValue(), "/usr/bin/vlc | /home/u/film.mkv");
}

TEST_F(TaskEditorTest, TranslatedCaptionsHaveTheirBoldRoomWhenShown)
{
    // The editor is placed on the screen when it is shown; if ticked (bold) translated captions only
    // got their room at the settling timer, it would grow past the screen's edge afterwards.
    TLangMgr german(
        LangMgrConfig{{QStringLiteral(QUORVEL_SOURCE_DIR "/lang")}, QString(), QStringLiteral("DEU")});
    ASSERT_FALSE(german.CurrentFile().isEmpty());
    TaskEditorServices services{
        german, m_modal, m_platform.services, m_dir.path(), kFormat, [this] { return m_now; }, {}};
    TTaskForm editor(&Main(), TaskEditorMode::New, std::move(services), TaskListOf(Main()));
    const auto roomOfCaptions = [&editor] {
        std::map<std::string, int> room;
        for (const QAbstractButton* button : editor.findChildren<QAbstractButton*>()) {
            if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
                room[(button->objectName() + QLatin1Char(' ') + button->text()).toStdString()] =
                    button->minimumWidth();
            }
        }
        return room;
    };
    const auto widthsOfDropDowns = [&editor] {
        std::map<std::string, int> widths;
        for (const char* name : {"ComboBox8", "ComboBox10", "ComboBox11"}) {
            widths[name] = editor.findChild<QComboBox*>(QString::fromLatin1(name))->sizeHint().width();
        }
        return widths;
    };
    const std::map<std::string, int> dropDownsBeforeShow = widthsOfDropDowns();
    editor.show();
    const std::map<std::string, int> shown = roomOfCaptions();
    editor.tmr1Timer();
    EXPECT_EQ(roomOfCaptions(), shown);
    EXPECT_EQ(widthsOfDropDowns(), dropDownsBeforeShow)
        << "a drop-down that narrows once shown moves the editor";
    editor.hide();
}

TEST_F(TaskEditorTest, OpensBesideTheMainWindowAndStaysOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    Main().setGeometry(screen.left() + 20, screen.top() + 30, 540, 461);
    Main().show();
    Open(TaskEditorMode::New);
    m_editor->show();
    const QRect beside = m_editor->frameGeometry();
    EXPECT_EQ(beside.top(), Main().frameGeometry().top() + 18);
    const int wanted = Main().frameGeometry().left() + 59;
    EXPECT_EQ(beside.left(), std::max(screen.left(), std::min(wanted, screen.right() + 1 - beside.width())))
        << "59 pixels right of the main window, unless that reaches past the screen";
    m_editor->hide();

    // From the tray the main window is hidden: its place means nothing, the editor is centred.
    Main().hide();
    Open(TaskEditorMode::New);
    m_editor->show();
    const QRect centred = m_editor->frameGeometry();
    EXPECT_NEAR(centred.center().y(), screen.center().y(), 1);
    EXPECT_GE(centred.left(), screen.left());
    EXPECT_GE(centred.top(), screen.top());
    m_editor->hide();
}

}  // namespace
