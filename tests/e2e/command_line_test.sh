#!/usr/bin/env bash
# The real binary's command line: help, version, errors and exit codes, and a dry run.
set -euo pipefail
quorvel=$1
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

help=$("$quorvel" --help) || fail "--help exited with $?"
for option in --help --version --data-dir --dry-run 'FILE' --list --now MOMENT; do
  grep -q -e "$option" <<<"$help" || fail "--help does not list $option"
done

[ "$("$quorvel" --version)" = "Quorvel 2.05" ] || fail "--version printed something else"

set +e
message=$("$quorvel" --no-such-option 2>&1 >/dev/null)
code=$?
set -e
[ "$code" -eq 1 ] || fail "unknown option exited with $code"
[ "$message" = "Quorvel: Unknown option 'no-such-option'." ] || fail "unknown option said: $message"

: >"$work/plain-file"
set +e
message=$("$quorvel" --data-dir "$work/plain-file/data" --dry-run 2>&1 >/dev/null)
code=$?
set -e
[ "$code" -eq 1 ] || fail "uncreatable data folder exited with $code"
grep -q "cannot create the data folder $work/plain-file/data" <<<"$message" || fail "data folder error said: $message"

# A dry run starts the tray program, which runs until it is ended.
HOME=$work/home XDG_DATA_HOME='' XDG_RUNTIME_DIR='' "$quorvel" --dry-run="$work/dry.log" 2>/dev/null &
program=$!
for _ in $(seq 100); do
  [ -f "$work/home/.local/share/Quorvel/log.txt" ] && break
  sleep 0.1
done
kill "$program" 2>/dev/null || fail "dry run ended by itself"
wait "$program" 2>/dev/null || true
[ -d "$work/home/.local/share/Quorvel" ] || fail "default data folder was not created"
[ -f "$work/dry.log" ] || fail "dry run did not create its request log"

[ "$failures" -eq 0 ] && echo "command line: all checks passed"
exit "$failures"
