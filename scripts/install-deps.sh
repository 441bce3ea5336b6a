#!/usr/bin/env bash
# Installs every Debian 12 package needed to build, run and test Quorvel.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev libxext-dev libxtst-dev libxss-dev libcap2-bin tzdata
  xvfb xauth trayer xdotool x11-utils imagemagick fonts-dejavu-core
  dbus dbus-x11 python3 python3-dbus python3-dbusmock python3-gi
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ $status == *"install ok installed"* ]] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
