#!/usr/bin/env bash
# Firing precision of the real program: 120 daily tasks one second apart, every request recorded
# by --dry-run. Each task ends a process of its own name, so its log line says which task fired.
# Reports whether every task fired exactly once and the latency from the start of each task's
# second to its log line (median, 99th percentile, maximum). Target: none missed, p99 < 20 ms.
#
#   bench/firing_precision.sh [path/to/quorvel] [task count]
#
# Not run by ctest: it takes about two and a half minutes of wall-clock time.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
quorvel=$(realpath "${1:-$here/../build/src/app/quorvel}")
count=${2:-120}
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

end=$((first + count + 2))
while [ "$(date +%s)" -lt "$end" ]; do
  kill -0 "$program" 2>/dev/null || { echo "the program ended early" >&2; exit 1; }
  sleep 1
done
stop_program "$program"

/usr/bin/python3 - "$log" "$first" "$count" <<'PY'
import datetime, statistics, sys

log, first, count = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
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
    p99 = latencies[min(len(latencies) - 1, max(0, -(-99 * len(latencies) // 100) - 1))]
    print(f"latency ms: median {statistics.median(latencies):.1f}, p99 {p99:.1f}, "
          f"max {latencies[-1]:.1f}, min {latencies[0]:.1f}")
    slowest = sorted(by_task.items(), key=lambda item: -item[1])[:5]
    print("slowest (task: ms):", ", ".join(f"{task}: {ms:.0f}" for task, ms in slowest))
    ok = not missed and not repeated and p99 < 20
else:
    ok = False
print("target met" if ok else "target NOT met")
sys.exit(0 if ok else 1)
PY
