#include "ui/reminder/reminder_form.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

#include "core/executor/event_action.h"
#include "core/executor/postpone.h"
#include "core/executor/reminder_texts.h"
#include "core/tasks/task_file.h"
#include "platform/task_text_decoding.h"
#include "ui/executor/action_runner.h"
#include "ui/lang/lang_component_texts.h"
#include "ui/modal/main_message_box.h"

namespace quorvel {
namespace {

constexpr QSize kClientSize(547, 218);
constexpr int kLeft = 24;
constexpr int kLineWidth = kClientSize.width() - 2 * kLeft;
constexpr int kNumberGap = 6;  // between the notice, the number and "secs."
constexpr QSize kButtonSize(110, 30);
constexpr int kButtonTop = 166;
constexpr int kButtonGap = 52;

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string ToUtf8(const std::string& stored)
{
    return DecodeTaskText(stored).toStdString();
}

// The request with its task texts turned into UTF-8, so the lines built from them and from the
// language file's texts are one encoding.
ReminderRequest ForDisplay(ReminderRequest request)
{
    request.title = ToUtf8(request.title);
    request.target = ToUtf8(request.target);
    request.parameters = ToUtf8(request.parameters);
    return request;
}

QLabel* Line(QWidget* window, const char* name, int top)
{
    auto* label = new QLabel(window);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);  // titles and paths come from the task file
    label->setGeometry(kLeft, top, kLineWidth, 24);
    label->setProperty(kLangKeepTextsProperty, true);  // filled from the task, not translated
    return label;
}

}  // namespace

