#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "support/ui_test_support.h"
#include "ui/lang/lang_mgr.h"
#include "ui/message/message_form.h"

using namespace quorvel;

namespace {

class MessageFormTest : public ::testing::Test {
protected:
    QString Shown() const { return m_form->MessageLabel()->text(); }
    void PressOk() { m_form->findChild<QPushButton*>(QStringLiteral("Button1"))->click(); }

    bool m_application = (test::EnsureApplication(), true);
    TLangMgr m_langMgr{LangMgrConfig{}};
    std::unique_ptr<TMessageForm> m_form = std::make_unique<TMessageForm>(m_langMgr);
};

TEST_F(MessageFormTest, StacksTheNewestEntryOnTopWithAnEmptyLineBetween)
{
    EXPECT_FALSE(m_form->isVisible());
    m_form->AddEntry("07/05/2024 09:00:00\r\nfirst");
    EXPECT_TRUE(m_form->isVisible());
    m_form->AddEntry("07/05/2024 10:00:00\r\nsecond");
    EXPECT_EQ(Shown(), "07/05/2024 10:00:00\nsecond\n\n07/05/2024 09:00:00\nfirst");
    EXPECT_EQ(m_form->Text(), "07/05/2024 10:00:00\r\nsecond\r\n\r\n07/05/2024 09:00:00\r\nfirst");
}

TEST_F(MessageFormTest, ClosingKeepsTheMessagesAndOkClearsThem)
{
    m_form->AddEntry("1\r\none");
    m_form->AddEntry("2\r\ntwo");
    m_form->close();
    EXPECT_FALSE(m_form->isVisible());
    m_form->AddEntry("3\r\nthree");
    EXPECT_EQ(Shown(), "3\nthree\n\n2\ntwo\n\n1\none");

    PressOk();
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_EQ(m_form->Text(), "");
    m_form->AddEntry("4\r\nfour");
    EXPECT_EQ(Shown(), "4\nfour");
}

TEST_F(MessageFormTest, ShowsTaskTextAsItIsInEitherEncoding)
{
    // A message from an older task file in Windows-1252 under one written as UTF-8.
    m_form->AddEntry("1\r\nCaf\xe9 <b>not bold</b>");
    m_form->AddEntry(
        "2\r\nGr\xc3\xbc\xc3\x9f"
        "e");
    EXPECT_EQ(Shown(), QString::fromUtf8("2\nGrüße\n\n1\nCafé <b>not bold</b>"));
    EXPECT_EQ(m_form->MessageLabel()->textFormat(), Qt::PlainText);
}

TEST_F(MessageFormTest, ALongMessageScrollsInsideAWindowOfFixedSize)
{
    m_form->AddEntry("1\r\nshort");
    const QSize size = m_form->size();
    std::string longText = "2\r\n";
    for (int line = 0; line < 40; ++line) {
        longText += "line " + std::to_string(line) + " of a message far wider than the window is\r\n";
    }
    m_form->AddEntry(longText);
    EXPECT_EQ(m_form->size(), size);
    EXPECT_EQ(size, QSize(307, 197));
    QScrollArea* box = m_form->ScrollBox();
    EXPECT_EQ(box->size(), QSize(269, 89));
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(box->horizontalScrollBar()->maximum(), 0);
}

TEST_F(MessageFormTest, StandsAboveOtherWindowsTenPixelsFromTheCornerWithoutTakingFocus)
{
    const QPoint corner = QGuiApplication::primaryScreen()->geometry().topLeft();
    EXPECT_EQ(m_form->pos(), corner + QPoint(10, 10));
    EXPECT_TRUE(m_form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(m_form->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(m_form->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(m_form->windowTitle(), "Message...");
}

}  // namespace
