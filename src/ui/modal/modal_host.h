#pragma once

#include <functional>

class QDialog;
class QMessageBox;

namespace quorvel {

// Runs the modal message boxes and dialogs of every window. Tests install hooks that answer them
// in place of a person, so no test waits on a real modal loop.
class ModalHost {
public:
    // A hook gets the fully built box or dialog and returns what exec() would have returned.
    using BoxHook = std::function<int(QMessageBox&)>;
    using DialogHook = std::function<int(QDialog&)>;

    int RunBox(QMessageBox& box) const;
    int RunDialog(QDialog& dialog) const;

    void SetBoxHook(BoxHook hook) { m_boxHook = std::move(hook); }
    void SetDialogHook(DialogHook hook) { m_dialogHook = std::move(hook); }

private:
    BoxHook m_boxHook;
    DialogHook m_dialogHook;
};

}  // namespace quorvel
