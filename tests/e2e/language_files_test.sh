#!/usr/bin/env bash
# The built program finds its language files beside itself and writes the English template.
set -euo pipefail
quorvel=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

beside=$(dirname "$quorvel")
for ext in ENU DEU; do
  [ -f "$beside/Quorvel.$ext" ] || fail "Quorvel.$ext is not beside the built program"
done

env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY \
  "$quorvel" --write-language-template "$work/Quorvel.ENU" 2>"$work/err" || fail "template exited with $? ($(cat "$work/err"))"
cmp -s "$work/Quorvel.ENU" "$beside/Quorvel.ENU" || fail "the template differs from the shipped English file"

set +e
"$quorvel" --write-language-template "$work/no/such/folder/Quorvel.ENU" 2>"$work/err"
code=$?
set -e
[ "$code" -eq 1 ] || fail "unwritable template exited with $code"
grep -q "^Quorvel: " "$work/err" || fail "unwritable template said: $(cat "$work/err")"

[ "$failures" -eq 0 ] && echo "language files: all checks passed"
exit "$failures"
