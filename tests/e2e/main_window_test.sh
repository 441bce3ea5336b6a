#!/usr/bin/env bash
# The real program on a virtual display with a tray host, every request recorded by --dry-run:
# the tray menu opened from the icon, the task list shown from it, Help opened with F1, the window
# hidden to the tray from its window menu, the About box, and Exit from the tray menu. Screenshots
# of the main window with tasks, the tray menu and the About box go to build/artifacts/.
set -euo pipefail
quorvel=$(realpath "$1")
artifacts=${QUORVEL_ARTIFACTS_DIR:-$(cd "$(dirname "$quorvel")/../.." && pwd)/artifacts}
mkdir -p "$artifacts"
source "$(dirname "$0")/virtual_desktop.sh"
export LC_ALL=C TZ=${TZ:-UTC}
start_desktop

has_icon() { [ -n "$(tray_icons)" ]; }
no_icon() { [ -z "$(tray_icons)" ]; }
main_window() { xdotool search --onlyvisible --name '^Horalux  $' 2>/dev/null | first_line; }
main_window_shown() { [ -n "$(main_window)" ]; }
main_window_hidden() { [ -z "$(main_window)" ]; }
about_shown() { xdotool search --onlyvisible --name '^About$' >/dev/null 2>&1; }
about_gone() { ! about_shown; }
running() { kill -0 "$1" 2>/dev/null; }
stopped() { ! running "$1"; }
logged() { [ "$(request_count "$log" "$1")" -ge 1 ]; }
# Popup menus are windows of their own without a title.
visible_windows() { xdotool search --onlyvisible --class quorvel 2>/dev/null | grep -c . || true; }

# Right-clicks the tray icon and waits for the menu to appear.
open_tray_menu() {
  local before
  before=$(visible_windows)
  xdotool mousemove --window "$(tray_icons | first_line)" 10 10 click 3
  menu_appeared() { [ "$(visible_windows)" -gt "$before" ]; }
  eventually menu_appeared
}

data=$work/data
log=$work/requests.log
make_data "$data"
write_tasks "$data/task.dat" \
  "$(task_line 22:30:00 12=Shutdown 13=30 26='Night shutdown')" \
  "$(task_line 07:45:00 15='Show Message:Stand-up meeting in 15 minutes' 26='Stand-up reminder')" \
  "$(task_line 12:00:00 15='Show Message:Please take a rest.' 26=Break)" \
  "$(task_line 18:00:00 19=Close\ Program:firefox 26='Close the browser')"
: >"$log"
start_program "$quorvel" "$data" "$log"
program=$started
eventually has_icon || { echo "no tray icon appeared" >&2; exit 1; }
sleep 1
main_window_hidden || fail "the window was shown although the program starts in the tray"

# 1. The tray menu, opened from the icon.
open_tray_menu || fail "right-clicking the tray icon opened no menu"
sleep 0.3
import -window root "$artifacts/tray_menu.png" || fail "no screenshot of the tray menu"

# 2. "Show task list..." brings the window out on its task list. It is the third item that can be
#    chosen while "New Scheduled Task" waits for its editor, the fourth once that is there.
for downs in 3 4; do
  if [ "$downs" -eq 4 ]; then
    xdotool key Escape
    sleep 0.5
    open_tray_menu || fail "the tray menu did not open again"
  fi
  for _ in $(seq "$downs"); do xdotool key Down; done
  xdotool key Return
  eventually main_window_shown && break
done
main_window_shown || fail "\"Show task list...\" did not show the main window"
sleep 0.7
import -window root "$artifacts/main_window_tasks.png" || fail "no screenshot of the main window"
window=$(main_window)

# 3. F1 opens the help page beside the program with the desktop's handler.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key F1
eventually logged "ShellOpen $(dirname "$quorvel")/quorvel.html" || fail "F1 did not open the help page"

# 4. The window menu's Minimize hides the window in the tray, leaving the program and its icon.
xdotool key alt+space
sleep 0.5
xdotool key Down Return
eventually main_window_hidden || fail "Minimize did not hide the window"
running "$program" || fail "minimising ended the program"
has_icon || fail "the tray icon went away with the window"

# 5. About... (second from the bottom) shows the About box; Enter presses its OK.
open_tray_menu || fail "the tray menu did not open for About"
xdotool key Up Up Return
eventually about_shown || fail "About... showed no About box"
sleep 0.5
import -window root "$artifacts/about_box.png" || fail "no screenshot of the About box"
xdotool key Return
eventually about_gone || fail "OK did not close the About box"

# 6. Exit (the last item) ends the program and takes the icon away; nothing was asked of the
#    machine on the way.
open_tray_menu || fail "the tray menu did not open for Exit"
xdotool key Up Return
eventually stopped "$program" || fail "Exit in the tray menu did not end the program"
eventually no_icon || fail "the tray icon outlived the program"
for request in PowerOffSystem PowerOffSystemForced RestartSystem LogOffSession Suspend Hibernate LockDesktop; do
  [ "$(request_count "$log" "$request")" -eq 0 ] || fail "$request was requested"
done

if [ "$failures" -eq 0 ]; then
  echo "main window: all checks passed; screenshots in $artifacts: main_window_tasks.png tray_menu.png about_box.png"
fi
exit "$failures"
