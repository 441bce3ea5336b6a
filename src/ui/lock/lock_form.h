#pragma once

#include <QDialog>
#include <functional>

#include "ui/lang/lang_form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

class ModalHost;

// The settings-password prompt. Its result is the owner's AccessDenied flag: true while the prompt
// is open and after a refusal, false once the right password was given.
class TLockForm final : public QDialog, public TLangForm {
    Q_OBJECT

public:
    // Tells whether a typed password is the stored one; asked anew at every try.
    using PasswordCheck = std::function<bool(const QString& typed)>;

    TLockForm(QWidget* owner, TLangMgr& langMgr, const ModalHost& modal, PasswordCheck check,
              bool& accessDenied);

private:
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Edit1Return();
    bool Verify();  // false after telling the user the password is wrong

    const ModalHost& m_modal;
    PasswordCheck m_check;
    bool& m_accessDenied;
    QLabel* m_label1;
    QLineEdit* m_edit1;
    QPushButton* m_button1;
    QPushButton* m_button2;
};

}  // namespace quorvel
