#!/usr/bin/env bash
# Installs what is missing, builds Quorvel and starts it.
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
exec "$root/build/src/app/quorvel" "$@"
