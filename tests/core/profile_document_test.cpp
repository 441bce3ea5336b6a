#include "core/settings/profile_document.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>
#include "case_name.h"

namespace quorvel {
namespace {

const char* const kSample =
    "; hand-written note\r\n"
    "[Option]\r\n"
    "run=1\r\n"
    "  Lock  =  on duty  \r\n"
    "   Password=secret\r\n"
    "just a remark\r\n"
    "\r\n"
    "  [ time ]\r\n"
    "server = \"  padded  \"\r\n"
    "quoted='x'\r\n"
    "half=\"open\r\n"
    "empty=\r\n"
    "\r\n"
    "[Option]\r\n"
    "run=0\r\n"
    "late=here\r\n";

struct ReadCase {
    const char* name;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProfileDocumentRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileDocumentRead, FindsTheValue)
{
    const ProfileDocument document(kSample);
    EXPECT_EQ(document.Value(GetParam().section, GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileDocumentRead,
    testing::Values(ReadCase{"Plain", "Option", "run", "1"}, ReadCase{"SectionAnyCase", "OPTION", "run", "1"},
                    ReadCase{"KeyAnyCase", "option", "RUN", "1"},
                    ReadCase{"BlanksAroundNameAndValue", "Option", "lock", "on duty"},
                    ReadCase{"LeadingBlanksKey", "Option", "Password", "secret"},
                    ReadCase{"AskedWithBlanks", "Option", "   Password", "secret"},
                    ReadCase{"BlanksInsideBrackets", "Time", "server", "  padded  "},
                    ReadCase{"SingleQuotesDropped", "time", "quoted", "x"},
                    ReadCase{"UnmatchedQuoteKept", "time", "half", "\"open"},
                    ReadCase{"EmptyValueIsPresent", "time", "empty", ""},
                    ReadCase{"FirstMatchWins", "Option", "run", "1"},
                    ReadCase{"DuplicateSectionCountsToo", "Option", "late", "here"},
                    ReadCase{"LineWithoutEqualsIsNoKey", "Option", "just a remark", std::nullopt},
                    ReadCase{"CommentIsNoKey", "Option", "; hand-written note", std::nullopt},
                    ReadCase{"MissingKey", "Option", "nothing", std::nullopt},
                    ReadCase{"MissingSection", "Lan", "Lan", std::nullopt},
                    ReadCase{"KeyOfOtherSection", "time", "run", std::nullopt}),
    testing_support::CaseName());

TEST(ProfileDocument, CutsAValueAt2047Bytes)
{
    const std::string longValue(3000, 'v');
    const ProfileDocument document("[S]\nk=" + longValue + "\n");
    EXPECT_EQ(document.Value("S", "k"), std::string(2047, 'v'));
}

TEST(ProfileDocument, KeysBeforeAnySectionBelongToNone)
{
    const ProfileDocument document("k=stray\n[S]\nk=mine\n");
    EXPECT_EQ(document.Value("S", "k"), "mine");
    EXPECT_EQ(document.Value("", "k"), std::nullopt);
}

TEST(ProfileDocument, SkipsAByteOrderMarkBeforeTheFirstSection)
{
    ProfileDocument document("\xEF\xBB\xBF[Option]\nrun=1\n");
    EXPECT_EQ(document.Value("Option", "run"), "1");
    ASSERT_EQ(document.SetValue("Option", "run", "0"), "");
    EXPECT_EQ(document.Contents(), "\xEF\xBB\xBF[Option]\nrun=0\n");
}

TEST(ProfileDocument, ListsKeysAndSectionsOnceInFileOrder)
{
    const ProfileDocument document(kSample);
    EXPECT_EQ(document.KeyNames("option"), (std::vector<std::string>{"run", "Lock", "Password", "late"}));
    EXPECT_EQ(document.KeyNames("missing"), std::vector<std::string>{});
    EXPECT_EQ(document.SectionNames(), (std::vector<std::string>{"Option", "time"}));
}

TEST(ProfileDocument, SectionNameMayHoldABracket)
{
    ProfileDocument document("");
    ASSERT_EQ(document.SetValue("RAS_ENTRY_a]b", "USER_x", "1"), "");
    EXPECT_EQ(ProfileDocument(document.Contents()).Value("RAS_ENTRY_a]b", "USER_x"), "1");
}

struct WriteCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProfileDocumentWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileDocumentWrite, ChangesOnlyWhatItMust)
{
    ProfileDocument document(GetParam().before);
    ASSERT_EQ(document.SetValue(GetParam().section, GetParam().key, GetParam().value), "");
    EXPECT_EQ(document.Contents(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileDocumentWrite,
    testing::Values(
        WriteCase{"NewFileUsesCrLf", "", "Option", "run", "1", "[Option]\r\nrun=1\r\n"},
        WriteCase{"ReplacesInPlace", "; keep\r\n[A]\r\nx = old \r\ny=2\r\n\r\n[B]\r\nz=3", "a", "X", "new",
                  "; keep\r\n[A]\r\nx = new\r\ny=2\r\n\r\n[B]\r\nz=3"},
        WriteCase{"ReplacesOnlyTheFirst", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "9", "[A]\nk=9\n[a]\nk=2\n"},
        WriteCase{"BlanksBeforeKeyReplaceIt", "[Last]\nPassword=\n", "Last", "   Password", "123",
                  "[Last]\nPassword=123\n"},
        WriteCase{"LeadingBlankKeyLineKept", "[Last]\n   Password=old\n", "Last", "Password", "new",
                  "[Last]\n   Password=new\n"},
        WriteCase{"NewKeyWithBlanksIsTrimmed", "[Last]\n", "Last", "   Password", "1",
                  "[Last]\nPassword=1\n"},
        WriteCase{"NewKeyAfterLastContent", "[A]\nx=1\nnote\n\n[B]\ny=2\n", "A", "k", "v",
                  "[A]\nx=1\nnote\nk=v\n\n[B]\ny=2\n"},
        WriteCase{"NewKeyInFirstOfTwoSections", "[A]\nx=1\n[B]\n[A]\ny=2\n", "a", "k", "v",
                  "[A]\nx=1\nk=v\n[B]\n[A]\ny=2\n"},
        WriteCase{"NewKeyInLastSectionWithoutEnd", "[A]\nx=1", "A", "k", "v", "[A]\nx=1\nk=v\n"},
        WriteCase{"NewSectionAtTheEnd", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
        WriteCase{"NewSectionAfterBlankLine", "[A]\nx=1\n\n", "B", "k", "v", "[A]\nx=1\n\n[B]\nk=v\n"},
        WriteCase{"NewSectionFileWithoutEnd", "[A]\nx=1", "B", "k", "v", "[A]\nx=1\n\n[B]\nk=v\n"},
        WriteCase{"KeepsCrOnlyLineEnds", "[A]\rx=1\r", "A", "y", "2", "[A]\rx=1\ry=2\r"},
        WriteCase{"KeepsMixedLineEnds", "[A]\r\nx=1\n[B]\r\n", "A", "x", "2", "[A]\r\nx=2\n[B]\r\n"},
        WriteCase{"QuotesValueWithOuterBlanks", "", "S", "k", " a ", "[S]\r\nk=\" a \"\r\n"},
        WriteCase{"QuotesValueThatLooksQuoted", "", "S", "k", "'x'", "[S]\r\nk=\"'x'\"\r\n"},
        WriteCase{"BytesAreKept", "[S]\nk=\xE9\n", "S", "k", "\xFC\x80", "[S]\nk=\xFC\x80\n"}),
    testing_support::CaseName());

TEST(ProfileDocument, EveryWrittenValueReadsBackTheSame)
{
    const std::vector<std::string> values = {"",
                                             " ",
                                             "  two sides  ",
                                             "\"",
                                             "\"q\"",
                                             "'",
                                             "a=b",
                                             "[x]",
                                             ";c",
                                             std::string("nul\0byte", 8),
                                             std::string(2047, 'z')};
    for (const std::string& value : values) {
        ProfileDocument document("[S]\nk=old\n");
        ASSERT_EQ(document.SetValue("S", "k", value), "") << value;
        EXPECT_EQ(ProfileDocument(document.Contents()).Value("S", "k"), value) << value;
    }
}

struct RefusedCase {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProfileDocumentRefuse : public testing::TestWithParam<RefusedCase> {};

TEST_P(ProfileDocumentRefuse, LeavesTheTextAsItWas)
{
    const std::string before = "[S]\nk=1\n";
    ProfileDocument document(before);
    EXPECT_NE(document.SetValue(GetParam().section, GetParam().key, GetParam().value), "");
    EXPECT_EQ(document.Contents(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileDocumentRefuse,
                         testing::Values(RefusedCase{"LineFeedInValue", "S", "k", "a\nb"},
                                         RefusedCase{"CarriageReturnInValue", "S", "k", "a\rb"},
                                         RefusedCase{"LineBreakInKey", "S", "k\nx", "v"},
                                         RefusedCase{"LineBreakInSection", "S\nT", "k", "v"},
                                         RefusedCase{"EqualsInKey", "S", "a=b", "v"},
                                         RefusedCase{"KeyLooksLikeSection", "S", "[k", "v"},
                                         RefusedCase{"KeyLooksLikeComment", "S", ";k", "v"},
                                         RefusedCase{"BlankKey", "S", "   ", "v"},
                                         RefusedCase{"EmptySection", " ", "k", "v"}),
                         testing_support::CaseName());

}  // namespace
}  // namespace quorvel
