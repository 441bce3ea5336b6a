#!/usr/bin/env bash
# The task editor in the real program on a virtual display, every request recorded by --dry-run:
# a task created from the tray's "New Scheduled Task" with the keyboard shows in the list and in
# task.dat; a double click on it opens it again, the program chooser fills Launch Program, and OK
# replaces the task's line. Screenshots of the editor in both modes and of the program chooser go
# to build/artifacts/.
set -euo pipefail
quorvel=$(realpath "$1")
artifacts=${QUORVEL_ARTIFACTS_DIR:-$(cd "$(dirname "$quorvel")/../.." && pwd)/artifacts}
mkdir -p "$artifacts"
source "$(dirname "$0")/virtual_desktop.sh"
export LC_ALL=C TZ=${TZ:-UTC}
start_desktop

has_icon() { [ -n "$(tray_icons)" ]; }
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | first_line; }
shown() { [ -n "$(window_named "$1")" ]; }
gone() { [ -z "$(window_named "$1")" ]; }
running() { kill -0 "$1" 2>/dev/null; }
stopped() { ! running "$1"; }
visible_windows() { xdotool search --onlyvisible --class quorvel 2>/dev/null | grep -c . || true; }
# Window-relative coordinates need the window's size: "WIDTH HEIGHT".
window_size() { xdotool getwindowgeometry "$1" | awk '/Geometry:/ {split($2, s, "x"); print s[1], s[2]}'; }

open_tray_menu() {
  local before
  before=$(visible_windows)
  xdotool mousemove --window "$(tray_icons | first_line)" 10 10 click 3
  menu_appeared() { [ "$(visible_windows)" -gt "$before" ]; }
  eventually menu_appeared
}

# The n-th item of the tray menu that can be chosen (Advanced Options, Power Management, New
# Scheduled Task, Show task list..., ...).
choose_tray_item() {
  open_tray_menu || { fail "the tray menu did not open"; return 1; }
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
}

lines_of() { grep -c . "$1" || true; }
holds() { [[ $(cat "$1") == *"$2"* ]]; }

data=$work/data
log=$work/requests.log
make_data "$data"
break_line=$(task_line 12:00:00 15='Show Message:Please take a rest.' 26=Break)
write_tasks "$data/task.dat" "$break_line"
: >"$log"
start_program "$quorvel" "$data" "$log"
program=$started
eventually has_icon || { echo "no tray icon appeared" >&2; exit 1; }
sleep 1

# 1. A new task from the tray: title typed, Lock Desktop ticked with the keyboard, Enter for OK.
choose_tray_item 3
eventually shown "New Scheduled Task" || fail "\"New Scheduled Task\" opened no editor"
editor=$(window_named "New Scheduled Task")
sleep 0.5
import -window "$editor" "$artifacts/task_editor_new.png" || fail "no screenshot of the new task editor"
xdotool type --delay 20 'Lunch lock'
# Title, repetition, time, count-down box and number, then the action boxes from Power on.
for _ in $(seq 10); do xdotool key Tab; done
xdotool key space Return
eventually gone "New Scheduled Task" || fail "OK did not close the editor"
new_task_saved() { [ "$(lines_of "$data/task.dat")" -eq 2 ] && holds "$data/task.dat" '*Lock Computer*********Lunch lock'; }
eventually new_task_saved || fail "task.dat does not hold the new task: $(cat "$data/task.dat")"
first_line=$(head -1 "$data/task.dat")
[ "${first_line%$'\r'}" = "$break_line" ] || fail "the task already there was changed: $first_line"

# 2. The list shows it, in the order the program dates the tasks.
listing=$("$quorvel" --list --data-dir "$data")
[[ $listing == *"Daily ---- "*" ---- Lunch lock"* ]] || fail "--list does not show the new task: $listing"
row=$(printf '%s\n' "$listing" | grep -n 'Lunch lock' | cut -d: -f1)

# 3. A double click on its row opens it in the editor.
choose_tray_item 4
eventually shown 'Horalux  ' || fail "\"Show task list...\" did not show the main window"
sleep 0.7
main=$(window_named 'Horalux  ')
import -window "$main" "$artifacts/task_list_with_new_task.png" || true
# Rows start below the logo band and the tool bar, one line of text each.
xdotool mousemove --window "$main" 150 $((179 + (row - 1) * 14)) click --repeat 2 --delay 80 1
eventually shown "Edit Scheduled Task" || fail "a double click on the task opened no editor"
editor=$(window_named "Edit Scheduled Task")
sleep 0.5
import -window "$editor" "$artifacts/task_editor_edit.png" || fail "no screenshot of the editor in Edit mode"

# 4. The program chooser from Launch Program's "..." (right-hand column, second target row).
read -r width _ < <(window_size "$editor")
xdotool mousemove --window "$editor" $((width - 28)) 127 click 1
eventually shown "Select Program" || fail "Launch Program's \"...\" opened no program chooser"
xdotool type --delay 20 '/usr/bin/xclock'
xdotool key Tab Tab
xdotool type --delay 20 -- '-digital -update 1'
sleep 0.3
import -window "$(window_named "Select Program")" "$artifacts/program_chooser.png" ||
  fail "no screenshot of the program chooser"
xdotool key Return
eventually gone "Select Program" || fail "OK did not close the program chooser"
sleep 0.3
xdotool key Return
eventually gone "Edit Scheduled Task" || fail "OK did not close the editor"
edited() {
  [ "$(lines_of "$data/task.dat")" -eq 2 ] &&
    holds "$data/task.dat" '*Run Program:/usr/bin/xclock | -digital -update 1************Lunch lock'
}
eventually edited || fail "the edit did not replace the task's line: $(cat "$data/task.dat")"
holds "$data/task.dat" 'Lock Computer' && fail "the edited task kept its old action"

# 5. Back to the tray (the window menu's Minimize), then Exit from the tray; nothing was asked
#    of the machine on the way.
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool key alt+space
sleep 0.5
xdotool key Down Return
eventually gone 'Horalux  ' || fail "Minimize did not hide the main window"
open_tray_menu || fail "the tray menu did not open for Exit"
xdotool key Up Return
eventually stopped "$program" || fail "Exit in the tray menu did not end the program"
for request in LockDesktop StartProgram PowerOffSystem RestartSystem LogOffSession Suspend Hibernate; do
  [ "$(request_count "$log" "$request")" -eq 0 ] || fail "$request was requested"
done

if [ "$failures" -eq 0 ]; then
  echo "task editor: all checks passed; screenshots in $artifacts: task_editor_new.png task_editor_edit.png" \
    "program_chooser.png task_list_with_new_task.png"
fi
exit "$failures"
