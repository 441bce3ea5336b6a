#include "ui/editor/task_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimeEdit>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "core/editor/action_rules.h"
#include "core/editor/day_month_text.h"
#include "core/editor/edited_line.h"
#include "core/editor/task_draft.h"
#include "core/tasks/task_file.h"
#include "platform/task_text_decoding.h"
#include "ui/editor/bold_caption.h"
#include "ui/editor/text_rule_validator.h"
#include "ui/modal/main_message_box.h"

namespace quorvel {
namespace {

constexpr QPoint kOffsetFromMainWindow(59, 18);
constexpr std::size_t kTitleField = 26;

std::string Utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

QTime ToQTime(const TimeOfDay& time)
{
    return QTime(time.hour, time.minute, time.second);
}

TimeOfDay FromQTime(const QTime& time)
{
    return TimeOfDay{time.hour(), time.minute(), time.second()};
}

}  // namespace

TTaskForm::TTaskForm(QWidget* owner, TaskEditorMode mode, TaskEditorServices services,
                     TaskListAccess taskList)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      TLangForm(*this, QStringLiteral("TTaskForm"), services.langMgr),
      m_owner(owner),
      m_mode(mode),
      m_services(std::move(services)),
      m_taskList(std::move(taskList))
{
    BuildWindow();
    BindGeneralInputs();
    BindActionRules();
    InitLanguage();
    // Room for the translated captions in bold before the editor is placed on the screen: growing
    // later, at the settling timer, would push it past the screen's edge.
    ReserveBoldCaptions();
    PlaceCountdownRow();
    FormCreate();
}

TTaskForm::~TTaskForm() = default;

void TTaskForm::BindGeneralInputs()
{
    // A pasted line break would show as a blank but make the task unsavable.
    m_title->setValidator(TextRuleValidator::ForTaskField(kTitleField, m_title));
    m_num->setValidator(new TextRuleValidator(
        [](const QString& text) {
            const bool digits =
                std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
            return digits ? QValidator::Acceptable : QValidator::Invalid;
        },
        m_num));
    const auto dropDownRule = [](bool (*valid)(std::string_view)) {
        return [valid](const QString& text) {
            if (text.isEmpty()) {
                return QValidator::Intermediate;
            }
            return valid(Utf8(text)) ? QValidator::Acceptable : QValidator::Invalid;
        };
    };
    m_comboBox8->setValidator(new TextRuleValidator(dropDownRule(&IsValidDayText), m_comboBox8));
    m_comboBox10->setValidator(new TextRuleValidator(dropDownRule(&IsValidDayText), m_comboBox10));
    m_comboBox11->setValidator(new TextRuleValidator(dropDownRule(&IsValidMonthText), m_comboBox11));
}

void TTaskForm::FormCreate()
{
    SetBold(*m_radioButton1, true);
    m_comboBox1->clear();
    m_comboBox1->addItem(LangStr(QStringLiteral("Message1"), QStringLiteral("Hurry, time is up!")));
    m_comboBox1->addItem(LangStr(QStringLiteral("Message2"), QStringLiteral("Go to bed.")));
    m_comboBox1->addItem(LangStr(QStringLiteral("Message3"), QStringLiteral("Please take a rest.")));
    m_comboBox1->setCurrentIndex(-1);
    m_comboBox1->setEditText(QString());

    const LocalMoment now = m_services.clock();
    ShowDraft(NewTaskDraft(now, *m_rules));
    ConnectGeneralInputs();
    if (m_mode == TaskEditorMode::New) {
        m_rules->SetLoading(false);
        setWindowTitle(LangStr(QStringLiteral("NewTask"), QStringLiteral("New Scheduled Task")));
    } else {
        m_rules->SetLoading(true);
        setWindowTitle(LangStr(QStringLiteral("EditTask"), QStringLiteral("Edit Scheduled Task")));
        LoadSelectedTask(now);
    }
    m_tmr1->start();
}

void TTaskForm::ConnectGeneralInputs()
{
    for (QRadioButton* choice :
         {m_radioButton1, m_radioButton2, m_radioButton3, m_radioButton4, m_radioButton5}) {
        connect(choice, &QRadioButton::toggled, this, [this, choice](bool on) {
            if (on) {
                SelectRepetition(choice);
            }
        });
    }
    for (const auto& [combo, last] :
         {std::pair{m_comboBox8, &m_lastMonthlyDay}, std::pair{m_comboBox10, &m_lastAnnualDay},
          std::pair{m_comboBox11, &m_lastAnnualMonth}}) {
        *last = combo->currentText();
        connect(combo, &QComboBox::currentTextChanged, this, [last = last](const QString& text) {
            if (!text.isEmpty()) {
                *last = text;
            }
        });
    }
    connect(m_checkBox15, &QCheckBox::toggled, this, &TTaskForm::CountdownBoxToggled);
    connect(m_num, &QLineEdit::textChanged, this, [this] { m_checkBox15->setChecked(true); });
    connect(m_num, &QLineEdit::editingFinished, this, &TTaskForm::NumEdited);
    connect(m_button2, &QPushButton::clicked, this, &TTaskForm::Button2Click);
    connect(m_button1, &QPushButton::clicked, this, &TTaskForm::Button1Click);
    connect(m_tmr1, &QTimer::timeout, this, &TTaskForm::tmr1Timer);
}

void TTaskForm::LoadSelectedTask(const LocalMoment& now)
{
    const std::vector<std::string> lines =
        m_taskList.taskLines ? m_taskList.taskLines() : std::vector<std::string>{};
    const int row = m_taskList.currentRow ? m_taskList.currentRow() : -1;
    if (row < 0 || std::size_t(row) >= lines.size()) {
        return;
    }
    m_loadedLine = lines[std::size_t(row)];
    ShowDraft(DraftFromLine(*m_loadedLine, now, m_services.timeFormat, *m_rules));
}

void TTaskForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QRect frame = frameGeometry();
    const QScreen* screen = m_owner != nullptr ? m_owner->screen() : QGuiApplication::primaryScreen();
    if (m_owner != nullptr && m_owner->isVisible() && !m_owner->isMaximized()) {
        frame.moveTopLeft(m_owner->frameGeometry().topLeft() + kOffsetFromMainWindow);
    } else if (screen != nullptr && (m_owner == nullptr || !m_owner->isVisible())) {
        // Opened from the tray: the hidden main window's place means nothing to the user.
        frame.moveCenter(screen->availableGeometry().center());
    }
    if (screen != nullptr) {
        // Beside a main window near the screen's edge the editor would reach past it.
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
        frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    }
    move(frame.topLeft());
}

