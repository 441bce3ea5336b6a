#include "ui/lock/lock_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/modal/main_message_box.h"

namespace quorvel {

TLockForm::TLockForm(QWidget* owner, TLangMgr& langMgr, const ModalHost& modal, PasswordCheck check,
                     bool& accessDenied)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      TLangForm(*this, QStringLiteral("TLockForm"), langMgr),
      m_modal(modal),
      m_check(std::move(check)),
      m_accessDenied(accessDenied),
      m_label1(new QLabel(QStringLiteral("Please enter password:"), this)),
      m_edit1(new QLineEdit(this)),
      m_button1(new QPushButton(QStringLiteral("OK"), this)),
      m_button2(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("LockForm"));
    setWindowTitle(QStringLiteral("Quorvel"));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setEchoMode(QLineEdit::Password);
    m_edit1->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // "*"
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button2->setObjectName(QStringLiteral("Button2"));
    // Enter in the field has a rule of its own (a wrong password leaves the prompt open), so no
    // button may take Enter as well.
    for (QPushButton* button : {m_button1, m_button2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_button1);
    buttons->addWidget(m_button2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addWidget(m_edit1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_edit1->setMinimumWidth(240);

    connect(m_button1, &QPushButton::clicked, this, &TLockForm::Button1Click);
    connect(m_button2, &QPushButton::clicked, this, &TLockForm::Button2Click);
    connect(m_edit1, &QLineEdit::returnPressed, this, &TLockForm::Edit1Return);

    InitLanguage();
    FormCreate();
}

void TLockForm::FormCreate()
{
    m_accessDenied = true;
}

bool TLockForm::Verify()
{
    if (m_check && m_check(m_edit1->text())) {
        m_accessDenied = false;
        return true;
    }
    MainMessageBox(m_modal, *this, *this)
        .Tell(LangStr(QStringLiteral("Err1"), QStringLiteral("Password is wrong!")), QMessageBox::Warning);
    return false;
}

void TLockForm::Button1Click()
{
    const bool granted = Verify();
    done(granted ? Accepted : Rejected);
}

void TLockForm::Button2Click()
{
    m_accessDenied = true;
    reject();
}

void TLockForm::Edit1Return()
{
    if (Verify()) {
        accept();
        return;
    }
    m_edit1->selectAll();
}

}  // namespace quorvel
