# Sourced by the end-to-end scripts and the firing benchmark: a virtual display with a tray host,
# a scratch folder, and helpers to start the program and to build task lines.
# Sets: work (scratch folder), DISPLAY, XDG_RUNTIME_DIR; cleans both up on exit.

work=$(mktemp -d)
desktop_pids=()
program_pids=()

desktop_cleanup() {
  for pid in "${program_pids[@]}" "${desktop_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap desktop_cleanup EXIT

# Polls `$@` every 0.1 s for up to $EVENTUALLY_SECONDS (default 5) seconds.
eventually() {
  local tries=$((${EVENTUALLY_SECONDS:-5} * 10))
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

start_desktop() {
  unset WAYLAND_DISPLAY SESSION_MANAGER
  export QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1 QT_ACCESSIBILITY=0
  export XDG_RUNTIME_DIR=$work/run
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  desktop_pids+=($!)
  eventually test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(cat "$work/display")"
  trayer --edge bottom --align right --widthtype pixel --width 200 --heighttype pixel --height 32 \
    --transparent false >"$work/trayer.log" 2>&1 &
  desktop_pids+=($!)
  # The tree is read whole first: with pipefail, grep -q leaving early would fail the pipe.
  tray_host_ready() {
    local tree
    tree=$(xwininfo -root -tree 2>/dev/null) || return 1
    [[ $tree == *'"panel": ("panel" "trayer")'* ]]
  }
  eventually tray_host_ready || { echo "trayer did not start" >&2; exit 1; }
}

# A data folder that has offered the power-on test already and starts hidden in the tray.
make_data() {
  mkdir -p "$1"
  printf '[Option]\nfirst=0\n[tray]\ntray=1\n' >"$1/wake.ini"
}

# start_program QUORVEL DATA_DIR REQUEST_LOG: sets `started` to its process id.
start_program() {
  "$1" --data-dir "$2" --dry-run="$3" >>"$work/quorvel.log" 2>&1 &
  started=$!
  program_pids+=("$started")
}

stop_program() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# The clock time `1` seconds from now, as the program's C locale writes it.
time_in() { date -d "@$(($(date +%s) + $1))" +%H:%M:%S; }

# task_line TIME [FIELD=VALUE ...]: a daily task line; FIELD is the 1-based field number (12
# ShutDown, 13 Countdown, 15 ShowMessage, 19 CloseProgram, 26 Title, ...).
task_line() {
  local -a fields
  local i
  for i in $(seq 1 26); do fields[i]=""; done
  fields[1]=$1
  fields[2]=Enabled
  fields[3]=l1-EveryDay
  shift
  local pair
  for pair in "$@"; do
    fields[${pair%%=*}]=${pair#*=}
  done
  local line=${fields[1]}
  for i in $(seq 2 26); do line+="*${fields[i]}"; done
  printf '%s' "$line"
}

# write_tasks FILE LINE...: task.dat with CR LF line ends.
write_tasks() {
  local file=$1
  shift
  printf '%s\r\n' "$@" >"$file"
}

# Lines of the request log holding exactly the request `2` (time stamp aside).
requests_named() { grep -E "^[^ ]+ $2\$" "$1" 2>/dev/null || true; }
request_count() { requests_named "$1" "$2" | grep -c . || true; }

# Milliseconds from the start of the second of TIME (HH:MM:SS, today) to a log line's time stamp.
latency_ms() {
  local stamp=${2%% *}
  local day=${stamp%%T*}
  local fired=$(date -d "$day ${stamp#*T}" +%s%3N)
  local due=$(date -d "$day $1" +%s%3N)
  echo $((fired - due))
}

# The first line of standard input. Unlike `head -1` it reads to the end, so under pipefail the
# writer never dies of a closed pipe when it prints more than one line.
first_line() {
  local line=""
  IFS= read -r line || true
  cat >/dev/null
  [ -z "$line" ] || printf '%s\n' "$line"
}

# A failed check is counted and told; a script ends with the count as its verdict.
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Our icons inside the tray host's panel.
tray_icons() {
  xwininfo -root -tree 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ {inside = 1; next}
    inside && /^     0x/ {inside = 0} inside && /"Quorvel": \("quorvel" "Quorvel"\)/ {print $1}'
}
