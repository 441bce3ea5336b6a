// The task editor's controls: their names, captions, hints and first states, and where they
// stand. Behaviour is in task_form.cpp and task_form_actions.cpp.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/editor/bold_caption.h"
#include "ui/editor/task_form.h"
#include "ui/lang/lang_component_texts.h"

namespace quorvel {
namespace {

// The gap between the count-down box, its number and "secs".
constexpr int kCountdownGap = 2;
constexpr int kSettlingMilliseconds = 200;

template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* SectionLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = Named(new QLabel(caption, parent), name);
    QFont bold;
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QFrame* Rule(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QComboBox* NumberDropDown(const char* name, int last, QWidget* parent)
{
    auto* combo = Named(new QComboBox(parent), name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= last; ++n) {
        combo->addItem(QString::number(n));
    }
    // Dates of the day, not texts a language file should replace.
    combo->setProperty(kLangKeepTextsProperty, true);
    combo->setMinimumContentsLength(2);
    // Sized from the start: sized only when first shown, they would narrow the editor after it
    // has been placed.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

struct ActionLayout {
    ActionBox box;
    const char* name;
    const char* caption;
};

// The boxes without a target, two rows of four as they stand in the window.
constexpr ActionLayout kPlainActions[] = {
    {ActionBox::PowerOn, "CheckBox6", "Power on"},
    {ActionBox::Restart, "CheckBox2", "Restart"},
    {ActionBox::ShutDown, "CheckBox1", "Shut down "},
    {ActionBox::LockDesktop, "CheckBox3", "Lock Desktop"},
    {ActionBox::StandBy, "CheckBox4", "Stand by"},
    {ActionBox::Hibernate, "CheckBox5", "Hibernate"},
    {ActionBox::LogOff, "CheckBox13", "Log off"},
    {ActionBox::CloseMonitor, "CheckBox14", "Close Monitor"},
};

struct TargetLayout {
    ActionBox box;
    const char* name;
    const char* caption;
    const char* fieldName;
    const char* pickerName;  // none for the message list
    const char* pickerHint;
};

constexpr TargetLayout kTargetActions[] = {
    {ActionBox::Macro, "CheckBox8", "Keyboard/Mouse Macro", "Edit1", "suiButton8",
     "Load a keyboard/mouse macro file"},
    {ActionBox::LaunchProgram, "CheckBox9", "Launch Program", "Edit2", "suiButton9",
     "Select an executable file."},
    {ActionBox::TerminateProcess, "CheckBox10", "Terminate Process", "Edit3", "suiButton10",
     "Select an executable file."},
    {ActionBox::OpenFile, "CheckBox7", "Open File", "Edit4", "suiButton7", "Select any file."},
    {ActionBox::OpenUrl, "CheckBox11", "Open URL", "edit5", "suiButton11", "Connecting."},
    {ActionBox::ShowMessage, "CheckBox12", "Show message:", "ComboBox1", nullptr, nullptr},
};

}  // namespace

void TTaskForm::BuildWindow()
{
    setObjectName(QStringLiteral("TaskForm"));
    setWindowTitle(QStringLiteral("New Scheduled Task"));

    auto* columns = new QHBoxLayout;
    columns->setSpacing(16);
    columns->addWidget(BuildGeneralArea(), 0, Qt::AlignTop);
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    columns->addWidget(divider);
    columns->addWidget(BuildActionArea(), 1, Qt::AlignTop);

    m_button2 = Named(new QPushButton(QStringLiteral("OK"), this), "Button2");
    m_button1 = Named(new QPushButton(QStringLiteral("Cancel"), this), "Button1");
    m_button2->setDefault(true);
    m_button1->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_button2);
    buttons->addWidget(m_button1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(Rule(this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ReserveBoldCaptions();
    m_tmr1 = Named(new QTimer(this), "tmr1");
    m_tmr1->setSingleShot(true);
    m_tmr1->setInterval(kSettlingMilliseconds);
}

QWidget* TTaskForm::BuildGeneralArea()
{
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    m_label1 = SectionLabel("Label1", QStringLiteral("Task Title:"), area);
    m_title = Named(new QLineEdit(area), "title");
    m_title->setMinimumWidth(300);
    layout->addWidget(m_label1);
    layout->addWidget(m_title);
    layout->addSpacing(6);

    m_radioButton1 = Named(new QRadioButton(QStringLiteral("Daily"), area), "RadioButton1");
    m_radioButton1->setToolTip(QStringLiteral("The scheduled task will fire every day."));
    m_radioButton2 = Named(new QRadioButton(QStringLiteral("Once"), area), "RadioButton2");
    m_radioButton2->setToolTip(QStringLiteral("The scheduled task will fire only at this specified date."));
    m_dateTimePicker1 = Named(new QDateEdit(area), "DateTimePicker1");
    m_dateTimePicker1->setCalendarPopup(true);
    m_dateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_dateTimePicker1->setMinimumWidth(
        m_dateTimePicker1->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 48);
    m_radioButton3 = Named(new QRadioButton(QStringLiteral("Monthly"), area), "RadioButton3");
    m_radioButton3->setToolTip(
        QStringLiteral("The scheduled task will fire at specified date of every month."));
    m_label4 = Named(new QLabel(QStringLiteral("Day:"), area), "Label4");
    m_comboBox8 = NumberDropDown("ComboBox8", 31, area);
    m_radioButton4 = Named(new QRadioButton(QStringLiteral("Annually"), area), "RadioButton4");
    m_radioButton4->setToolTip(
        QStringLiteral("The scheduled task will fire at specified date of every year."));
    m_label5 = Named(new QLabel(QStringLiteral("Day:"), area), "Label5");
    m_comboBox10 = NumberDropDown("ComboBox10", 31, area);
    m_label6 = Named(new QLabel(QStringLiteral("Month:"), area), "Label6");
    m_comboBox11 = NumberDropDown("ComboBox11", 12, area);
    m_radioButton5 = Named(new QRadioButton(QStringLiteral("Weekly"), area), "RadioButton5");
    m_radioButton5->setToolTip(
        QStringLiteral("The scheduled task will fire at specified date of every week."));
    m_radioButton1->setChecked(true);

    auto* repetition = new QGridLayout;
    repetition->setColumnStretch(5, 1);
    repetition->addWidget(m_radioButton1, 0, 0);
    repetition->addWidget(m_radioButton2, 1, 0);
    repetition->addWidget(m_dateTimePicker1, 1, 1, 1, 2);
    repetition->addWidget(m_radioButton3, 2, 0);
    repetition->addWidget(m_label4, 2, 1);
    repetition->addWidget(m_comboBox8, 2, 2);
    repetition->addWidget(m_radioButton4, 3, 0);
    repetition->addWidget(m_label5, 3, 1);
    repetition->addWidget(m_comboBox10, 3, 2);
    repetition->addWidget(m_label6, 3, 3);
    repetition->addWidget(m_comboBox11, 3, 4);
    repetition->addWidget(m_radioButton5, 4, 0);
    layout->addLayout(repetition);

    static constexpr const char* kDayNames[] = {"Mon", "Tues", "Wed", "Thurs", "Fri", "Sat", "Sun"};
    static constexpr const char* kDayCaptions[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    auto* days = new QHBoxLayout;
    days->setContentsMargins(20, 0, 0, 0);
    for (std::size_t d = 0; d < m_days.size(); ++d) {
        m_days[d] = Named(new QCheckBox(QString::fromLatin1(kDayCaptions[d]), area), kDayNames[d]);
        m_days[d]->setChecked(d < 5);
        if (d >= 5) {
            m_days[d]->setStyleSheet(QStringLiteral("QCheckBox:enabled { color: red; }"));
        }
        days->addWidget(m_days[d]);
    }
    days->addStretch();
    layout->addLayout(days);
    layout->addSpacing(6);

    m_label2 = SectionLabel("Label2", QStringLiteral("Starting Time"), area);
    m_timeP1 = Named(new QTimeEdit(area), "TimeP1");
    m_timeP1->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    auto* time = new QHBoxLayout;
    time->addWidget(m_timeP1);
    time->addStretch();
    layout->addWidget(m_label2);
    layout->addLayout(time);
    layout->addSpacing(6);

    m_reminder = SectionLabel("Reminder", QStringLiteral("Reminder"), area);
    // The number and "secs" follow the box's translated width, so this row is placed by hand.
    m_countdownRow = new QWidget(area);
    m_checkBox15 = Named(new QCheckBox(QStringLiteral("Count down from"), m_countdownRow), "CheckBox15");
    m_num = Named(new QLineEdit(QStringLiteral("30"), m_countdownRow), "num");
    m_num->setFixedWidth(m_num->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    m_num->setAlignment(Qt::AlignRight);
    m_sec = Named(new QLabel(QStringLiteral("secs"), m_countdownRow), "Sec");
    PlaceCountdownRow();
    layout->addWidget(m_reminder);
    layout->addWidget(m_countdownRow);
    layout->addStretch();
    return area;
}

void TTaskForm::ReserveBoldCaptions()
{
    for (QWidget* choice : std::initializer_list<QWidget*>{m_radioButton1, m_radioButton2, m_radioButton3,
                                                           m_radioButton4, m_radioButton5}) {
        ReserveBoldWidth(*choice);
    }
    for (const ActionControls& action : m_actions) {
        ReserveBoldWidth(*action.box);
    }
}

void TTaskForm::PlaceCountdownRow()
{
    // Sized for the bold caption a ticked box shows.
    m_checkBox15->resize(BoldWidth(*m_checkBox15), m_checkBox15->sizeHint().height());
    m_sec->resize(BoldWidth(*m_sec), m_sec->sizeHint().height());
    const int height = std::max({m_checkBox15->height(), m_num->sizeHint().height(), m_sec->height()});
    m_checkBox15->move(0, (height - m_checkBox15->height()) / 2);
    m_num->setGeometry(m_checkBox15->geometry().right() + 1 + kCountdownGap,
                       (height - m_num->sizeHint().height()) / 2, m_num->width(), m_num->sizeHint().height());
    m_sec->move(m_num->geometry().right() + 1 + kCountdownGap, (height - m_sec->height()) / 2);
    m_countdownRow->setFixedSize(m_sec->geometry().right() + 1, height);
}

QWidget* TTaskForm::BuildActionArea()
{
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    m_label3 = SectionLabel("Label3", QStringLiteral("What to do"), area);
    layout->addWidget(m_label3);

    auto* plain = new QGridLayout;
    int index = 0;
    for (const ActionLayout& action : kPlainActions) {
        auto* box = Named(new QCheckBox(QString::fromLatin1(action.caption), area), action.name);
        m_actions[std::size_t(action.box)].box = box;
        plain->addWidget(box, index / 4, index % 4);
        ++index;
    }
    layout->addLayout(plain);
    layout->addSpacing(6);

    auto* targets = new QGridLayout;
    targets->setColumnStretch(1, 1);
    targets->setColumnMinimumWidth(1, 240);
    int row = 0;
    for (const TargetLayout& action : kTargetActions) {
        ActionControls& controls = m_actions[std::size_t(action.box)];
        controls.box = Named(new QCheckBox(QString::fromLatin1(action.caption), area), action.name);
        if (action.box == ActionBox::ShowMessage) {
            m_comboBox1 = Named(new QComboBox(area), action.fieldName);
            m_comboBox1->setEditable(true);
            m_comboBox1->setInsertPolicy(QComboBox::NoInsert);
            m_comboBox1->setProperty(kLangKeepTextsProperty, true);  // the presets come from messages
            controls.field = m_comboBox1;
        } else {
            auto* field = Named(new QLineEdit(area), action.fieldName);
            field->setReadOnly(action.box != ActionBox::OpenUrl);
            controls.field = field;
            if (action.box == ActionBox::OpenUrl) {
                m_edit5 = field;
                field->setText(QStringLiteral("http://"));
            }
        }
        targets->addWidget(controls.box, row, 0);
        targets->addWidget(controls.field, row, 1);
        if (action.pickerName != nullptr) {
            controls.picker = Named(new QPushButton(QStringLiteral("..."), area), action.pickerName);
            controls.picker->setToolTip(QString::fromLatin1(action.pickerHint));
            controls.picker->setAutoDefault(false);
            controls.picker->setFixedWidth(
                controls.picker->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 20);
            targets->addWidget(controls.picker, row, 2);
        }
        ++row;
    }
    layout->addLayout(targets);
    layout->addStretch();
    return area;
}

}  // namespace quorvel
