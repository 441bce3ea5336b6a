#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "core/executor/reminder_countdown.h"
#include "core/executor/reminder_request.h"
#include "ui/executor/executor_context.h"
#include "ui/lang/lang_form.h"

class QLabel;
class QMenu;
class QPushButton;

namespace quorvel {

struct PostponeItem;

// The window that announces one action of a fired task with a count-down: it counts the seconds
// down and then carries the action out, unless the user does it at once, cancels it or moves it
// to later as a new one-time task. Several may be open at once; each acts on its own. Closing it
// by its title bar only hides it: the count goes on and the action still happens at zero.
class TReminder final : public QDialog, public TLangForm {
    Q_OBJECT

public:
    TReminder(ReminderRequest request, ExecutorContext context, QWidget* parent = nullptr);
    ~TReminder() override;

    const ReminderRequest& Request() const { return m_request; }
    const ReminderCountdown& Countdown() const { return m_count; }
    bool IsFinished() const { return m_count.IsClosed(); }
    QMenu* WaitingMenu() const { return m_popupMenu1; }

    // The buttons and menu items, as the user presses them.
    void Button1Click();  // "Immediately"
    void Button2Click();  // "Cancel"
    void Button3Click();  // "Waiting >>": the menu at the mouse pointer
    void WaitalongClick();
    void PostponeClick(const PostponeItem& item);

signals:
    // The action ran, was cancelled or moved on: the window is gone for good.
    void Finished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void BuildWindow();
    void FormCreate();
    void Timer1Timer();
    void ShowNotice();
    bool StoreTask(std::vector<std::string> lines, const std::string& line);
    void Finish();

    ReminderRequest m_request;
    ExecutorContext m_context;
    ReminderCountdown m_count;
    std::unique_ptr<CountdownTimer> m_timer1;
    QLabel* m_lb1 = nullptr;
    QLabel* m_lb2 = nullptr;
    QLabel* m_lb3 = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_event = nullptr;
    QLabel* m_param = nullptr;
    QPushButton* m_button1 = nullptr;
    QPushButton* m_button2 = nullptr;
    QPushButton* m_button3 = nullptr;
    QMenu* m_popupMenu1 = nullptr;
};

}  // namespace quorvel