void TTaskForm::tmr1Timer()
{
    m_tmr1->stop();
    m_rules->SetLoading(false);
    // The captions are translated by now.
    ReserveBoldCaptions();
    PlaceCountdownRow();
}

void TTaskForm::SelectRepetition(QRadioButton* choice)
{
    choice->setChecked(true);
    for (QRadioButton* other :
         {m_radioButton1, m_radioButton2, m_radioButton3, m_radioButton4, m_radioButton5}) {
        SetBold(*other, other == choice);
    }
    m_dateTimePicker1->setEnabled(choice == m_radioButton2);
    for (QWidget* monthly : std::initializer_list<QWidget*>{m_label4, m_comboBox8}) {
        monthly->setEnabled(choice == m_radioButton3);
    }
    for (QWidget* annual : std::initializer_list<QWidget*>{m_label5, m_comboBox10, m_label6, m_comboBox11}) {
        annual->setEnabled(choice == m_radioButton4);
    }
    for (QCheckBox* day : m_days) {
        day->setEnabled(choice == m_radioButton5);
    }
}

void TTaskForm::CountdownBoxToggled(bool ticked)
{
    SetBold(*m_checkBox15, ticked);
    SetBold(*m_sec, ticked);
}

void TTaskForm::NumEdited()
{
    if (m_num->text().isEmpty()) {
        m_num->setText(QStringLiteral("0"));
    }
}

void TTaskForm::ShowCountdownAvailable(bool available)
{
    for (QWidget* part : std::initializer_list<QWidget*>{m_checkBox15, m_num, m_sec}) {
        part->setEnabled(available);
    }
}

void TTaskForm::Button1Click()
{
    reject();
}

void TTaskForm::Button2Click()
{
    m_rules->UntickEmptyTargets();
    if (!m_rules->AnyTicked()) {
        if (!MainMessageBox(m_services.modal, *this, *this)
                 .Ask(LangStr(QStringLiteral("NonCheck"),
                              QStringLiteral("You have not chosen anything! Do you want to continue? ")))) {
            reject();
        }
        return;
    }
    // The edited task is known by its line as loaded, not by its row: a task that fired meanwhile
    // may have moved it.
    std::vector<std::string> lines =
        m_taskList.taskLines ? m_taskList.taskLines() : std::vector<std::string>{};
    const std::string startTime =
        UniqueStartTimeForEditor(m_services.timeFormat.FormatLongTime(FromQTime(m_timeP1->time())), lines,
                                 m_loadedLine, m_services.timeFormat);
    BoxCaptions captions;
    for (std::size_t box = 0; box < kActionBoxCount; ++box) {
        captions[box] = Utf8(m_actions[box].box->text());
    }
    PlaceEditorLine(lines, m_loadedLine, LineFromDraft(DraftFromControls(), startTime, captions));
    if (!Save(lines)) {
        return;
    }
    if (m_taskList.rebuildSchedule) {
        m_taskList.rebuildSchedule();
    }
    if (m_taskList.selectTaskAt) {
        m_taskList.selectTaskAt(startTime);
    }
    accept();
}

