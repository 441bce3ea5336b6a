#!/usr/bin/env bash
# Fired tasks carried out by the real program on a virtual display, every request recorded by
# --dry-run: a shut-down at its second, the same after a count-down reminder, ending a process by
# name, a message, and the reminder's Cancel and "Waiting >>" clicked with the mouse. Screenshots
# of the reminder and the message window go to build/artifacts/.
set -euo pipefail
quorvel=$(realpath "$1")
artifacts=${QUORVEL_ARTIFACTS_DIR:-$(cd "$(dirname "$quorvel")/../.." && pwd)/artifacts}
mkdir -p "$artifacts"
source "$(dirname "$0")/virtual_desktop.sh"
export LC_ALL=C TZ=${TZ:-UTC}
start_desktop

# Visible top-level windows titled `1` whose size is `2` (the tray icon shares the title).
windows_sized() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    [[ "$(xdotool getwindowgeometry "$id" 2>/dev/null)" == *"Geometry: $2" ]] && echo "$id"
  done
  return 0
}
reminders() { windows_sized Quorvel 547x218; }
message_windows() { windows_sized 'Message\.\.\.' 307x197; }
has_reminder() { [ -n "$(reminders)" ]; }
no_reminder() { [ -z "$(reminders)" ]; }
has_message_window() { [ -n "$(message_windows)" ]; }
no_message_window() { [ -z "$(message_windows)" ]; }
logged() { [ "$(request_count "$1" "$2")" -ge 1 ]; }

# run NAME LINE...: a fresh data folder holding the task lines and the program started on it.
run() {
  data=$work/$1
  log=$work/$1.log
  make_data "$data"
  shift
  write_tasks "$data/task.dat" "$@"
  : >"$log"
  start_program "$quorvel" "$data" "$log"
  program=$started
}

# 1. A shut-down due in 3 seconds happens once, in its second.
due=$(time_in 3)
run shutdown "$(task_line "$due" 12=Shutdown 26=Night)"
EVENTUALLY_SECONDS=8 eventually logged "$log" PowerOffSystemForced || fail "the shut-down task did not fire"
sleep 1.5
[ "$(request_count "$log" PowerOffSystemForced)" -eq 1 ] ||
  fail "PowerOffSystemForced logged $(request_count "$log" PowerOffSystemForced) times"
if logged "$log" PowerOffSystemForced; then
  late=$(latency_ms "$due" "$(requests_named "$log" PowerOffSystemForced | first_line)")
  [ "$late" -ge 0 ] && [ "$late" -lt 1000 ] || fail "the shut-down came ${late} ms after its second began"
fi
stop_program "$program"

# 2. With a count-down of 2 the reminder opens at the task's second and shuts down 2 seconds later.
due=$(time_in 3)
run countdown "$(task_line "$due" 12=Shutdown 13=2 26=Night)"
EVENTUALLY_SECONDS=8 eventually has_reminder || fail "no reminder opened"
[ "$(request_count "$log" PowerOffSystemForced)" -eq 0 ] || fail "shut down before the count-down ended"
EVENTUALLY_SECONDS=5 eventually logged "$log" PowerOffSystemForced || fail "the reminder did not shut down"
sleep 1.5
[ "$(request_count "$log" PowerOffSystemForced)" -eq 1 ] || fail "the reminder shut down more than once"
if logged "$log" PowerOffSystemForced; then
  late=$(latency_ms "$due" "$(requests_named "$log" PowerOffSystemForced | first_line)")
  [ "$late" -ge 1900 ] && [ "$late" -lt 3200 ] || fail "the reminder acted ${late} ms after the task's second"
fi
no_reminder || fail "the reminder stayed open after acting"
stop_program "$program"

# 3. Close Program names the process the test started. Under --dry-run the request is recorded,
#    not carried out, so both processes live on; the Linux backend's ending by name is checked
#    against real processes in tests/platform/linux_process_control_test.cpp.
mkdir -p "$work/bin"
cp "$(command -v sleep)" "$work/bin/qv-sleeper"
"$work/bin/qv-sleeper" 300 &
target=$!
program_pids+=("$target")
sleep 300 &
bystander=$!
program_pids+=("$bystander")
due=$(time_in 3)
run close-program "$(task_line "$due" 19=Close\ Program:qv-sleeper 26=Tidy)"
EVENTUALLY_SECONDS=8 eventually logged "$log" 'KillTask qv-sleeper' || fail "the Close Program task did not fire"
sleep 1
[ "$(request_count "$log" 'KillTask qv-sleeper')" -eq 1 ] || fail "KillTask qv-sleeper logged more than once"
before_kill=$(grep -B1 -E ' KillTask qv-sleeper$' "$log" || true)
[[ "${before_kill%%$'\n'*}" == *" EnableDebugPrivilege" ]] ||
  fail "KillTask did not follow EnableDebugPrivilege"
