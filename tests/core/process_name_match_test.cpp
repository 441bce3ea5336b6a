#include <gtest/gtest.h>

#include <string>

#include "core/executor/process_name_match.h"

namespace quorvel {
namespace {

TEST(ProcessMatchesName, ByFileNameOrWholeNameIgnoringCase)
{
    const ProcessIdentity editor{"/usr/bin/gedit", "gedit", "gedit"};
    const ProcessIdentity wine{"/usr/bin/wine64-preloader", "C:\\windows\\notepad.exe", "notepad.exe"};
    const ProcessIdentity renamed{"/opt/tools/backup", "/opt/tools/backup", "worker-3"};  // set its comm
    const ProcessIdentity foreign{"", "/usr/sbin/cupsd", "cupsd"};            // another user's: no exe link
    const ProcessIdentity script{"/usr/bin/dash", "/bin/sh", "nightly-job"};  // a script: only comm names it
    const ProcessIdentity zombie{"", "", "gedit"};

    struct Case {
        const char* name;
        const ProcessIdentity& process;
        bool expected;
    };
    const Case cases[] = {
        {"gedit", editor, true},
        {"GEDIT", editor, true},
        {"gEdit.EXE", editor, true},
        {"gedit.exe", editor, true},
        {"/usr/bin/gedit", editor, true},
        {"/USR/BIN/GEDIT", editor, true},
        {"/usr/local/bin/gedit", editor, false},
        {"bin/gedit", editor, false},
        {"gedi", editor, false},
        {"geditor", editor, false},
        {"gedit.ex", editor, false},
        {"", editor, false},
        {".exe", editor, false},
        {"notepad.exe", wine, true},
        {"NOTEPAD.EXE", wine, true},
        {"Notepad", wine, false},  // the suffix comes off the task's name only
        {"C:\\windows\\notepad.exe", wine, true},
        {"backup", renamed, true},
        {"worker-3", renamed, true},
        {"cupsd", foreign, true},
        {"/usr/sbin/cupsd", foreign, true},
        {"nightly-job", script, true},
        {"sh", script, true},
        {"dash", script, true},
        {"zombie-free", zombie, false},
        {"gedit", zombie, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ProcessMatchesName(c.process, c.name), c.expected);
    }
}

TEST(ProcessMatchesName, ShortNameCountsForTheFirstFifteenCharacters)
{
    // A script started by its interpreter: the kernel's cut-off name is all that names it.
    const ProcessIdentity script{"/usr/bin/dash", "/bin/sh", "nightly-backup-"};
    EXPECT_TRUE(ProcessMatchesName(script, "nightly-backup-job"));
    EXPECT_TRUE(ProcessMatchesName(script, "NIGHTLY-BACKUP-JOB.exe"));
    EXPECT_TRUE(ProcessMatchesName(script, "nightly-backup-"));
    EXPECT_FALSE(ProcessMatchesName(script, "nightly-backup"));

    // Where the executable's full name is known, the cut-off name cannot overrule it.
    const ProcessIdentity program{"/opt/x/nightly-backup-job", "/opt/x/nightly-backup-job",
                                  "nightly-backup-"};
    EXPECT_TRUE(ProcessMatchesName(program, "nightly-backup-job"));
    EXPECT_FALSE(ProcessMatchesName(program, "nightly-backup-other"));
}

}  // namespace
}  // namespace quorvel
