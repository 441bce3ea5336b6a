#include <gtest/gtest.h>

#include "core/tasks/storable_text.h"
#include "core/tasks/task_fields.h"
#include "core/tasks/task_line.h"

namespace quorvel {
namespace {

TEST(StorableInField, SeparatorOnlyInTheTitleAndLineBreaksNowhere)
{
    struct Case {
        const char* text;
        bool inActionField;
        bool inTitle;
    };
    const Case cases[] = {
        {"Show Message:Please take a rest.", true, true},
        {"", true, true},
        {"a*b", false, true},
        {"*", false, true},
        {"line\nbreak", false, false},
        {"line\rbreak", false, false},
        {"a*b\r\n", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StorableInField(15, c.text), c.inActionField);
        EXPECT_EQ(StorableInField(1, c.text), c.inActionField);
        EXPECT_EQ(StorableInField(kTaskFieldCount, c.text), c.inTitle);
    }
}

TEST(FirstUnstorableField, NamesTheFieldThatWouldBreakTheLine)
{
    TaskRecord record =
        ParseTaskLine("22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night *shutdown*");
    EXPECT_EQ(FirstUnstorableField(record), std::nullopt);

    record.OpenUrl = "Open URL:http://example.org/?q=a*b";
    record.Macro = "Macro:/x*y.mco";
    EXPECT_EQ(FirstUnstorableField(record), 20u);

    // What it guards against: the line no longer reads back as the record.
    EXPECT_NE(ParseTaskLine(FormatTaskLine(record)), record);

    record.OpenUrl.clear();
    record.Macro.clear();
    record.Title = "two\nlines";
    EXPECT_EQ(FirstUnstorableField(record), kTaskFieldCount);
}

}  // namespace
}  // namespace quorvel
