#include "ui/lang/lang_message_catalog.h"

#include <array>

namespace quorvel {
namespace {

// One row per key a window's code (or core code on its behalf) asks for. Add the row together with
// the code that asks, then regenerate the shipped files with --write-language-template; a test
// compares the code's literal keys and defaults with this table.
constexpr std::array kCatalog{
    // The main window (its message box's buttons included).
    LangMessage{"TMainForm", "Lasttask", "Last event:"},
    LangMessage{"TMainForm", "None", "None"},
    LangMessage{"TMainForm", "PowerTest",
                "To test the power-on capabilities of your computer click [OK] now. The computer will be "
                "powered off, and it will try to automatically power on after 3 minutes."},
    LangMessage{"TMainForm", "OnClose1", "Quit this program all functions will be disabled!"},
    LangMessage{"TMainForm", "OnClose2", "Minimize to system tray?"},
    LangMessage{"TMainForm", "Button1Caption", "OK"},
    LangMessage{"TMainForm", "Button2Caption", "Cancel"},

    // The settings-password prompt.
    LangMessage{"TLockForm", "Err1", "Password is wrong!"},
    LangMessage{"TLockForm", "Button1Caption", "OK"},
};

}  // namespace

std::span<const LangMessage> LangMessageCatalog()
{
    return kCatalog;
}

}  // namespace quorvel
