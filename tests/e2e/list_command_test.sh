#!/usr/bin/env bash
# The real binary's --list: the worked examples of a task file dated at a chosen moment, on a bare
# console, writing no file at all; and its errors.
set -euo pipefail
quorvel=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# No display, no runtime folder, a home of its own: whatever the listing created would show there.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_RUNTIME_DIR XDG_DATA_HOME
export HOME=$work/home LC_ALL=C.UTF-8
mkdir -p "$HOME"

data=$work/data
mkdir -p "$data"
printf '%s\r\n' \
  '22:30:00*Enabled*l1-EveryDay*********Shutdown*30*************Night shutdown' \
  '07:00:00*Enabled*l2-2008-3-15********************Power-on*** Power on' \
  '12:00:00*Enabled**Mon**Wed**Fri*******Show Message:Please take a rest.***********Break' \
  '09:00:00*Enabled*l4-1***********Run Program:C:\Tools\backup.exe | /quiet************Backup' \
  '08:00:00*Enabled*l3-12-25***************Open File:C:\Music\carols.mp3********Carols' \
  '18:00:01*Enabled*l1-EveryDay**********60******Close Program:notepad.exe******* Terminate Process' \
  '03:15:00*Enabled*******Sat*Sun***************Macro:C:\Macros\cleanup.mco*Weekend macro' \
  >"$data/task.dat"

fingerprint() { find "$data" "$HOME" -printf '%p %s %T@\n' | sort; }
errors=$(mktemp)
trap 'rm -rf "$work" "$errors"' EXIT
before=$(fingerprint)

# Friday 14 March 2008, a quarter past ten in the morning.
tab=$'\t'
expected="2008-3-14${tab}Waiting${tab} Waiting ---- Mon Wed Fri  ---- 12:00:00 ---- Break
2008-3-14${tab}Waiting${tab} Waiting ---- Daily ---- 18:00:01 ---- Terminate Process
2008-3-14${tab}Waiting${tab} Waiting ---- Daily ---- 22:30:00 ---- Night shutdown
2008-3-15${tab}Waiting${tab} Waiting ---- Sat Sun ---- 03:15:00 ---- Weekend macro
2008-3-15${tab}Waiting${tab} Waiting ---- Mar 15,  2008 ---- 07:00:00 ---- Power on
2008-12-25${tab}Waiting${tab} Waiting ---- Dec 25,  Annually ---- 08:00:00 ---- Carols
2008-3-1${tab}Passed${tab} Passed ---- 1 Monthly ---- 09:00:00 ---- Backup"
set +e
listing=$("$quorvel" --list --now "2008-03-14 10:15:30.250" --data-dir "$data" 2>"$errors")
code=$?
set -e
[ "$code" -eq 0 ] || fail "--list exited with $code: $(cat "$errors")"
[ "$listing" = "$expected" ] || fail "--list printed:
$listing"
[ ! -s "$errors" ] || fail "--list wrote to standard error: $(cat "$errors")"

# Saturday evening: the weekly tasks move on, the power-on task has passed.
expected="2008-3-16${tab}Waiting${tab} Waiting ---- Sat Sun ---- 03:15:00 ---- Weekend macro
2008-3-16${tab}Waiting${tab} Waiting ---- Daily ---- 18:00:01 ---- Terminate Process
2008-3-16${tab}Waiting${tab} Waiting ---- Daily ---- 22:30:00 ---- Night shutdown
2008-3-17${tab}Waiting${tab} Waiting ---- Mon Wed Fri  ---- 12:00:00 ---- Break
2008-12-25${tab}Waiting${tab} Waiting ---- Dec 25,  Annually ---- 08:00:00 ---- Carols
2008-3-1${tab}Passed${tab} Passed ---- 1 Monthly ---- 09:00:00 ---- Backup
2008-3-15${tab}Passed${tab} Passed ---- Mar 15,  2008 ---- 07:00:00 ---- Power on"
listing=$("$quorvel" --list --now "2008-03-15 23:00:00" --data-dir "$data") || fail "second --list exited with $?"
[ "$listing" = "$expected" ] || fail "--list on Saturday evening printed:
$listing"

# In the language the program would start in: German from the locale, with the file beside it.
listing=$(LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8 "$quorvel" --list --now "2008-03-15 23:00:00" --data-dir "$data" |
  head -2) || fail "German --list exited with $?"
[ "$listing" = "2008-3-16${tab}Waiting${tab} Wartet ---- Sa So ---- 03:15:00 ---- Weekend macro
2008-3-16${tab}Waiting${tab} Wartet ---- Täglich ---- 18:00:01 ---- Terminate Process" ] ||
  fail "German --list printed:
$listing"

# Without --data-dir the default folder is read, and not created when it is missing.
listing=$("$quorvel" --list) || fail "--list without a data folder exited with $?"
[ -z "$listing" ] || fail "--list without a data folder printed: $listing"

[ "$(fingerprint)" = "$before" ] || fail "--list changed files:
$(diff <(echo "$before") <(fingerprint))"

set +e
message=$("$quorvel" --list --now "14.03.2008 10:15" --data-dir "$data" 2>&1 >/dev/null)
code=$?
set -e
[ "$code" -eq 1 ] || fail "a bad --now exited with $code"
[ "$message" = "Quorvel: --now needs a local date and time written as YYYY-MM-DD HH:MM:SS[.mmm], not '14.03.2008 10:15'." ] ||
  fail "a bad --now said: $message"

[ "$failures" -eq 0 ] && echo "list command: all checks passed"
exit "$failures"