TReminder::TReminder(ReminderRequest request, ExecutorContext context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      TLangForm(*this, QStringLiteral("TReminder"), context.langMgr),
      m_request(std::move(request)),
      m_context(std::move(context)),
      m_count(m_request.countdown)
{
    m_timer1 = m_context.countdownTimer ? m_context.countdownTimer(*this) : MakeQtCountdownTimer(*this);
    BuildWindow();
    InitLanguage();
    FormCreate();
}

TReminder::~TReminder() = default;

void TReminder::BuildWindow()
{
    setObjectName(QStringLiteral("Reminder"));
    setWindowTitle(QStringLiteral("Quorvel"));
    setFixedSize(kClientSize);

    m_lb1 = new QLabel(QStringLiteral("Notice! The following scheduled task will be fired in "), this);
    m_lb1->setObjectName(QStringLiteral("lb1"));
    m_lb1->move(kLeft, 22);
    m_lb2 = new QLabel(this);
    m_lb2->setObjectName(QStringLiteral("lb2"));
    m_lb2->setProperty(kLangKeepTextsProperty, true);  // the number
    QFont bold = m_lb2->font();
    bold.setBold(true);
    m_lb2->setFont(bold);
    m_lb3 = new QLabel(QStringLiteral("secs."), this);
    m_lb3->setObjectName(QStringLiteral("lb3"));
    m_title = Line(this, "Title", 60);
    m_event = Line(this, "event", 90);
    m_param = Line(this, "param", 120);
    m_param->hide();

    m_button1 = new QPushButton(QStringLiteral("Immediately"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button3 = new QPushButton(QStringLiteral("Waiting >>"), this);
    m_button3->setObjectName(QStringLiteral("Button3"));
    m_button2 = new QPushButton(QStringLiteral("Cancel"), this);
    m_button2->setObjectName(QStringLiteral("Button2"));
    int left = (kClientSize.width() - 3 * kButtonSize.width() - 2 * kButtonGap) / 2;
    for (QPushButton* button : {m_button1, m_button3, m_button2}) {
        // The window comes up while the user may be typing elsewhere: an Enter meant for that
        // must not shut the machine down at once.
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setGeometry(QRect(QPoint(left, kButtonTop), kButtonSize));
        left += kButtonSize.width() + kButtonGap;
    }
    connect(m_button1, &QPushButton::clicked, this, &TReminder::Button1Click);
    connect(m_button2, &QPushButton::clicked, this, &TReminder::Button2Click);
    connect(m_button3, &QPushButton::clicked, this, &TReminder::Button3Click);

    m_popupMenu1 = new QMenu(this);
    m_popupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (const PostponeItem& item : kPostponeItems) {
        QAction* action = m_popupMenu1->addAction(FromUtf8(item.caption));
        action->setObjectName(FromUtf8(item.name));
        connect(action, &QAction::triggered, this, [this, &item] { PostponeClick(item); });
    }
    QAction* waitAlong = m_popupMenu1->addAction(FromUtf8(kWaitAlongCaption));
    waitAlong->setObjectName(FromUtf8(kWaitAlongName));
    connect(waitAlong, &QAction::triggered, this, &TReminder::WaitalongClick);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), kClientSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TReminder::FormCreate()
{
    ActionRunner::Beep();
    const ReminderTexts texts = MakeReminderTexts(ForDisplay(m_request), Lookup());
    m_title->setText(FromUtf8(texts.titleLine));
    m_title->setToolTip(m_title->text());
    m_event->setText(FromUtf8(texts.eventLine));
    m_event->setToolTip(m_event->text());
    if (texts.parameterLine) {
        m_param->setText(FromUtf8(*texts.parameterLine));
        m_param->setToolTip(m_param->text());
        m_param->show();
    }
    ShowNotice();
    if (m_count.TimerArmed()) {
        m_timer1->Start([this] { Timer1Timer(); });
    }
}

void TReminder::ShowNotice()
{
    if (!m_count.ShowsNumber()) {
        m_lb1->setText(LangStr(QStringLiteral("Wait"),
                               QStringLiteral("Notice! The following scheduled task waiting for confirm!")));
        m_lb1->adjustSize();
        m_lb2->hide();
        m_lb3->hide();
        return;
    }
    m_lb1->adjustSize();
    m_lb2->setText(QString::number(m_count.Remaining()));
    m_lb2->adjustSize();
    m_lb3->adjustSize();
    m_lb2->move(m_lb1->geometry().right() + 1 + kNumberGap, m_lb1->y());
    m_lb3->move(m_lb2->geometry().right() + 1 + kNumberGap, m_lb1->y());
    m_lb2->show();
    m_lb3->show();
}

void TReminder::Timer1Timer()
{
    const bool reachedZero = m_count.Tick();
    ShowNotice();
    if (reachedZero) {
        Button1Click();
    }
}

void TReminder::Button1Click()
{
    if (!m_count.Immediately()) {
        return;
    }
    m_timer1->Stop();
    const EventAction action = PlanReminderAction(m_request, m_context.actions.Settings());
    for (const ExecutorStep& step : action.steps) {
        m_context.actions.Run(step);
    }
    m_count.ActionFinished(action.carriedOut);
    if (m_count.IsClosed()) {
        Finish();
    } else {
        ShowNotice();  // the macro file could not be read: wait for the user
    }
}

void TReminder::Button2Click()
{
    m_count.Close();
    Finish();
}

void TReminder::Button3Click()
{
    m_popupMenu1->popup(QCursor::pos());
}

void TReminder::WaitalongClick()
{
    m_count.WaitAlong();
    m_timer1->Stop();
    ShowNotice();
}

void TReminder::PostponeClick(const PostponeItem& item)
{
    if (!m_count.BeginPostpone()) {
        return;
    }
    m_timer1->Stop();
    const ScheduleAccess& schedule = m_context.schedule;
    const std::vector<std::string> lines =
        schedule.taskLines ? schedule.taskLines() : std::vector<std::string>{};
    const PostponedTask task =
        PostponeReminder(m_request, item, m_context.clock(), lines, m_context.format, Lookup());
    if (!StoreTask(lines, task.line)) {
        // Nothing was stored: the reminder waits, so the action is not lost.
        m_count.WaitAlong();
        ShowNotice();
        return;
    }
    if (schedule.rebuildSchedule) {
        schedule.rebuildSchedule();
    }
    if (schedule.selectTaskAt) {
        schedule.selectTaskAt(task.timeText);
    }
    m_count.Close();
    Finish();
}

bool TReminder::StoreTask(std::vector<std::string> lines, const std::string& line)
{
    const std::string dataDir = m_context.dataDir.toStdString();
    // TaskLines is not the file's content while the file cannot be read: saving it would
    // replace tasks nobody has seen.
    std::string problem = m_context.schedule.taskFileProblem ? m_context.schedule.taskFileProblem() : "";
    if (problem.empty()) {
        lines.push_back(line);
        problem = SaveTaskFile(dataDir, lines);
    }
    if (problem.empty()) {
        return true;
    }
    MainMessageBox(m_context.modal, *this, *this)
        .Tell(QStringLiteral("Unable to write to ") + QString::fromStdString(TaskFilePath(dataDir)) +
                  QLatin1Char('\n') + QString::fromStdString(problem),
              QMessageBox::Warning);
    return false;
}

void TReminder::closeEvent(QCloseEvent* event)
{
    event->ignore();
    reject();
}

void TReminder::reject()
{
    if (!m_count.TimerArmed()) {
        // Hidden and not counting, it could never act again.
        m_count.Close();
        Finish();
        return;
    }
    // Only out of sight: the count goes on and the action still happens at zero.
    hide();
}

void TReminder::Finish()
{
    m_timer1->Stop();
    hide();
    emit Finished();
    deleteLater();
}

}  // namespace quorvel
