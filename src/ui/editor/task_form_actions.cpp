// The task editor's "What to do" area: the boxes mirror the action rules of core, the fields
// and pickers feed the rules their targets.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "core/editor/action_rules.h"
#include "core/editor/program_value.h"
#include "platform/platform_services.h"
#include "platform/task_text_decoding.h"
#include "ui/editor/bold_caption.h"
#include "ui/editor/program_form.h"
#include "ui/editor/task_form.h"
#include "ui/editor/text_rule_validator.h"
#include "ui/modal/main_message_box.h"
#include "ui/modal/modal_host.h"

namespace quorvel {
namespace {

std::string Utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// The task line's field of each action with a target, for refusing what it cannot hold.
constexpr std::size_t kShowMessageField = 15;
constexpr std::size_t kOpenUrlField = 20;

}  // namespace

void TTaskForm::BindActionRules()
{
    ActionRulesEnvironment environment;
    environment.askDeepestSleep = [this] {
        return MainMessageBox(m_services.modal, *this, *this)
            .Ask(LangStr(QStringLiteral("DontShutDown"),
                         QStringLiteral("Entering the shut-down state your system will be unable to power on "
                                        "automatically. Do you want to enter the deepest sleep state? ")));
    };
    environment.tellNoWakeSupport = [this] {
        MainMessageBox(m_services.modal, *this, *this)
            .Tell(LangStr(QStringLiteral("NonWake"),
                          QStringLiteral("Your hardware does not support this function.")),
                  QMessageBox::Warning);
    };
    // Asked afresh each time: the machine's wake support changes with its swap and firmware.
    environment.rtcWake = [this]() -> std::optional<int> {
        return static_cast<int>(m_services.platform.powerCapabilities->RtcWake());
    };
    m_rules = std::make_unique<ActionRules>(std::move(environment));
    m_rules->onTickChanged = [this](ActionBox box, bool ticked) { ShowTick(box, ticked); };
    m_rules->onCountdownAvailabilityChanged = [this](bool available) { ShowCountdownAvailable(available); };

    for (std::size_t index = 0; index < kActionBoxCount; ++index) {
        const auto box = static_cast<ActionBox>(index);
        connect(m_actions[index].box, &QCheckBox::clicked, this,
                [this, box](bool ticked) { ActionBoxClicked(box, ticked); });
    }

    m_edit5->setValidator(TextRuleValidator::ForTaskField(kOpenUrlField, m_edit5));
    m_comboBox1->setValidator(TextRuleValidator::ForTaskField(kShowMessageField, m_comboBox1));
    connect(m_edit5, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_rules->SetTarget(ActionBox::OpenUrl, Utf8(text)); });
    connect(m_comboBox1, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { m_rules->SetTarget(ActionBox::ShowMessage, Utf8(text)); });
    m_rules->SetTarget(ActionBox::OpenUrl, Utf8(m_edit5->text()));
    // Entering the URL or the message ticks its action.
    m_edit5->installEventFilter(this);
    m_comboBox1->installEventFilter(this);
    if (QLineEdit* messageEdit = m_comboBox1->lineEdit()) {
        messageEdit->installEventFilter(this);
    }

    connect(m_actions[std::size_t(ActionBox::OpenFile)].picker, &QPushButton::clicked, this,
            &TTaskForm::suiButton7Click);
    connect(m_actions[std::size_t(ActionBox::LaunchProgram)].picker, &QPushButton::clicked, this,
            &TTaskForm::suiButton9Click);
    connect(m_actions[std::size_t(ActionBox::TerminateProcess)].picker, &QPushButton::clicked, this,
            &TTaskForm::suiButton10Click);
    // The macro dialog and the dial-up window do not exist yet.
    m_actions[std::size_t(ActionBox::Macro)].picker->setEnabled(false);
    m_actions[std::size_t(ActionBox::OpenUrl)].picker->setEnabled(false);
}

