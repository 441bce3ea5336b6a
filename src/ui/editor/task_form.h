#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/editor/action_box.h"
#include "ui/editor/task_editor_services.h"
#include "ui/lang/lang_form.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QTimer;
class QWidget;

namespace quorvel {

class ActionRules;
struct TaskDraft;

// The task editor: one task as a form, new or loaded from the main window's current task. OK
// stores it as one line of task.dat and selects it in the task list; Cancel, Escape and the
// close button store nothing. The action boxes mirror the editor's action rules in core.
class TTaskForm final : public QDialog, public TLangForm {
    Q_OBJECT

public:
    // Edit mode opens on the task list's current task. `owner` is the main window the editor is
    // placed beside; none in a window built only to be read.
    TTaskForm(QWidget* owner, TaskEditorMode mode, TaskEditorServices services, TaskListAccess taskList);
    ~TTaskForm() override;

    TaskEditorMode Mode() const { return m_mode; }
    const ActionRules& Rules() const { return *m_rules; }

    // tmr1, 200 ms after creation: loading is over, and the count-down row is placed after the
    // (translated) width of its box.
    void tmr1Timer();
    QTimer* SettlingTimer() const { return m_tmr1; }

    void Button2Click();  // OK
    void Button1Click();  // Cancel

    // The "..." pickers.
    void suiButton7Click();   // Open File
    void suiButton9Click();   // Launch Program
    void suiButton10Click();  // Terminate Process

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ActionControls {
        QCheckBox* box = nullptr;
        QWidget* field = nullptr;  // the target field, if the action has one
        QPushButton* picker = nullptr;
    };

    void BuildWindow();
    QWidget* BuildGeneralArea();
    QWidget* BuildActionArea();
    void FormCreate();
    void LoadSelectedTask(const LocalMoment& now);
    void ConnectGeneralInputs();
    void ShowDraft(const TaskDraft& draft);
    TaskDraft DraftFromControls();
    void BindGeneralInputs();

    void SelectRepetition(QRadioButton* choice);
    void PlaceCountdownRow();
    void ReserveBoldCaptions();
    void CountdownBoxToggled(bool ticked);
    void NumEdited();
    void ShowCountdownAvailable(bool available);

    void BindActionRules();
    void ActionBoxClicked(ActionBox box, bool ticked);
    void ShowTick(ActionBox box, bool ticked);
    void ShowTargets();
    QString ChooseFile(const FileChoice& choice);
    // A picker's result: the target and the tick, or a beep for a name a task line cannot hold.
    void Picked(ActionBox box, const QString& target);

    bool Save(const std::vector<std::string>& lines);

    QWidget* m_owner;
    TaskEditorMode m_mode;
    TaskEditorServices m_services;
    TaskListAccess m_taskList;
    std::unique_ptr<ActionRules> m_rules;
    bool m_enabled = true;                    // the task's state; no control shows it
    std::optional<std::string> m_loadedLine;  // the edited task as it was loaded

    QLabel* m_label1 = nullptr;
    QLineEdit* m_title = nullptr;
    QRadioButton* m_radioButton1 = nullptr;  // Daily
    QRadioButton* m_radioButton2 = nullptr;  // Once
    QDateEdit* m_dateTimePicker1 = nullptr;
    QRadioButton* m_radioButton3 = nullptr;  // Monthly
    QLabel* m_label4 = nullptr;
    QComboBox* m_comboBox8 = nullptr;        // monthly day
    QRadioButton* m_radioButton4 = nullptr;  // Annually
    QLabel* m_label5 = nullptr;
    QComboBox* m_comboBox10 = nullptr;  // annual day
    QLabel* m_label6 = nullptr;
    QComboBox* m_comboBox11 = nullptr;       // annual month
    QRadioButton* m_radioButton5 = nullptr;  // Weekly
    std::array<QCheckBox*, 7> m_days{};      // Mon ... Sun
    QLabel* m_label2 = nullptr;
    QTimeEdit* m_timeP1 = nullptr;
    QLabel* m_reminder = nullptr;
    QWidget* m_countdownRow = nullptr;
    QCheckBox* m_checkBox15 = nullptr;
    QLineEdit* m_num = nullptr;
    QLabel* m_sec = nullptr;
    QLabel* m_label3 = nullptr;
    std::array<ActionControls, kActionBoxCount> m_actions{};
    QLineEdit* m_edit5 = nullptr;      // URL
    QComboBox* m_comboBox1 = nullptr;  // message
    QPushButton* m_button2 = nullptr;  // OK
    QPushButton* m_button1 = nullptr;  // Cancel
    QTimer* m_tmr1 = nullptr;
    // The last number each date drop-down held, for one left empty.
    QString m_lastMonthlyDay;
    QString m_lastAnnualDay;
    QString m_lastAnnualMonth;
};

}  // namespace quorvel
