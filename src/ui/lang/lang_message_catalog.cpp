#include "ui/lang/lang_message_catalog.h"

#include <vector>

#include "core/executor/postpone.h"
#include "core/executor/reminder_event.h"

namespace quorvel {
namespace {

// One row per key a window's code (or core code on its behalf) asks for. Add the row together with
// the code that asks, then regenerate the shipped files with --write-language-template; a test
// compares the code's literal keys and defaults with this table. Keys that core code takes from
// tables of its own are read from those tables.
constexpr LangMessage kFixedRows[] = {
    // The main window (its message box's buttons included).
    {"TMainForm", "Lasttask", "Last event:"},
    {"TMainForm", "None", "None"},
    {"TMainForm", "PowerTest",
     "To test the power-on capabilities of your computer click [OK] now. The computer will be "
     "powered off, and it will try to automatically power on after 3 minutes."},
    // The Shut Down prompt reads its own section, as it did when it lived apart from the window.
    {"WakeDll", "Message",
     "The computer is about to enter the lowest sleep state that supports wake capability. Click [Cancel] "
     "to power off the computer completely and disable automatic restart."},
    {"TMainForm", "OnClose1", "Quit this program all functions will be disabled!"},
    {"TMainForm", "OnClose2", "Minimize to system tray?"},
    {"TMainForm", "Button1Caption", "OK"},
    {"TMainForm", "Button2Caption", "Cancel"},
    // The task list and the tray hint, built by the schedule for the main window.
    {"TMainForm", "Upcoming", "Upcoming event:"},
    {"TMainForm", "Wait", "Waiting"},
    {"TMainForm", "Pass", "Passed"},
    {"TMainForm", "NoTitle", "No title"},
    {"TMainForm", "EveryDay", "Daily"},
    {"TMainForm", "EveryMonth", "Monthly"},
    {"TMainForm", "EveryYear", "Annually"},
    {"TMainForm", "Unspecified", "Unspecified"},
    {"TMainForm", "Jan", "Jan"},
    {"TMainForm", "Feb", "Feb"},
    {"TMainForm", "Mar", "Mar"},
    {"TMainForm", "Apr", "Apr"},
    {"TMainForm", "May", "May"},
    {"TMainForm", "Jun", "Jun"},
    {"TMainForm", "Jul", "Jul"},
    {"TMainForm", "Aug", "Aug"},
    {"TMainForm", "Sep", "Sep"},
    {"TMainForm", "Oct", "Oct"},
    {"TMainForm", "Nov", "Nov"},
    {"TMainForm", "Dec", "Dec"},
    {"TMainForm", "Mon", "Mon"},
    {"TMainForm", "Tues", "Tues"},
    {"TMainForm", "Wed", "Wed"},
    {"TMainForm", "Thurs", "Thurs"},
    {"TMainForm", "Fri", "Fri"},
    {"TMainForm", "Sat", "Sat"},
    {"TMainForm", "Sun", "Sun"},
    {"TMainForm", "NoTask", "No Task."},
    {"TMainForm", "TaskFileUnreadable",
     "The scheduled tasks could not be read, so none of them is shown or carried out. The task file is "
     "left as it is."},
    // The task list commands and Tools, Uninstall.
    {"TMainForm", "DelBtnClick", "Confirm delete?"},
    {"TMainForm", "DelALLBtnClick", "Confirm delete all?"},
    {"TMainForm", "TaskFileNotSaved",
     "The change could not be saved, so the scheduled tasks are left as they were."},
    {"TMainForm", "Uninstall",
     "Remove Quorvel from this computer? Your scheduled tasks and settings are kept."},
    {"TMainForm", "UninstallAsAdministrator",
     "Quorvel was installed for all users, so only an administrator can remove it. Run this command in "
     "a terminal: sudo %s"},

    // The settings-password prompt.
    {"TLockForm", "Err1", "Password is wrong!"},
    {"TLockForm", "Button1Caption", "OK"},

    // The reminder's lines, built by the executor for the reminder window.
    {"TReminder", "Title", "Task Title: "},
    {"TReminder", "Param", "Parameter:"},
    {"TReminder", "Wait", "Notice! The following scheduled task waiting for confirm!"},
    {"TReminder", "Button1Caption", "OK"},
    {"TReminder", "Button2Caption", "Cancel"},

    // The task editor (its message box's buttons included).
    {"TTaskForm", "NewTask", "New Scheduled Task"},
    {"TTaskForm", "EditTask", "Edit Scheduled Task"},
    {"TTaskForm", "NonCheck", "You have not chosen anything! Do you want to continue? "},
    {"TTaskForm", "Button1Caption", "OK"},
    {"TTaskForm", "Button2Caption", "Cancel"},
    {"TTaskForm", "Message1", "Hurry, time is up!"},
    {"TTaskForm", "Message2", "Go to bed."},
    {"TTaskForm", "Message3", "Please take a rest."},
    {"TTaskForm", "DontShutDown",
     "Entering the shut-down state your system will be unable to power on automatically. Do you want to "
     "enter the deepest sleep state? "},
    {"TTaskForm", "NonWake", "Your hardware does not support this function."},
    {"TTaskForm", "Sound", "Sound files"},
    {"TTaskForm", "Programs", "Programs"},
    {"TTaskForm", "WriteFailed", "Unable to write to %s"},

    // The program chooser.
    {"TProgramForm", "Programs", "Programs"},
};

std::vector<LangMessage> BuildCatalog()
{
    std::vector<LangMessage> rows(std::begin(kFixedRows), std::end(kFixedRows));
    for (const ReminderEvent event : kAllReminderEvents) {
        rows.push_back({"TReminder", ReminderEventKeyword(event), ReminderEventDefaultText(event)});
    }
    for (const PostponeItem& item : kPostponeItems) {
        rows.push_back({"TReminder", item.labelKey, item.labelDefault});
    }
    return rows;
}

}  // namespace

std::span<const LangMessage> LangMessageCatalog()
{
    static const std::vector<LangMessage> catalog = BuildCatalog();
    return catalog;
}

}  // namespace quorvel
