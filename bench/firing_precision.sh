#!/usr/bin/env bash
# Firing precision of the real program: 120 daily tasks one second apart, every request recorded
# by --dry-run. Each task ends a process of its own name, so its log line says which task fired.
# Reports whether every task fired exactly once and the latency from the start of each task's
# second to its log line (median, 99th percentile, maximum). Target: none missed, p99 < 20 ms.
# Beside it two baselines wake at the same moments of each second (wake_latency_baseline: a bare
# clock_nanosleep and a bare Qt timer); a tail they share with the program is the machine's.
#
#   bench/firing_precision.sh [path/to/quorvel] [task count]
#   WAKE_BASELINE=path/to/wake_latency_baseline overrides where the baselines are looked for.
#
# Not run by ctest: it takes about two and a half minutes of wall-clock time.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
quorvel=$(realpath "${1:-$here/../build/src/app/quorvel}")
count=${2:-120}
baseline=${WAKE_BASELINE:-$(dirname "$quorvel")/../../bench/wake_latency_baseline}
source "$here/../tests/e2e/virtual_desktop.sh"
export LC_ALL=C

start_desktop
data=$work/data
log=$work/requests.log
make_data "$data"

# Far enough ahead for the program to start and settle.
first=$(($(date +%s) + 6))
lines=()
for i in $(seq 0 $((count - 1))); do
  lines+=("$(task_line "$(date -d "@$((first + i))" +%H:%M:%S)" "19=Close Program:bench-task-$i" "26=Task $i")")
done
write_tasks "$data/task.dat" "${lines[@]}"
: >"$log"
start_program "$quorvel" "$data" "$log"
program=$started
baseline_seconds=$((first + count + 2 - $(date +%s)))
if [ -x "$baseline" ]; then
  "$baseline" sleep "$work/baseline-sleep.txt" "$baseline_seconds" &
  program_pids+=($!)
  "$baseline" qt-timer "$work/baseline-qt-timer.txt" "$baseline_seconds" &
  program_pids+=($!)
else
  echo "no baselines: $baseline is missing" >&2
fi

end=$((first + count + 2))
while [ "$(date +%s)" -lt "$end" ]; do
  kill -0 "$program" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }
  sleep 1
done
stop_program "$program"

/usr/bin/python3 - "$log" "$first" "$count" "$work" <<'PY'
import datetime, os, statistics, sys

log, first, count, work = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]


def p99_of(values):
    return values[min(len(values) - 1, max(0, -(-99 * len(values) // 100) - 1))]

fired = {}
for line in open(log, encoding="utf-8", errors="replace"):
    stamp, _, request = line.rstrip("\n").partition(" ")
    if not request.startswith("KillTask bench-task-"):
        continue
    task = int(request.rsplit("-", 1)[1])
    moment = datetime.datetime.strptime(stamp, "%Y-%m-%dT%H:%M:%S.%f").timestamp()
    fired.setdefault(task, []).append(moment)

missed = [t for t in range(count) if t not in fired]
repeated = [t for t, times in fired.items() if len(times) > 1]
by_task = {task: (times[0] - (first + task)) * 1000 for task, times in fired.items()}
latencies = sorted(by_task.values())
print(f"tasks: {count}, fired: {len(fired)}, missed: {len(missed)}, fired more than once: {len(repeated)}")
if missed:
    print("missed:", missed)
if repeated:
    print("repeated:", repeated)
if latencies:
    p99 = p99_of(latencies)
    print(f"latency ms: median {statistics.median(latencies):.1f}, p99 {p99:.1f}, "
          f"max {latencies[-1]:.1f}, min {latencies[0]:.1f}")
    slowest = sorted(by_task.items(), key=lambda item: -item[1])[:5]
    print("slowest (task: ms):", ", ".join(f"{task}: {ms:.0f}" for task, ms in slowest))
    ok = not missed and not repeated and p99 < 20
else:
    ok = False
# The baselines' wake-ups in the seconds the tasks were due in, for comparison only.
baselines = {}
for name in ("sleep", "qt-timer"):
    path = os.path.join(work, f"baseline-{name}.txt")
    if not os.path.exists(path):
        continue
    wakes = {}
    for line in open(path):
        second, ms = line.split()
        if first <= int(second) < first + count:
            wakes.setdefault(int(second) - first, float(ms))
    baselines[name] = wakes
    late = sorted(wakes.values())
    if late:
        print(f"baseline {name} ms: median {statistics.median(late):.1f}, p99 {p99_of(late):.1f}, "
              f"max {late[-1]:.1f} ({len(late)} wake-ups)")
if baselines and latencies:
    def beside(task):
        return "/".join(f"{baselines[name][task]:.0f}" if task in baselines[name] else "-" for name in baselines)
    print(f"slowest beside the baselines' wake-ups in the same second (task: ms, {'/'.join(baselines)}):",
          ", ".join(f"{task}: {ms:.0f} ({beside(task)})" for task, ms in slowest))
print("target met" if ok else "target NOT met")
sys.exit(0 if ok else 1)
PY
