#!/usr/bin/env bash
# `cmake --install` into a scratch prefix, then the installed quorvel-uninstall: it removes every
# installed file and our own folders, the user's autostart entry, keeps the user's tasks and
# settings unless --purge is given, leaves files of others alone, and refuses unknown options.
set -euo pipefail
quorvel=$(realpath "$1")
build=$(cd "$(dirname "$quorvel")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

install_here() {
  cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; echo "cmake --install failed" >&2; exit 1; }
  mapfile -t installed <"$build/install_manifest.txt"
}
present() { for f in "${installed[@]}"; do [ -e "$f" ] || return 1; done; }
all_gone() { for f in "${installed[@]}"; do [ ! -e "$f" ] || return 1; done; }

# A user with an autostart entry, tasks and settings, and files of other programs beside ours.
make_user() {
  home=$1
  config=${2:-$home/.config}
  data_home=${3:-$home/.local/share}
  mkdir -p "$config/autostart" "$data_home/Quorvel"
  printf '[Desktop Entry]\nExec=%s\n' "$prefix/bin/quorvel" >"$config/autostart/quorvel.desktop"
  printf '[Desktop Entry]\nExec=other\n' >"$config/autostart/other.desktop"
  printf 'x\r\n' >"$data_home/Quorvel/task.dat"
  printf '[Option]\nfirst=0\n' >"$data_home/Quorvel/wake.ini"
  : >"$data_home/Quorvel/log.txt"
}

uninstall_as() {
  local home=$1
  shift
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" "$@"
}

# 1. The install brings the script, and the script is listed among the installed files.
install_here
script=$prefix/bin/quorvel-uninstall
[ -x "$script" ] || fail "no executable $script after the install"
[[ " ${installed[*]} " == *" $script "* ]] || fail "the install manifest does not list the script"
present || fail "the manifest lists files that are not there"
grep -q "remove '$prefix/bin/quorvel'" "$script" || fail "the script does not remove the program"

# 2. An unknown option changes nothing.
make_user "$work/home"
status=0
uninstall_as "$work/home" "$script" --bogus >"$work/bogus.out" 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with $status, not 2"
present || fail "an unknown option removed files"
[ -e "$work/home/.config/autostart/quorvel.desktop" ] || fail "an unknown option removed the autostart entry"

# 3. A plain uninstall: the installed files, our folders and the autostart entry go; the user's
#    tasks and settings and everything of others stay.
mkdir -p "$prefix/share/applications"
: >"$prefix/bin/other-tool"
: >"$prefix/share/applications/other.desktop"
uninstall_as "$work/home" "$script" >"$work/plain.out" 2>&1 || fail "the uninstall failed: $(cat "$work/plain.out")"
all_gone || fail "installed files are left: $(for f in "${installed[@]}"; do [ -e "$f" ] && echo "$f"; done)"
for folder in "$prefix/share/quorvel" "$prefix/libexec/quorvel"; do
  [ ! -e "$folder" ] || fail "$folder is left"
done
for kept in "$prefix/bin/other-tool" "$prefix/share/applications/other.desktop" \
  "$work/home/.config/autostart/other.desktop" \
  "$work/home/.local/share/Quorvel/task.dat" "$work/home/.local/share/Quorvel/wake.ini"; do
  [ -e "$kept" ] || fail "$kept was removed"
done
[ ! -e "$work/home/.config/autostart/quorvel.desktop" ] || fail "the autostart entry is left"

# 4. --purge, for a user whose folders are set by XDG_CONFIG_HOME and XDG_DATA_HOME: the tasks,
#    settings and log go too, and with them the emptied data folder.
install_here
make_user "$work/home2" "$work/cfg" "$work/xdgdata"
HOME="$work/home2" XDG_CONFIG_HOME="$work/cfg" XDG_DATA_HOME="$work/xdgdata" "$script" --purge \
  >"$work/purge.out" 2>&1 || fail "the purge failed: $(cat "$work/purge.out")"
all_gone || fail "--purge left installed files"
[ ! -e "$work/xdgdata/Quorvel" ] || fail "--purge left the data folder: $(ls -A "$work/xdgdata/Quorvel")"
[ ! -e "$work/cfg/autostart/quorvel.desktop" ] || fail "--purge left the autostart entry"
[ -e "$work/cfg/autostart/other.desktop" ] || fail "--purge removed another program's autostart entry"

if [ "$failures" -eq 0 ]; then
  echo "uninstall: all checks passed"
fi
exit "$failures"
