#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <optional>
#include <vector>

#include "support/ui_test_support.h"
#include "ui/editor/program_form.h"
#include "ui/lang/lang_mgr.h"

using namespace quorvel;

namespace {

// The chooser dialog over the recording backend, with a file choice the test answers.
class ProgramFormTest : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureApplication(); }

    TProgramForm& Open(const QString& displayText = {}, const QString& programValue = {})
    {
        m_form = std::make_unique<TProgramForm>(
            nullptr, m_langMgr, *m_platform.services.launcher,
            [this](QWidget&, const FileChoice& choice) {
                m_choices.push_back(choice);
                return m_answer;
            },
            displayText, programValue);
        return *m_form;
    }

    QLineEdit* Edit(const char* name) const
    {
        return m_form->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void Press(const char* name) const
    {
        m_form->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    TLangMgr m_langMgr{LangMgrConfig{}};
    test::RecordedPlatform m_platform;
    std::unique_ptr<TProgramForm> m_form;
    std::vector<FileChoice> m_choices;
    QString m_answer;  // empty: the user cancels the file choice
};

struct SplitCase {
    const char* name;
    const char* displayText;
    const char* programValue;
    const char* program;
    const char* parameters;
};

class ProgramFormSplitTest : public ProgramFormTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(ProgramFormSplitTest, ShowsTheEditorsProgramValueSplitAtItsFirstBar)
{
    const SplitCase& c = GetParam();
    Open(QString::fromUtf8(c.displayText), QString::fromUtf8(c.programValue));
    EXPECT_EQ(Edit("Edit2")->text(), QString::fromUtf8(c.program));
    EXPECT_EQ(Edit("Edit1")->text(), QString::fromUtf8(c.parameters));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProgramFormSplitTest,
    ::testing::Values(
        SplitCase{"WithParameters", "C:\\Tools\\a.exe -x", "C:\\Tools\\a.exe | -x", "C:\\Tools\\a.exe", "-x"},
        SplitCase{"FirstBarSeparates", "C:\\p.exe a | b", "C:\\p.exe | a | b", "C:\\p.exe", "a | b"},
        SplitCase{"EndsWithSeparator", "/usr/bin/xterm ", "/usr/bin/xterm | ", "/usr/bin/xterm", ""},
        SplitCase{"NoSeparatorIsAllProgram", "/usr/bin/xclock", "/usr/bin/xclock", "/usr/bin/xclock", ""},
        SplitCase{"NoProgramChosen", "", "", "", ""},
        // The display text says whether there is a program at all.
        SplitCase{"EmptyDisplayTextLeavesBoxesEmpty", "", "x | y", "", ""}),
    [](const ::testing::TestParamInfo<SplitCase>& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(ProgramFormTest, ProgramChooserOffersProgramsThenEverythingAndTakesTheFullPath)
{
    Open();
    m_answer = QStringLiteral("/opt/tools/backup");
    Press("suiButton1");
    ASSERT_EQ(m_choices.size(), 1u);
    EXPECT_TRUE(m_choices[0].firstFilterExecutablesOnly);
    EXPECT_EQ(m_choices[0].nameFilters,
              (QStringList{QStringLiteral("Programs (*)"), QStringLiteral("*.* (*)")}));
    EXPECT_EQ(Edit("Edit2")->text(), QStringLiteral("/opt/tools/backup"));

    m_answer.clear();
    Press("suiButton1");
    EXPECT_EQ(Edit("Edit2")->text(), QStringLiteral("/opt/tools/backup"))
        << "a cancelled choice changes nothing";
}

TEST_F(ProgramFormTest, ParameterFileReplacesWhateverWasTyped)
{
    Open(QStringLiteral("/usr/bin/vlc --fullscreen"), QStringLiteral("/usr/bin/vlc | --fullscreen"));
    m_answer = QStringLiteral("/home/u/film.mkv");
    Press("suiButton2");
    ASSERT_EQ(m_choices.size(), 1u);
    EXPECT_FALSE(m_choices[0].firstFilterExecutablesOnly);
    EXPECT_EQ(m_choices[0].nameFilters, (QStringList{QStringLiteral("*.* (*)")}));
    EXPECT_EQ(Edit("Edit1")->text(), QStringLiteral("/home/u/film.mkv"));
    EXPECT_EQ(Edit("Edit2")->text(), QStringLiteral("/usr/bin/vlc"));
}

TEST_F(ProgramFormTest, ChosenFileWhoseNameHoldsTheFieldSeparatorIsRefused)
{
    Open();
    m_answer = QStringLiteral("/tmp/odd*name");
    Press("suiButton1");
    EXPECT_EQ(Edit("Edit2")->text(), QString());
}

TEST_F(ProgramFormTest, TestStartsTheProgramWithItsParametersAndNothingWithoutOne)
{
    Open();
    Press("test");
    EXPECT_TRUE(m_platform.Requests().isEmpty()) << "an empty program box does nothing";

    Edit("Edit2")->setText(QStringLiteral("/usr/bin/xmessage"));
    Edit("Edit1")->setText(QStringLiteral("-center \"two words\""));
    Press("test");
    EXPECT_EQ(m_platform.Requests(),
              QStringList{QStringLiteral("StartProgram /usr/bin/xmessage -center \"two words\"")});
}

TEST_F(ProgramFormTest, BoxesRefuseTheFieldSeparatorWhenTyped)
{
    Open();
    for (const char* name : {"Edit2", "Edit1"}) {
        QTest::keyClicks(Edit(name), QStringLiteral("a*b"));
        EXPECT_EQ(Edit(name)->text(), QStringLiteral("ab")) << name;
    }
}

TEST_F(ProgramFormTest, OkAndCancelCloseWithTheirResult)
{
    Open();
    Press("Button2");
    EXPECT_EQ(m_form->result(), QDialog::Accepted);
    Open();
    Press("Button1");
    EXPECT_EQ(m_form->result(), QDialog::Rejected);
}

}  // namespace
