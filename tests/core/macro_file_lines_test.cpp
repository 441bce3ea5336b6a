#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/executor/macro_file_lines.h"
#include "core/io/atomic_file.h"
#include "scratch_dir.h"

namespace quorvel {
namespace {

using testing_support::ScratchDir;

TEST(ReadMacroFileLines, SplitsAtAnyLineEnd)
{
    ScratchDir dir;
    struct Case {
        const char* contents;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"/usr/bin/gedit\r\n100 K 65\r\n", {"/usr/bin/gedit", "100 K 65"}},
        {"\r\n100 K 65", {"", "100 K 65"}},
        {"a\nb\rc\r\n\r\nd", {"a", "b", "c", "", "d"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.contents);
        dir.Write("m.mco", c.contents);
        EXPECT_EQ(ReadMacroFileLines(dir.File("m.mco")), std::optional(c.lines));
    }
}

TEST(ReadMacroFileLines, NothingWhenTheFileCannotBeRead)
{
    ScratchDir dir;
    EXPECT_EQ(ReadMacroFileLines(dir.File("missing.mco")), std::nullopt);
    // A folder in the file's place is no empty macro.
    EXPECT_EQ(ReadMacroFileLines(dir.Path()), std::nullopt);
    std::string contents = "kept";
    EXPECT_FALSE(ReadWholeFile(dir.Path(), contents));
    EXPECT_EQ(contents, "kept");
}

}  // namespace
}  // namespace quorvel
