#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "support/ui_test_support.h"
#include "ui/lang/lang_mgr.h"
#include "ui/lock/lock_form.h"
#include "ui/modal/modal_host.h"

using namespace quorvel;

namespace {

struct Box {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    int buttons;
};

class LockFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::EnsureApplication();
        m_modal.SetBoxHook([this](QMessageBox& box) {
            m_boxes.push_back({box.windowTitle(), box.text(), box.icon(), int(box.buttons().size())});
            return int(QMessageBox::Ok);
        });
    }

    std::unique_ptr<TLockForm> Make(const QString& stored)
    {
        return std::make_unique<TLockForm>(
            nullptr, m_langMgr, m_modal, [stored](const QString& typed) { return typed == stored; },
            m_accessDenied);
    }

    static QLineEdit* Edit(TLockForm& form) { return form.findChild<QLineEdit*>(QStringLiteral("Edit1")); }
    static QPushButton* Button(TLockForm& form, const char* name)
    {
        return form.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    TLangMgr m_langMgr{LangMgrConfig{}};
    ModalHost m_modal;
    bool m_accessDenied = false;
    std::vector<Box> m_boxes;
};

TEST_F(LockFormTest, ShowsItsTextsAndMasksTheInput)
{
    auto form = Make("x");
    EXPECT_EQ(form->windowTitle(), "Quorvel");
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Label1"))->text(), "Please enter password:");
    EXPECT_EQ(Edit(*form)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(Button(*form, "Button1")->text(), "OK");
    EXPECT_EQ(Button(*form, "Button2")->text(), "Cancel");
}

TEST_F(LockFormTest, CreatingThePromptDeniesAccessUntilAnswered)
{
    auto form = Make("x");
    EXPECT_TRUE(m_accessDenied);
}

TEST_F(LockFormTest, WrongPasswordAndOkWarnsAndRefuses)
{
    auto form = Make("secret");
    form->show();
    Edit(*form)->setText("Secret");
    Button(*form, "Button1")->click();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].caption, "Quorvel");
    EXPECT_EQ(m_boxes[0].text, "Password is wrong!");
    EXPECT_EQ(m_boxes[0].icon, QMessageBox::Warning);
    EXPECT_EQ(m_boxes[0].buttons, 1);
    EXPECT_TRUE(m_accessDenied);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(LockFormTest, RightPasswordAndOkGrants)
{
    auto form = Make("secret");
    form->show();
    Edit(*form)->setText("secret");
    Button(*form, "Button1")->click();
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_FALSE(m_accessDenied);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(LockFormTest, EnterWithAWrongPasswordAllowsAnotherTry)
{
    auto form = Make("secret");
    form->show();
    Edit(*form)->setText("guess");
    QTest::keyClick(Edit(*form), Qt::Key_Return);
    // One warning only: Enter must not also press OK.
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(m_accessDenied);

    Edit(*form)->setText("secret");
    QTest::keyClick(Edit(*form), Qt::Key_Return);
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(m_accessDenied);
}

TEST_F(LockFormTest, CancelAndEscapeRefuse)
{
    for (bool escape : {false, true}) {
        auto form = Make("secret");
        form->show();
        Edit(*form)->setText("secret");
        if (escape) {
            QTest::keyClick(Edit(*form), Qt::Key_Escape);
        } else {
            Button(*form, "Button2")->click();
        }
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(m_accessDenied) << "escape " << escape;
    }
    EXPECT_TRUE(m_boxes.empty());
}

}  // namespace