bool TTaskForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_edit5) {
            m_rules->SetTicked(ActionBox::OpenUrl, true);
        } else if (watched == m_comboBox1 || watched == m_comboBox1->lineEdit()) {
            m_rules->SetTicked(ActionBox::ShowMessage, true);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TTaskForm::ActionBoxClicked(ActionBox box, bool ticked)
{
    // The click already changed the box; the rules decide what it shows in the end.
    QCheckBox* widget = m_actions[std::size_t(box)].box;
    {
        const QSignalBlocker quiet(widget);
        widget->setChecked(!ticked);
    }
    m_rules->SetTicked(box, ticked);
}

void TTaskForm::ShowTick(ActionBox box, bool ticked)
{
    QCheckBox* widget = m_actions[std::size_t(box)].box;
    const QSignalBlocker quiet(widget);
    widget->setChecked(ticked);
    SetBold(*widget, ticked);
}

void TTaskForm::ShowTargets()
{
    auto text = [this](ActionBox box) { return DecodeTaskText(m_rules->Target(box)); };
    static_cast<QLineEdit*>(m_actions[std::size_t(ActionBox::Macro)].field)->setText(text(ActionBox::Macro));
    static_cast<QLineEdit*>(m_actions[std::size_t(ActionBox::LaunchProgram)].field)
        ->setText(DecodeTaskText(m_rules->LaunchDisplayText()));
    static_cast<QLineEdit*>(m_actions[std::size_t(ActionBox::TerminateProcess)].field)
        ->setText(text(ActionBox::TerminateProcess));
    static_cast<QLineEdit*>(m_actions[std::size_t(ActionBox::OpenFile)].field)
        ->setText(text(ActionBox::OpenFile));
    {
        const QSignalBlocker quiet(m_edit5);
        m_edit5->setText(text(ActionBox::OpenUrl));
    }
    const QSignalBlocker quiet(m_comboBox1);
    m_comboBox1->setEditText(text(ActionBox::ShowMessage));
}

QString TTaskForm::ChooseFile(const FileChoice& choice)
{
    if (m_services.chooseFile) {
        return m_services.chooseFile(*this, choice);
    }
    return RunFileDialog(m_services.modal, *this, choice);
}

void TTaskForm::suiButton7Click()
{
    const QString path = ChooseFile(FileChoice{
        {QStringLiteral("*.* (*)"), LangStr(QStringLiteral("Sound"), QStringLiteral("Sound files")) +
                                        QStringLiteral(" (*.wav *.rm *.ram *.ra *.swf *.mp3 *.wma *.mid)")},
        false});
    Picked(ActionBox::OpenFile, path);
}

void TTaskForm::suiButton10Click()
{
    // Linux programs carry no ".exe": the first entry shows what may be run, the second everything.
    const QString path = ChooseFile(
        FileChoice{{LangStr(QStringLiteral("Programs"), QStringLiteral("Programs")) + QStringLiteral(" (*)"),
                    QStringLiteral("*.* (*)")},
                   true});
    // A process is known by its executable's file name, without the folder.
    Picked(ActionBox::TerminateProcess,
           path.isEmpty() ? path : DecodeTaskText(ExecutableFileName(Utf8(path))));
}

void TTaskForm::Picked(ActionBox box, const QString& target)
{
    if (target.isEmpty()) {
        return;
    }
    if (!m_rules->PickTarget(box, Utf8(target))) {
        QApplication::beep();  // a name the task line cannot hold
    }
    ShowTargets();
}

void TTaskForm::suiButton9Click()
{
    FileChooser chooser = m_services.chooseFile;
    if (!chooser) {
        const ModalHost& modal = m_services.modal;
        chooser = [&modal](QWidget& parent, const FileChoice& choice) {
            return RunFileDialog(modal, parent, choice);
        };
    }
    TProgramForm dialog(this, LangMgr(), *m_services.platform.launcher, chooser,
                        DecodeTaskText(m_rules->LaunchDisplayText()),
                        DecodeTaskText(m_rules->LaunchProgramValue()));
    if (m_services.modal.RunDialog(dialog) != QDialog::Accepted || dialog.Program().isEmpty()) {
        return;
    }
    if (!m_rules->PickProgram(Utf8(dialog.Program()), Utf8(dialog.Parameters()))) {
        QApplication::beep();
    }
    ShowTargets();
}

}  // namespace quorvel
