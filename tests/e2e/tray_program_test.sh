#!/usr/bin/env bash
# The real program on a virtual display with a tray host: the tray icon, the hand-off of a second
# start to the running copy, starting hidden in the tray, two starts at once, and a screenshot of
# the main window under build/artifacts/.
set -euo pipefail
quorvel=$(realpath "$1")
artifacts=${QUORVEL_ARTIFACTS_DIR:-$(cd "$(dirname "$quorvel")/../.." && pwd)/artifacts}
mkdir -p "$artifacts"
work=$(mktemp -d)
pids=()
failures=0

cleanup() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Polls `$@` for up to five seconds.
eventually() {
  for _ in $(seq 50); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

unset WAYLAND_DISPLAY SESSION_MANAGER
export QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1 QT_ACCESSIBILITY=0
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

# A free display number, chosen by the server itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
eventually test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
trayer --edge bottom --align right --widthtype pixel --width 200 --heighttype pixel --height 32 \
  --transparent false >"$work/trayer.log" 2>&1 &
pids+=($!)
# The tree is read whole first: with pipefail, grep -q leaving early would fail the pipe (SIGPIPE).
tray_host_ready() {
  local tree
  tree=$(xwininfo -root -tree 2>/dev/null) || return 1
  [[ $tree == *'"panel": ("panel" "trayer")'* ]]
}
eventually tray_host_ready || { echo "trayer did not start" >&2; exit 1; }

# The first line of standard input, read to the end so the writer never dies of a closed pipe.
first_line() {
  local line=""
  IFS= read -r line || true
  cat >/dev/null
  [ -z "$line" ] || printf '%s\n' "$line"
}

# Our icons inside the tray host's panel.
tray_icons() {
  xwininfo -root -tree 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ {inside = 1; next}
    inside && /^     0x/ {inside = 0} inside && /"Quorvel": \("quorvel" "Quorvel"\)/ {print $1}'
}
icon_count() { tray_icons | grep -c . || true; }
has_icon() { [ "$(icon_count)" -ge 1 ]; }
main_window_shown() { xdotool search --onlyvisible --name '^Horalux  $' >/dev/null 2>&1; }
main_window_hidden() { ! main_window_shown; }
running() { kill -0 "$1" 2>/dev/null; }
stopped() { ! running "$1"; }

# A data folder that has offered the power-on test already, plus what else the test asks for.
make_data() {
  mkdir -p "$1"
  printf '[Option]\nfirst=0\n%s' "${2:-}" >"$1/wake.ini"
}

start() {
  "$quorvel" --data-dir "$1" --dry-run="$work/requests.log" >>"$work/quorvel.log" 2>&1 &
  started=$!
  pids+=("$started")
}

stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# Files of a data folder with size and modification time, to see that nothing changed.
fingerprint() { find "$1" -type f -printf '%P %s %T@\n' | sort; }

# 1. The program starts with its tray icon and its window listing its tasks; keep a picture.
data=$work/data
make_data "$data"
tomorrow=$(date -d tomorrow +%Y-%-m-%-d)
printf '%s\r\n' \
  '22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night shutdown' \
  "07:00:00*Enabled*l2-${tomorrow}********************Power-on*** Power on" \
  '12:00:00*Enabled**Mon**Wed**Fri*******Show Message:Please take a rest.***********Break' \
  '08:00:00*Enabled*l3-12-25***************Open File:/home/me/Music/carols.mp3********Carols' \
  '03:15:00*Disabled*******Sat*Sun***************Macro:/home/me/cleanup.mco*Weekend macro' \
  >"$data/task.dat"
start "$data"
first=$started
eventually has_icon || fail "no tray icon appeared"
eventually main_window_shown || fail "the main window was not shown"
sleep 0.5
import -window root "$artifacts/main_window.png" || fail "no screenshot"
listed=$("$quorvel" --list --data-dir "$data" | wc -l)
[ "$listed" -eq 5 ] || fail "--list beside the running program gave $listed lines"

stop "$first"
eventually test "$(icon_count)" -eq 0 || fail "the tray icon outlived the program"

# 2. Started hidden in the tray: a second start brings the window out and ends within 2 seconds,
#    leaving no icon of its own, no request and no file changed.
data=$work/tray-start
make_data "$data" $'[tray]\ntray=1\n'
start "$data"
first=$started
eventually has_icon || fail "no tray icon when starting hidden"
sleep 1
main_window_hidden || fail "a window was shown although the program starts in the tray"
before=$(fingerprint "$data")
began=$(date +%s%N)
if timeout 5 "$quorvel" --data-dir "$data" --dry-run="$work/second.log" >"$work/second.out" 2>&1; then
  elapsed=$((($(date +%s%N) - began) / 1000000))
  [ "$elapsed" -lt 2000 ] || fail "the second start took ${elapsed} ms to end"
else
  fail "the second start did not end by itself"
fi
running "$first" || fail "the first copy ended"
eventually main_window_shown || fail "the first copy did not come out of the tray"
[ "$(icon_count)" -eq 1 ] || fail "the second start left a tray icon"
[ "$(fingerprint "$data")" = "$before" ] || fail "the second start changed the data folder"
[ ! -s "$work/second.log" ] || fail "the second start made requests: $(cat "$work/second.log")"
stop "$first"

# 3. "Run always minimized": no window until the tray icon is double-clicked.
hidden=$work/hidden
make_data "$hidden" $'[tray]\ntray=1\n'
start "$hidden"
quiet=$started
eventually has_icon || fail "no tray icon when starting hidden"
sleep 1
main_window_hidden || fail "a window was shown although the program starts in the tray"
icon=$(tray_icons | first_line)
xdotool mousemove --window "$icon" 10 10 click --repeat 2 --delay 100 1
eventually main_window_shown || fail "double-clicking the tray icon did not show the window"

# 4. A copy killed outright leaves its lock behind; the next start takes over.
kill -9 "$quiet"
wait "$quiet" 2>/dev/null || true
start "$hidden"
after_crash=$started
sleep 2
running "$after_crash" || fail "a start after a crash did not take over the stale lock"
stop "$after_crash"

# 5. Two starts at the same moment: exactly one keeps running.
both=$work/both
make_data "$both"
start "$both"
one=$started
start "$both"
two=$started
sleep 3
survivors=0
running "$one" && survivors=$((survivors + 1))
running "$two" && survivors=$((survivors + 1))
[ "$survivors" -eq 1 ] || fail "$survivors copies run after two simultaneous starts"
[ "$(icon_count)" -eq 1 ] || fail "$(icon_count) tray icons after two simultaneous starts"

if [ "$failures" -eq 0 ]; then
  echo "tray program: all checks passed; screenshot $artifacts/main_window.png"
fi
exit "$failures"
