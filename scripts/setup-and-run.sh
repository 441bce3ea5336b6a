#!/usr/bin/env bash
# Installs what is missing, builds Quorvel and starts it. On a machine with no display it starts a
# virtual display with a tray host first, so the scheduler still runs and fires its tasks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
# Only the small wake helper gets the right to arm timers that wake the computer; a rebuild
# replaces the file and drops the right, so it is given again each time.
helper="$root/build/src/app/quorvel-wake-helper"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" setcap cap_wake_alarm+ep "$helper" ||
  echo "setup-and-run: $helper could not be given cap_wake_alarm; power-on tasks will not wake the computer" >&2
program=$root/build/src/app/quorvel

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" "$@"
fi

work=$(mktemp -d)
helpers=()
cleanup() {
  for pid in "${helpers[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
helpers+=($!)
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Could not start the virtual display (Xvfb); see $work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
trayer --edge bottom --align right --widthtype pixel --width 200 --heighttype pixel --height 32 \
  --transparent false >"$work/trayer.log" 2>&1 &
helpers+=($!)
echo "No display found: Quorvel runs on the virtual display $DISPLAY with a tray host; its tasks fire as usual."
echo "Press Ctrl+C to end it."
# In the background, so that Ctrl+C or a stop request ends the program and the helpers together.
"$program" "$@" &
helpers+=($!)
wait "$!"