void TTaskForm::ShowDraft(const TaskDraft& draft)
{
    m_enabled = draft.enabled;
    m_title->setText(DecodeTaskText(draft.title));
    m_dateTimePicker1->setDate(QDate(draft.onceDate.year, draft.onceDate.month, draft.onceDate.day));
    m_comboBox8->setEditText(DecodeTaskText(draft.monthlyDayText));
    m_comboBox10->setEditText(DecodeTaskText(draft.annualDayText));
    m_comboBox11->setEditText(DecodeTaskText(draft.annualMonthText));
    static constexpr Repetition kChoices[] = {Repetition::Daily, Repetition::Once, Repetition::Monthly,
                                              Repetition::Annually, Repetition::Weekly};
    const std::array<QRadioButton*, 5> radios{m_radioButton1, m_radioButton2, m_radioButton3, m_radioButton4,
                                              m_radioButton5};
    for (std::size_t choice = 0; choice < radios.size(); ++choice) {
        if (kChoices[choice] == draft.repetition) {
            SelectRepetition(radios[choice]);
        }
    }
    for (std::size_t day = 0; day < m_days.size(); ++day) {
        m_days[day]->setChecked(draft.weekdays[day]);
    }
    {
        // Showing the stored count is no change by the user: it ticks nothing by itself.
        const QSignalBlocker quiet(m_num);
        m_num->setText(DecodeTaskText(draft.countdownText));
    }
    m_checkBox15->setChecked(draft.countdownTicked);
    CountdownBoxToggled(draft.countdownTicked);
    ShowTargets();
    m_timeP1->setTime(ToQTime(draft.startTime));
}

TaskDraft TTaskForm::DraftFromControls()
{
    // A drop-down left empty goes back to the last number it held.
    for (const auto& [combo, last] :
         {std::pair{m_comboBox8, &m_lastMonthlyDay}, std::pair{m_comboBox10, &m_lastAnnualDay},
          std::pair{m_comboBox11, &m_lastAnnualMonth}}) {
        if (combo->currentText().isEmpty()) {
            combo->setEditText(*last);
        }
    }
    TaskDraft draft;
    draft.enabled = m_enabled;
    draft.title = Utf8(m_title->text());
    draft.repetition = m_radioButton2->isChecked()   ? Repetition::Once
                       : m_radioButton3->isChecked() ? Repetition::Monthly
                       : m_radioButton4->isChecked() ? Repetition::Annually
                       : m_radioButton5->isChecked() ? Repetition::Weekly
                                                     : Repetition::Daily;
    const QDate once = m_dateTimePicker1->date();
    draft.onceDate = Date{once.year(), once.month(), once.day()};
    draft.monthlyDayText = Utf8(m_comboBox8->currentText());
    draft.annualDayText = Utf8(m_comboBox10->currentText());
    draft.annualMonthText = Utf8(m_comboBox11->currentText());
    for (std::size_t day = 0; day < m_days.size(); ++day) {
        draft.weekdays[day] = m_days[day]->isChecked();
    }
    draft.startTime = FromQTime(m_timeP1->time());
    draft.countdownTicked = m_checkBox15->isChecked();
    draft.countdownText = Utf8(m_num->text());
    draft.actions = m_rules->Selection();
    return draft;
}

bool TTaskForm::Save(const std::vector<std::string>& lines)
{
    const std::string problem = m_taskList.saveTaskLines ? m_taskList.saveTaskLines(lines)
                                                         : std::string("The task list cannot be saved.");
    if (problem.empty()) {
        return true;
    }
    MainMessageBox(m_services.modal, *this, *this)
        .Tell(LangFmt(QStringLiteral("WriteFailed"), QStringLiteral("Unable to write to %s"),
                      {QDir(m_services.dataDir).filePath(QString::fromLatin1(kTaskFileName))}) +
                  QLatin1Char('\n') + DecodeTaskText(problem),
              QMessageBox::Warning);
    return false;
}

}  // namespace quorvel