killed_others=$(grep -E ' KillTask ' "$log" | grep -v -E ' KillTask (qv-sleeper|Pelmora\.exe)$' || true)
[ -z "$killed_others" ] || fail "other processes were named: $killed_others"
kill -0 "$target" 2>/dev/null && kill -0 "$bystander" 2>/dev/null || fail "a dry run ended a process"
stop_program "$program"

# 4. A message and a reminder at once: the message window at 10,10 and the reminder, both kept as
#    pictures; Cancel closes the reminder without acting, OK clears and hides the message window.
due=$(time_in 3)
run message "$(task_line "$due" 12=Shutdown 13=30 15=Show\ Message:Time\ to\ back\ up 26=Evening)"
EVENTUALLY_SECONDS=8 eventually has_message_window || fail "no message window opened"
eventually has_reminder || fail "no reminder opened beside the message"
sleep 0.5
message_id=$(message_windows | first_line)
reminder_id=$(reminders | first_line)
if [ -n "$message_id" ]; then
  geometry=$(xdotool getwindowgeometry "$message_id")
  [[ "$geometry" == *"Position: 10,10 "* ]] ||
    fail "the message window stands at $(grep Position <<<"$geometry")"
  import -window "$message_id" "$artifacts/message_window.png" || fail "no message window screenshot"
fi
[ -n "$reminder_id" ] && { import -window "$reminder_id" "$artifacts/reminder.png" || fail "no reminder screenshot"; }
import -window root "$artifacts/reminder_and_message.png" || fail "no screenshot of the screen"
before=$(md5sum <"$data/task.dat")
if [ -n "$reminder_id" ]; then
  xdotool mousemove --window "$reminder_id" 435 181 click 1
  eventually no_reminder || fail "Cancel did not close the reminder"
fi
if [ -n "$message_id" ]; then
  xdotool mousemove --window "$message_id" 250 163 click 1
  eventually no_message_window || fail "OK did not hide the message window"
fi
[ "$(request_count "$log" PowerOffSystemForced)" -eq 0 ] || fail "a cancelled reminder shut down"
[ "$(md5sum <"$data/task.dat")" = "$before" ] || fail "Cancel changed task.dat"
stop_program "$program"

# 5. "Waiting >>" and its first item: the action moves to a new one-time task 5 minutes on.
due=$(time_in 3)
run postpone "$(task_line "$due" 12=Shutdown 13=30 26=Night)"
EVENTUALLY_SECONDS=8 eventually has_reminder || fail "no reminder to postpone"
reminder_id=$(reminders | first_line)
if [ -n "$reminder_id" ]; then
  xdotool mousemove --window "$reminder_id" 273 181 click 1
  sleep 0.5
  chosen=$(date +%s)
  xdotool key Down Return
  eventually no_reminder || fail "postponing did not close the reminder"
  added=$(sed -n 2p "$data/task.dat" | tr -d '\r')
  pattern='^([0-9:]{8})\*Enabled\*l2-([0-9-]+)\*{9}Shutdown\*30\*{13}Night - Delay for 5 mins$'
  if [[ $added =~ $pattern ]]; then
    # Five minutes after the choice, give or take the second it took.
    at=$(date -d "${BASH_REMATCH[2]} ${BASH_REMATCH[1]}" +%s)
    [ $((at - chosen)) -ge 299 ] && [ $((at - chosen)) -le 302 ] ||
      fail "postponed to $((at - chosen)) s after the choice"
  else
    fail "postponed task line: $added"
  fi
fi
[ "$(request_count "$log" PowerOffSystemForced)" -eq 0 ] || fail "a postponed reminder shut down"
stop_program "$program"

if [ "$failures" -eq 0 ]; then
  echo "executor: all checks passed; screenshots in $artifacts"
fi
exit "$failures"
