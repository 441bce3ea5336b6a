// The core work of one schedule rebuild: read task.dat, parse, date, order and build the list
// lines, for task files of growing size.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/io/atomic_file.h"
#include "core/schedule/schedule_build.h"
#include "core/schedule/schedule_texts.h"
#include "core/schedule/tray_hint.h"
#include "core/text/lang_lookup.h"
#include "core/time/time_format.h"

namespace {

using namespace quorvel;

// A mix of every kind, each task at its own second as the editor keeps them.
std::string TaskLine(int i)
{
    const int second = (i * 7919) % 86400;
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
    const std::string title = "Scheduled task number " + std::to_string(i);
    switch (i % 6) {
        case 0:
            return std::string(time) + "*Enabled*l1-EveryDay*********Shutdown*30*************" + title;
        case 1:
            return std::string(time) + "*Enabled*l2-2024-" + std::to_string(i % 12 + 1) + "-" +
                   std::to_string(i % 28 + 1) + "********************Power-on*** " + title;
        case 2:
            return std::string(time) +
                   "*Enabled**Mon**Wed**Fri*******Show Message:Please take a rest.***********" + title;
        case 3:
            return std::string(time) + "*Enabled*l4-" + std::to_string(i % 31 + 1) +
                   "***********Run Program:C:\\Tools\\backup.exe | /quiet************" + title;
        case 4:
            return std::string(time) + "*Enabled*l3-" + std::to_string(i % 12 + 1) + "-" +
                   std::to_string(i % 28 + 1) + "***************Open File:C:\\Music\\carols.mp3********" +
                   title;
        default:
            return std::string(time) +
                   "*Disabled*******Sat*Sun***************Macro:C:\\Macros\\cleanup.mco*" + title;
    }
}

class TaskFolder {
public:
    explicit TaskFolder(int tasks)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvel-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_dir = pattern;
        std::string contents;
        for (int i = 0; i < tasks; ++i) {
            contents += TaskLine(i);
            contents += "\r\n";
        }
        if (!WriteFileAtomically(m_dir + "/task.dat", contents).empty()) {
            std::abort();
        }
    }
    ~TaskFolder() { std::filesystem::remove_all(m_dir); }

    const std::string& Dir() const { return m_dir; }

private:
    std::string m_dir;
};

void BM_RebuildSchedule(benchmark::State& state)
{
    const TaskFolder folder(static_cast<int>(state.range(0)));
    const TimeFormat format("%H:%M:%S", "%H:%M", "%A %d %B %Y", "%d/%m/%Y");
    const EnglishLookup lang;
    const std::string lastEvent = InitialLastEventText(ScheduleTexts(lang));
    const LocalMoment now{Date{2024, 5, 14}, TimeOfDay{10, 30, 15}, 250};

    for (auto _ : state) {
        ScheduleBuild build = BuildScheduleFromFile(folder.Dir(), now, format, lang, lastEvent);
        benchmark::DoNotOptimize(build);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_RebuildSchedule)
    ->Arg(256)
    ->Arg(1024)
    ->Arg(4096)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oNLogN);

}  // namespace
